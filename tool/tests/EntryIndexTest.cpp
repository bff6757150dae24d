#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "mcp/EntryIndex.h"
#include "mcp/MplabProjectParser.h"

namespace {

// Folders and their entries as the reader keeps them, with the key of each
// entry beside.
struct Folders {
  std::vector<MplabFolder> folders;
  FolderEntries entries;
  std::vector<std::string> keys;

  // The text an entry holds now, as the reader sees it.
  std::string textOf(std::uint32_t e) const {
    const FolderEntry& entry = entries[e];
    if (entry.path == FolderEntry::Unresolved)
      return keys[e];
    return entry.path == FolderEntry::Rejected ? std::string()
                                                : folders[entry.folder].paths[entry.path];
  }
};

// What the index stands in for: every entry holding `key`.
std::vector<std::uint32_t> scanFor(const Folders& all, const std::string& key) {
  std::vector<std::uint32_t> found;
  for (std::uint32_t e = 0; e < all.entries.size(); ++e) {
    if (all.textOf(e) == key)
      found.push_back(e);
  }
  return found;
}

// Found entries in a fixed order: the index keeps no order of its own.
std::vector<std::uint32_t> sorted(std::vector<std::uint32_t> entries) {
  std::sort(entries.begin(), entries.end());
  return entries;
}

}  // namespace

TEST(EntryIndex, FindsWhatAScanOverAllEntriesFinds) {
  // Keys that share a number, numbers too large for the slots, keys that
  // are no number, and keys a resolved path or a rejected (empty) entry can
  // equal. Resolved texts are what the reader makes: empty, or holding ":"
  // or "\".
  const std::vector<std::string> keys = {
      "file_1", "file_01", "file_001", "file_2", "file_999999999", "file_1234567890",
      "file_x", "file_", "", "C:a.c", "src\\b.c", "C:file_1"};
  const std::vector<std::string> resolvedTexts = {"", "C:a.c", "src\\b.c", "C:file_1",
                                                   "\\c.c"};
  std::mt19937 random(11);
  for (int round = 0; round < 20; ++round) {
    Folders all;
    all.folders.resize(3);
    EntryIndex index;
    for (int step = 0; step < 200; ++step) {
      const std::string& key = keys[random() % keys.size()];
      if (random() % 2 == 0) {
        const std::uint32_t f = random() % all.folders.size();
        index.addKey(key, static_cast<std::uint32_t>(all.entries.size()));
        all.entries.push_back(FolderEntry{f, FolderEntry::Unresolved});
        all.keys.push_back(key);
        continue;
      }
      std::vector<std::uint32_t> found;
      index.take(key, all.entries, all.folders, found);
      ASSERT_EQ(sorted(found), scanFor(all, key))
          << "round " << round << " step " << step << " key " << key;
      const std::string& text = resolvedTexts[random() % resolvedTexts.size()];
      for (std::uint32_t e : found) {
        FolderEntry& entry = all.entries[e];
        FileList& paths = all.folders[entry.folder].paths;
        entry.path = FolderEntry::Rejected;
        if (!text.empty()) {
          entry.path = static_cast<std::uint32_t>(paths.size());
          paths.add(text);
        }
      }
      index.noteResolved(text, found);
    }
  }
}
