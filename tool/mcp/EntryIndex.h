#ifndef QUILLBROOK_ENTRYINDEX_H
#define QUILLBROOK_ENTRYINDEX_H

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "model/LargeAllocator.h"

struct MplabFolder;

// One entry of one MPLAB folder.
struct EntryRef {
  std::uint32_t folder;
  std::uint32_t entry;
};

// Finds the folder entries that hold a given text, as a scan over every
// entry of every folder would, without that scan. Keys written "file_" and a
// number are found by the number (most keys are); other keys by hashing.
// An entry that a [FILE_INFO] line replaced by a path can only equal a key
// that is empty or holds ":" or "\", so resolved entries are indexed only
// once such a key turns up.
class EntryIndex {
public:
  // The entry at `ref` holds `key` and has not been resolved.
  void addKey(std::string_view key, EntryRef ref);
  // Appends to `found` every entry of `folders` that holds `key` now and
  // takes those entries out of the index.
  void take(std::string_view key, const std::vector<MplabFolder>& folders,
            std::vector<EntryRef>& found);
  // Whether noteResolved wants the texts entries are resolved to.
  bool tracksResolved() const { return resolvedIndexed; }
  // The entries at `refs` were resolved to `text`.
  void noteResolved(const std::string& text, const std::vector<EntryRef>& refs);

private:
  struct NumberedEntry {
    EntryRef ref;
    std::uint32_t next;
    // How many digits the key was written with.
    std::uint32_t digits;
  };

  void takeNumbered(std::uint32_t number, std::uint32_t digits, std::vector<EntryRef>& found);
  static void takeFrom(std::unordered_map<std::string, std::vector<EntryRef>>& index,
                       std::string_view key, std::vector<EntryRef>& found);
  void indexResolved(const std::vector<MplabFolder>& folders);

  // Per key number, the first of a chain through `numbered`; keys with the
  // same number but other digits ("file_7", "file_007") share a chain.
  std::vector<std::uint32_t, LargeAllocator<std::uint32_t>> firstByNumber;
  std::vector<NumberedEntry, LargeAllocator<NumberedEntry>> numbered;
  std::unordered_map<std::string, std::vector<EntryRef>> otherKeys;
  bool resolvedIndexed = false;
  std::unordered_map<std::string, std::vector<EntryRef>> resolvedTexts;
};

#endif
