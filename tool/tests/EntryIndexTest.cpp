#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "mcp/EntryIndex.h"
#include "mcp/MplabProjectParser.h"

namespace {

// Folders as the reader keeps them, with the keys of their entries beside.
struct Folders {
  std::vector<MplabFolder> folders;
  std::vector<std::vector<std::string>> keys;

  // The text an entry holds now, as the reader sees it.
  std::string textOf(std::uint32_t f, std::uint32_t e) const {
    const std::uint32_t entry = folders[f].entries[e];
    if (entry == MplabFolder::Unresolved)
      return keys[f][e];
    return entry == MplabFolder::Rejected ? std::string() : folders[f].paths[entry];
  }
};

// What the index stands in for: every entry of every folder holding `key`.
std::vector<EntryRef> scanFor(const Folders& all, const std::string& key) {
  std::vector<EntryRef> found;
  for (std::uint32_t f = 0; f < all.folders.size(); ++f) {
    for (std::uint32_t e = 0; e < all.folders[f].entries.size(); ++e) {
      if (all.textOf(f, e) == key)
        found.push_back(EntryRef{f, e});
    }
  }
  return found;
}

// Found entries in a fixed order: the index keeps no order of its own.
std::vector<std::pair<std::uint32_t, std::uint32_t>> pairs(const std::vector<EntryRef>& refs) {
  std::vector<std::pair<std::uint32_t, std::uint32_t>> result;
  for (EntryRef ref : refs)
    result.emplace_back(ref.folder, ref.entry);
  std::sort(result.begin(), result.end());
  return result;
}

}  // namespace

TEST(EntryIndex, FindsWhatAScanOverAllEntriesFinds) {
  // Keys that share a number, numbers too large for the chains, keys that
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
    all.keys.resize(3);
    std::vector<MplabFolder>& folders = all.folders;
    EntryIndex index;
    for (int step = 0; step < 200; ++step) {
      const std::string& key = keys[random() % keys.size()];
      if (random() % 2 == 0) {
        const std::uint32_t f = random() % folders.size();
        index.addKey(key, EntryRef{f, static_cast<std::uint32_t>(folders[f].entries.size())});
        folders[f].entries.push_back(MplabFolder::Unresolved);
        all.keys[f].push_back(key);
        continue;
      }
      std::vector<EntryRef> found;
      index.take(key, folders, found);
      ASSERT_EQ(pairs(found), pairs(scanFor(all, key)))
          << "round " << round << " step " << step << " key " << key;
      const std::string& text = resolvedTexts[random() % resolvedTexts.size()];
      for (EntryRef ref : found) {
        MplabFolder& folder = folders[ref.folder];
        std::uint32_t path = MplabFolder::Rejected;
        if (!text.empty()) {
          path = static_cast<std::uint32_t>(folder.paths.size());
          folder.paths.add(text);
        }
        folder.entries[ref.entry] = path;
      }
      index.noteResolved(text, found);
    }
  }
}
