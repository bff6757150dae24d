#ifndef QUILLBROOK_ENTRYINDEX_H
#define QUILLBROOK_ENTRYINDEX_H

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "model/LargeAllocator.h"

struct FolderEntry;
struct MplabFolder;

// The entries of the folders, in the order of their lines.
using FolderEntries = std::vector<FolderEntry, LargeAllocator<FolderEntry>>;

// Finds the folder entries that hold a given text, as a scan over every
// entry of every folder would, without that scan. Keys written "file_" and a
// number are found by the number (most keys are); other keys by hashing.
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
  struct NumberedEntry {
    std::uint32_t entry;
    std::uint32_t next;
    // How many digits the key was written with.
    std::uint32_t digits;
  };
  using Index = std::unordered_map<std::string, std::vector<std::uint32_t>>;

  void takeNumbered(std::uint32_t number, std::uint32_t digits,
                    std::vector<std::uint32_t>& found);
  static void takeFrom(Index& index, std::string_view key, std::vector<std::uint32_t>& found);
  void indexResolved(const FolderEntries& entries, const std::vector<MplabFolder>& folders);

  // Per key number, the first of a chain through `numbered`; keys with the
  // same number but other digits ("file_7", "file_007") share a chain.
  std::vector<std::uint32_t, LargeAllocator<std::uint32_t>> firstByNumber;
  std::vector<NumberedEntry, LargeAllocator<NumberedEntry>> numbered;
  Index otherKeys;
  bool resolvedIndexed = false;
  Index resolvedTexts;
};

#endif
