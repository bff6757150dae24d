#ifndef QUILLBROOK_FILELIST_H
#define QUILLBROOK_FILELIST_H

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// A group's files, in order. A project may list a million of them, most
// joined to one long source folder, so a path is kept as that folder,
// shared and held once, and a part of its own, copied into large blocks:
// no heap string per file, and nothing freed file by file.
class FileList {
public:
  // A folder many paths start with.
  using Folder = std::shared_ptr<const std::string>;

  FileList() = default;
  FileList(std::initializer_list<std::string_view> paths);
  FileList(const std::vector<std::string>& paths);

  FileList(FileList&&) = default;
  FileList& operator=(FileList&&) = default;
  FileList(const FileList&) = delete;
  FileList& operator=(const FileList&) = delete;

  // Adds `path` whole.
  void add(std::string_view path);
  // Adds the path `folder` + "\" + `name`, sharing `folder`.
  void add(const Folder& folder, std::string_view name);
  // Replaces the path of file `index`.
  void replace(std::size_t index, std::string_view path);
  // Keeps only the files at the positions `order` names, in that order.
  void select(const std::vector<std::uint32_t>& order);

  bool empty() const { return items.empty(); }
  std::size_t size() const { return items.size(); }
  // The path of file `index`, built in `path` so its memory is reused.
  void pathAt(std::size_t index, std::string& path) const;
  std::string operator[](std::size_t index) const;
  // Every path, as strings.
  std::vector<std::string> paths() const;

private:
  static constexpr std::uint32_t NoFolder = UINT32_MAX;

  struct Item {
    const char* name;
    std::uint32_t length;
    std::uint32_t folder;
  };

  static Item item(const char* name, std::size_t length, std::uint32_t folder);

  const char* store(std::string_view text);
  std::uint32_t folderIndex(const Folder& folder);

  std::vector<Item> items;
  std::vector<Folder> folders;
  std::vector<std::unique_ptr<char[]>> blocks;
  char* room = nullptr;
  std::size_t roomLeft = 0;
  std::size_t nextBlockSize = 1024;
};

#endif
