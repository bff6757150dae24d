#ifndef QUILLBROOK_FOLDERNAMES_H
#define QUILLBROOK_FOLDERNAMES_H

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The MPLAB folders of a project by name; two folders may share one. Each
// [FILE_SUBFOLDERS] line names a folder, so a project of a million files
// looks a name up a million times: the table hashes the line's own bytes,
// and no string is built for the look-up.
class FolderNames {
public:
  // Folder `folder` is named `name`.
  void add(std::string_view name, std::size_t folder);
  // The folders named `name`, in the order they were added; null if none.
  const std::vector<std::size_t>* find(std::string_view name) const;
  void clear();

private:
  struct Named {
    std::string name;
    std::uint64_t hash;
    std::vector<std::size_t> folders;
  };

  static std::uint64_t hashOf(std::string_view name);
  // The slot of `name` in `slots`: the one holding it, or the empty one
  // where it would go.
  std::size_t slotOf(std::string_view name, std::uint64_t hash) const;
  void grow();

  std::vector<Named> names;
  // Open addressing over a power-of-two table: 1 + a position in `names`,
  // or 0 for an empty slot.
  std::vector<std::uint32_t> slots;
};

#endif
