#include "model/FileList.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace {

// A list's stretches grow to this; a longer part gets a stretch of its own.
const std::size_t LongestStretch = 64 * 1024;

// A part of 4 GiB or more is a path no host could hold.
std::uint32_t partLength(std::string_view name) {
  if (name.size() > UINT32_MAX)
    throw std::bad_alloc();
  return static_cast<std::uint32_t>(name.size());
}

}  // namespace

FileList::FileList(std::initializer_list<std::string_view> paths) {
  for (std::string_view path : paths)
    add(path);
}

FileList::FileList(const std::vector<std::string>& paths) {
  for (const std::string& path : paths)
    add(path);
}

FileList::FileList(std::shared_ptr<PathStore> store) : store(std::move(store)) {}

void FileList::add(std::string_view path) {
  items.push_back(item(path, NoFolder));
}

void FileList::add(const Folder& folder, std::string_view name) {
  const std::uint32_t number = ownStore().folderNumber(folder);
  items.push_back(item(name, number));
}

LargeText& FileList::keep(LargeText text) {
  return ownStore().keep(std::move(text));
}

void FileList::addKept(std::string_view path) {
  items.push_back(keptItem(path, NoFolder));
}

void FileList::addKept(const Folder& folder, std::string_view name) {
  const std::uint32_t number = ownStore().folderNumber(folder);
  items.push_back(keptItem(name, number));
}

void FileList::replace(std::size_t index, std::string_view path) {
  items[index] = item(path, NoFolder);
}

void FileList::select(const std::vector<std::uint32_t>& order) {
  Items selected;
  selected.reserve(order.size());
  for (std::uint32_t index : order)
    selected.push_back(items[index]);
  items = std::move(selected);
}

void FileList::pathAt(std::size_t index, std::string& path) const {
  const Item& item = items[index];
  path.clear();
  if (item.folder != NoFolder) {
    path += store->folder(item.folder);
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

FileList::Item FileList::item(std::string_view name, std::uint32_t folder) {
  const std::uint32_t length = partLength(name);
  return Item{copy(name), length, folder};
}

FileList::Item FileList::keptItem(std::string_view name, std::uint32_t folder) {
  return Item{name.data(), partLength(name), folder};
}

// A list made empty gets a store of its own with its first file.
PathStore& FileList::ownStore() {
  if (!store)
    store = std::make_shared<PathStore>();
  return *store;
}

const char* FileList::copy(std::string_view text) {
  if (text.size() > stretchLeft) {
    const std::size_t size = std::max(text.size(), nextStretch);
    stretch = ownStore().room(size);
    stretchLeft = size;
    nextStretch = std::min(2 * nextStretch, LongestStretch);
  }
  char* copied = stretch;
  if (!text.empty())
    std::memcpy(copied, text.data(), text.size());
  stretch += text.size();
  stretchLeft -= text.size();
  return copied;
}
