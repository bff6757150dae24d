#include "mcp/EntryIndex.h"

#include "mcp/MplabFolder.h"
#include "text/TextOps.h"

namespace {

// Nine digits always fit the slots' 32-bit numbers.
const std::size_t MaxDigits = 9;

// The number of a key written "file_" and 1 to 9 digits, and how many
// digits it is written with: two such keys are equal when both agree.
bool keyNumber(std::string_view key, std::uint32_t& number, std::uint32_t& digits) {
  const std::string_view prefix = "file_";
  if (key.size() <= prefix.size() || key.size() > prefix.size() + MaxDigits ||
      !startsWith(key, prefix))
    return false;
  number = 0;
  for (char c : key.substr(prefix.size())) {
    if (c < '0' || c > '9')
      return false;
    number = number * 10 + static_cast<std::uint32_t>(c - '0');
  }
  digits = static_cast<std::uint32_t>(key.size() - prefix.size());
  return true;
}

// Resolved entries are empty or paths, and a path holds ":" or "\".
bool mayEqualResolved(std::string_view key) {
  if (key.empty())
    return true;
  for (char c : key) {
    if (c == ':' || c == '\\')
      return true;
  }
  return false;
}

// The text a resolved entry holds: its path, or the empty text when it
// was rejected.
std::string resolvedText(const std::vector<MplabFolder>& folders, const FolderEntry& entry) {
  return entry.path == FolderEntry::Rejected ? std::string()
                                              : folders[entry.folder].paths[entry.path];
}

}  // namespace

void EntryIndex::addKey(std::string_view key, std::uint32_t entry) {
  std::uint32_t number;
  std::uint32_t digits;
  // The slots grow with the keys they hold, so a few huge numbers cannot
  // make them big; such keys are hashed instead.
  if (keyNumber(key, number, digits) && number < 2 * numberedKeys + 1024) {
    byNumber.growTo(std::size_t(number) + 1, NumberSlot());
    NumberSlot& slot = byNumber[number];
    if (slot.entry == NoEntry) {
      slot = NumberSlot{entry, digits};
      ++numberedKeys;
      return;
    }
  }
  otherKeys[std::string(key)].push_back(entry);
}

void EntryIndex::take(std::string_view key, const FolderEntries& entries,
                      const std::vector<MplabFolder>& folders, std::vector<std::uint32_t>& found) {
  std::uint32_t number;
  std::uint32_t digits;
  const bool numberedKey = keyNumber(key, number, digits);
  if (numberedKey && number < byNumber.size()) {
    NumberSlot& slot = byNumber[number];
    if (slot.entry != NoEntry && slot.digits == digits) {
      found.push_back(slot.entry);
      slot.entry = NoEntry;
    }
  }
  if (!otherKeys.empty())
    takeFrom(otherKeys, key, found);
  // A numbered key holds neither ":" nor "\".
  if (!numberedKey && mayEqualResolved(key)) {
    indexResolved(entries, folders);
    takeFrom(resolvedTexts, key, found);
  }
}

void EntryIndex::noteResolved(const std::string& text,
                              const std::vector<std::uint32_t>& resolved) {
  if (!resolvedIndexed)
    return;
  std::vector<std::uint32_t>& entries = resolvedTexts[text];
  entries.insert(entries.end(), resolved.begin(), resolved.end());
}

void EntryIndex::takeFrom(Index& index, std::string_view key, std::vector<std::uint32_t>& found) {
  const auto match = index.find(std::string(key));
  if (match == index.end())
    return;
  found.insert(found.end(), match->second.begin(), match->second.end());
  index.erase(match);
}

void EntryIndex::indexResolved(const FolderEntries& entries,
                               const std::vector<MplabFolder>& folders) {
  if (resolvedIndexed)
    return;
  resolvedIndexed = true;
  for (std::size_t e = 0; e < entries.size(); ++e) {
    if (entries[e].path != FolderEntry::Unresolved)
      resolvedTexts[resolvedText(folders, entries[e])].push_back(static_cast<std::uint32_t>(e));
  }
}
