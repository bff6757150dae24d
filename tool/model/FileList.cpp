#include "model/FileList.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace {

// Blocks grow to this size; a longer part gets a block of its own.
const std::size_t LargestBlock = 1 << 20;

}  // namespace

FileList::FileList(std::initializer_list<std::string_view> paths) {
  for (std::string_view path : paths)
    add(path);
}

FileList::FileList(const std::vector<std::string>& paths) {
  for (const std::string& path : paths)
    add(path);
}

void FileList::add(std::string_view path) {
  items.push_back(item(store(path), path.size(), NoFolder));
}

void FileList::add(const Folder& folder, std::string_view name) {
  const std::uint32_t index = folderIndex(folder);
  items.push_back(item(store(name), name.size(), index));
}

void FileList::replace(std::size_t index, std::string_view path) {
  items[index] = item(store(path), path.size(), NoFolder);
}

// Called after store(), which refused a length that does not fit.
FileList::Item FileList::item(const char* name, std::size_t length, std::uint32_t folder) {
  return Item{name, static_cast<std::uint32_t>(length), folder};
}

void FileList::select(const std::vector<std::uint32_t>& order) {
  std::vector<Item> selected;
  selected.reserve(order.size());
  for (std::uint32_t index : order)
    selected.push_back(items[index]);
  items = std::move(selected);
}

void FileList::pathAt(std::size_t index, std::string& path) const {
  const Item& item = items[index];
  path.clear();
  if (item.folder != NoFolder) {
    path += *folders[item.folder];
    path += '\\';
  }
  path.append(item.name, item.length);
}

std::string FileList::operator[](std::size_t index) const {
  std::string path;
  pathAt(index, path);
  return path;
}

std::vector<std::string> FileList::paths() const {
  std::vector<std::string> all;
  for (std::size_t i = 0; i < items.size(); ++i)
    all.push_back((*this)[i]);
  return all;
}

const char* FileList::store(std::string_view text) {
  // A part of 4 GiB or more is a path no host could hold.
  if (text.size() > UINT32_MAX)
    throw std::bad_alloc();
  if (text.size() > roomLeft) {
    const std::size_t size = std::max(text.size(), nextBlockSize);
    // Not zeroed: only what is stored is ever read.
    blocks.emplace_back(new char[size]);
    room = blocks.back().get();
    roomLeft = size;
    nextBlockSize = std::min(2 * nextBlockSize, LargestBlock);
  }
  char* stored = room;
  if (!text.empty())
    std::memcpy(stored, text.data(), text.size());
  room += text.size();
  roomLeft -= text.size();
  return stored;
}

// Files are added folder by folder, so only the last folder is compared.
std::uint32_t FileList::folderIndex(const Folder& folder) {
  if (folders.empty() || folders.back() != folder)
    folders.push_back(folder);
  return static_cast<std::uint32_t>(folders.size() - 1);
}
