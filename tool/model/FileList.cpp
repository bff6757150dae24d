#include "model/FileList.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <utility>

namespace {

// A list's stretches grow to this; a longer part gets a stretch of its own.
const std::size_t LongestStretch = 64 * 1024;

// The lists of a large project are written in turns, a path each, so the
// processor does not see the run of any one list and would wait for memory
// at each new line of it: the memory a little ahead is asked for early.
// The address is only a hint, so it may lie past the list's memory.
void prepareToWrite(const void* from, std::size_t bytesAhead) {
#if defined(__GNUC__)
  __builtin_prefetch(
      reinterpret_cast<const void*>(reinterpret_cast<std::uintptr_t>(from) + bytesAhead), 1);
#else
  (void)from;
  (void)bytesAhead;
#endif
}

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

FileList::FileList(FileList&& other) noexcept {
  *this = std::move(other);
}

FileList& FileList::operator=(FileList&& other) noexcept {
  store = std::move(other.store);
  items = std::exchange(other.items, nullptr);
  count = std::exchange(other.count, 0);
  capacity = std::exchange(other.capacity, 0);
  stretch = std::exchange(other.stretch, nullptr);
  stretchLeft = std::exchange(other.stretchLeft, 0);
  nextStretch = std::exchange(other.nextStretch, FirstStretch);
  lastBase = std::move(other.lastBase);
  lastDirectory = std::move(other.lastDirectory);
  lastFolder = std::exchange(other.lastFolder, NoFolder);
  return *this;
}

void FileList::add(std::string_view path) {
  push(namedItem(nullptr, path));
}

void FileList::add(const Folder& folder, std::string_view name) {
  push(namedItem(&folder, name));
}

LargeText& FileList::keep(LargeText text) {
  return ownStore().keep(std::move(text));
}

void FileList::addKept(std::string_view path) {
  push(keptItem(path, NoFolder));
}

void FileList::addKept(const Folder& folder, std::string_view name) {
  const std::uint32_t number = ownStore().folderNumber(folder);
  push(keptItem(name, number));
}

void FileList::replace(std::size_t index, std::string_view path) {
  items[index] = item(path, NoFolder);
}

void FileList::select(const std::vector<std::uint32_t>& order) {
  Item* const all = items;
  items = nullptr;
  count = capacity = 0;
  reserve(order.size());
  for (std::uint32_t index : order)
    push(all[index]);
}

void FileList::appendPath(std::size_t index, std::string& text) const {
  const Item& item = items[index];
  if (item.folder != NoFolder) {
    text += store->folder(item.folder);
    text += '\\';
  }
  text.append(item.name, item.length);
}

std::string FileList::operator[](std::size_t index) const {
  std::string path;
  pathAt(index, path);
  return path;
}

std::vector<std::string> FileList::paths() const {
  std::vector<std::string> all;
  forEachPath([&all](const std::string& path) { all.push_back(path); });
  return all;
}

// Most paths lie in the folder of the path before them: that folder is
// compared, not looked up.
FileList::Item FileList::namedItem(const Folder* folder, std::string_view path) {
  const std::string_view::size_type cut = path.rfind('\\');
  if (cut == std::string_view::npos)
    return item(path, folder == nullptr ? NoFolder : ownStore().folderNumber(*folder));
  const std::string_view directory = path.substr(0, cut);
  const std::string* base = folder == nullptr ? nullptr : folder->get();
  if (lastFolder == NoFolder || lastBase.get() != base || lastDirectory != directory) {
    lastBase = folder == nullptr ? Folder() : *folder;
    lastFolder = ownStore().folderNumber(lastBase, directory);
    lastDirectory.assign(directory);
  }
  return item(path.substr(cut + 1), lastFolder);
}

FileList::Item FileList::item(std::string_view name, std::uint32_t folder) {
  const std::uint32_t length = partLength(name);
  return Item{copy(name), length, folder};
}

FileList::Item FileList::keptItem(std::string_view name, std::uint32_t folder) {
  return Item{name.data(), partLength(name), folder};
}

void FileList::reserve(std::size_t size) {
  if (size > capacity)
    moveItems(size);
}

void FileList::push(const Item& item) {
  if (count == capacity)
    moveItems(std::max<std::size_t>(2 * capacity, 8));
  prepareToWrite(items + count, 8 * sizeof(Item));
  new (items + count) Item(item);
  ++count;
}

// What was left behind stays in the store unused: a list grows by
// doubling, so at most as much as the list holds.
void FileList::moveItems(std::size_t size) {
  if (size > SIZE_MAX / sizeof(Item))
    throw std::bad_alloc();
  Item* const moved =
      reinterpret_cast<Item*>(ownStore().room(size * sizeof(Item), alignof(Item)));
  if (count > 0)
    std::memcpy(moved, items, count * sizeof(Item));
  items = moved;
  capacity = size;
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
  prepareToWrite(stretch, 128);
  char* copied = stretch;
  if (!text.empty())
    std::memcpy(copied, text.data(), text.size());
  stretch += text.size();
  stretchLeft -= text.size();
  return copied;
}
