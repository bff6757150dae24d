#include "model/PathStore.h"

#include <algorithm>

namespace {

// Blocks grow to a large page; a longer request gets a block of its own.
const std::size_t LargestBlock = platform::LargePageSize;

}  // namespace

// A new block is aligned for anything, so it needs no padding.
char* PathStore::room(std::size_t size, std::size_t alignment) {
  const std::size_t padding =
      (alignment - reinterpret_cast<std::uintptr_t>(free) % alignment) % alignment;
  if (size > freeLeft || padding > freeLeft - size) {
    // A block LargeAllocator gives a whole large page might as well be
    // one, and so might the block for a large request (a folder's items in
    // a large project).
    if (size >= LargeBlockFloor || nextBlockSize >= LargeBlockFloor)
      nextBlockSize = LargestBlock;
    const std::size_t blockSize = std::max(size, nextBlockSize);
    // Not zeroed: only what is stored is ever read.
    std::unique_ptr<char[], BlockRelease> block(LargeAllocator<char>().allocate(blockSize),
                                                BlockRelease{blockSize});
    blocks.push_back(std::move(block));
    free = blocks.back().get();
    freeLeft = blockSize;
    nextBlockSize = std::min(2 * nextBlockSize, LargestBlock);
  } else {
    free += padding;
    freeLeft -= padding;
  }
  char* given = free;
  free += size;
  freeLeft -= size;
  return given;
}

LargeText& PathStore::keep(LargeText text) {
  texts.push_back(std::move(text));
  return texts.back();
}

// Paths are added folder by folder, so only the last folder is compared.
std::uint32_t PathStore::folderNumber(const Folder& folder) {
  if (folders.empty() || folders.back() != folder)
    folders.push_back(folder);
  return static_cast<std::uint32_t>(folders.size() - 1);
}

std::uint32_t PathStore::folderNumber(const Folder& base, std::string_view directory) {
  std::string text = base ? *base + "\\" : std::string();
  text.append(directory);
  const auto known = joined.find(text);
  if (known != joined.end())
    return known->second;
  const auto number = static_cast<std::uint32_t>(folders.size());
  folders.push_back(std::make_shared<const std::string>(text));
  joined.emplace(std::move(text), number);
  return number;
}
