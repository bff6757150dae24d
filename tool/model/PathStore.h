#ifndef QUILLBROOK_PATHSTORE_H
#define QUILLBROOK_PATHSTORE_H

#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "model/LargeAllocator.h"

// The memory the file lists of one project share: the folders their paths
// start with, each held once, and the blocks their paths' own parts are
// copied into. A million files become a few large blocks, not a heap
// string each, and nothing is freed file by file.
class PathStore {
public:
  // A folder many paths start with.
  using Folder = std::shared_ptr<const std::string>;

  PathStore() = default;
  PathStore(const PathStore&) = delete;
  PathStore& operator=(const PathStore&) = delete;

  // Room for `size` bytes at a multiple of `alignment`, which stays for as
  // long as the store.
  char* room(std::size_t size, std::size_t alignment = 1);
  // Keeps `text` for as long as the store, so paths may lie in it: a
  // generated line of include folders is not copied path by path.
  LargeText& keep(LargeText text);
  // The number of `folder` in the store's table.
  std::uint32_t folderNumber(const Folder& folder);
  // The number of the folder `base` + "\" + `directory` (`directory`
  // alone when `base` is null), each such folder held once.
  std::uint32_t folderNumber(const Folder& base, std::string_view directory);
  const std::string& folder(std::uint32_t number) const { return *folders[number]; }
  std::size_t folderCount() const { return folders.size(); }

private:
  struct BlockRelease {
    std::size_t size;
    void operator()(char* block) const { LargeAllocator<char>().deallocate(block, size); }
  };

  std::vector<Folder> folders;
  // The numbers of the folders made by joining, by their text.
  std::unordered_map<std::string, std::uint32_t> joined;
  std::vector<std::unique_ptr<char[], BlockRelease>> blocks;
  // Never moved once kept: a short text lies inside its string.
  std::deque<LargeText> texts;
  char* free = nullptr;
  std::size_t freeLeft = 0;
  std::size_t nextBlockSize = 4096;
};

#endif
