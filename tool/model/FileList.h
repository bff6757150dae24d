#ifndef QUILLBROOK_FILELIST_H
#define QUILLBROOK_FILELIST_H

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "model/LargeAllocator.h"
#include "model/PathStore.h"

// A list of paths in order: a group's files or its include folders. A path
// is kept as a folder shared with other paths and a part of its own, which
// lies in the memory of a PathStore that the lists of one project share.
// Each list copies its parts into stretches of that memory of its own, so
// its paths lie together. A copied path's own part is its file name: the
// folder it names is shared with the paths beside it, which mostly lie in
// the same one, so a million paths do not each hold their folder again.
class FileList {
public:
  using Folder = PathStore::Folder;

  FileList() = default;
  FileList(std::initializer_list<std::string_view> paths);
  FileList(const std::vector<std::string>& paths);
  explicit FileList(std::shared_ptr<PathStore> store);

  FileList(FileList&& other) noexcept;
  FileList& operator=(FileList&& other) noexcept;
  FileList(const FileList&) = delete;
  FileList& operator=(const FileList&) = delete;

  // Adds `path` whole.
  void add(std::string_view path);
  // Adds the path `folder` + "\" + `name`, sharing `folder`.
  void add(const Folder& folder, std::string_view name);
  // Keeps `text` in the list's store for `addKept`, which adds a path
  // lying in kept text without copying it.
  LargeText& keep(LargeText text);
  void addKept(std::string_view path);
  void addKept(const Folder& folder, std::string_view name);
  void reserve(std::size_t count);
  // Replaces the path of file `index`.
  void replace(std::size_t index, std::string_view path);
  // Keeps only the files at the positions `order` names, in that order.
  void select(const std::vector<std::uint32_t>& order);
  // Keeps only the first `size` files.
  void truncate(std::size_t size) { count = std::min(count, size); }

  bool empty() const { return count == 0; }
  std::size_t size() const { return count; }
  // The path of file `index`, built in `path` so its memory is reused.
  void pathAt(std::size_t index, std::string& path) const {
    path.clear();
    appendPath(index, path);
  }
  // Appends the path of file `index` to `text`.
  void appendPath(std::size_t index, std::string& text) const;
  // Whether file `index` has the empty path.
  bool emptyAt(std::size_t index) const {
    return items[index].folder == NoFolder && items[index].length == 0;
  }
  // Hands `visit` every path in order, each built in one reused string.
  template <typename Visit>
  void forEachPath(Visit&& visit) const {
    std::string path;
    for (std::size_t i = 0; i < count; ++i) {
      pathAt(i, path);
      visit(static_cast<const std::string&>(path));
    }
  }
  std::string operator[](std::size_t index) const;
  // Every path, as strings.
  std::vector<std::string> paths() const;

private:
  static constexpr std::uint32_t NoFolder = UINT32_MAX;
  static constexpr std::size_t FirstStretch = 256;

  struct Item {
    const char* name;
    std::uint32_t length;
    std::uint32_t folder;
  };

  PathStore& ownStore();
  // A copied item for `path` below `folder` (none: null): its folder part
  // joins `folder` and its file name is copied.
  Item namedItem(const Folder* folder, std::string_view path);
  // A copied item, and one whose part lies in kept text.
  Item item(std::string_view name, std::uint32_t folder);
  static Item keptItem(std::string_view name, std::uint32_t folder);
  const char* copy(std::string_view text);
  void push(const Item& item);
  // Moves the items to room for `size` of them in the store.
  void moveItems(std::size_t size);

  std::shared_ptr<PathStore> store;
  // The items lie in the store too: a list reserved for its files takes
  // them in one piece, and the lists of a large project share the store's
  // large pages rather than each growing an array of its own.
  Item* items = nullptr;
  std::size_t count = 0;
  std::size_t capacity = 0;
  // The folder part of the last path copied in, below `lastBase`, and its
  // number in the store.
  Folder lastBase;
  std::string lastDirectory;
  std::uint32_t lastFolder = NoFolder;
  // The stretch of the store's memory this list copies into next.
  char* stretch = nullptr;
  std::size_t stretchLeft = 0;
  std::size_t nextStretch = FirstStretch;
};

#endif
