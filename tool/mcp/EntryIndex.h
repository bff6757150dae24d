#ifndef QUILLBROOK_ENTRYINDEX_H
#define QUILLBROOK_ENTRYINDEX_H

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "model/PagedArray.h"

struct FolderEntry;
struct MplabFolder;

// The entries of the folders, in the order of their lines.
using FolderEntries = PagedArray<FolderEntry>;

// Finds the folder entries that hold a given text, as a scan over every
// entry of every folder would, without that scan. A key written "file_" and
// a number is found by the number (most keys are); other keys, and a second
// key of a number already held ("file_7" beside "file_007", or a key
// given to two folders), by hashing.
// An entry that a [FILE_INFO] line replaced by a path can only equal a key
// that is empty or holds ":" or "\", so resolved entries are indexed only
// once such a key turns up.
class EntryIndex {
public:
  // Entry `entry` holds `key` and has not been resolved.
  void addKey(std::string_view key, std::uint32_t entry);
  // Appends to `found` every one of `entries` (whose paths lie in
  // `folders`) that holds `key` now, and takes those out of the index.
  void take(std::string_view key, const FolderEntries& entries,
            const std::vector<MplabFolder>& folders, std::vector<std::uint32_t>& found);
  // Whether noteResolved wants the texts entries are resolved to.
  bool tracksResolved() const { return resolvedIndexed; }
  // The entries `resolved` were resolved to `text`.
  void noteResolved(const std::string& text, const std::vector<std::uint32_t>& resolved);

private:
  static constexpr std::uint32_t NoEntry = UINT32_MAX;

  // The entry holding a key number, and how many digits its key was
  // written with.
  struct NumberSlot {
    std::uint32_t entry = NoEntry;
    std::uint32_t digits = 0;
  };
  using Index = std::unordered_map<std::string, std::vector<std::uint32_t>>;

  static void takeFrom(Index& index, std::string_view key, std::vector<std::uint32_t>& found);
  void indexResolved(const FolderEntries& entries, const std::vector<MplabFolder>& folders);

  PagedArray<NumberSlot> byNumber;
  // How many keys have held a slot.
  std::size_t numberedKeys = 0;
  Index otherKeys;
  bool resolvedIndexed = false;
  Index resolvedTexts;
};

#endif
