#include "mcp/FolderNames.h"

#include <new>

void FolderNames::add(std::string_view name, std::size_t folder) {
  const std::uint64_t hash = hashOf(name);
  std::size_t slot = slotOf(name, hash);
  if (slot == SIZE_MAX || slots[slot] == 0) {
    if (names.size() >= UINT32_MAX - 1)
      throw std::bad_alloc();
    // At most half the slots are in use, so a probe soon meets an empty one.
    if (2 * (names.size() + 1) > slots.size()) {
      grow();
      slot = slotOf(name, hash);
    }
    names.push_back(Named{std::string(name), hash, {}});
    slots[slot] = static_cast<std::uint32_t>(names.size());
  }
  names[slots[slot] - 1].folders.push_back(folder);
}

const std::vector<std::size_t>* FolderNames::find(std::string_view name) const {
  const std::size_t slot = slotOf(name, hashOf(name));
  if (slot == SIZE_MAX || slots[slot] == 0)
    return nullptr;
  return &names[slots[slot] - 1].folders;
}

void FolderNames::clear() {
  names = {};
  slots = {};
}

// FNV-1a: names are short, and most differ in their last bytes.
std::uint64_t FolderNames::hashOf(std::string_view name) {
  std::uint64_t hash = 14695981039346656037ull;
  for (char c : name) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 1099511628211ull;
  }
  return hash;
}

std::size_t FolderNames::slotOf(std::string_view name, std::uint64_t hash) const {
  if (slots.empty())
    return SIZE_MAX;
  const std::size_t mask = slots.size() - 1;
  std::size_t slot = hash & mask;
  while (slots[slot] != 0) {
    const Named& named = names[slots[slot] - 1];
    if (named.hash == hash && named.name == name)
      return slot;
    slot = (slot + 1) & mask;
  }
  return slot;
}

void FolderNames::grow() {
  slots.assign(slots.empty() ? 16 : 2 * slots.size(), 0);
  const std::size_t mask = slots.size() - 1;
  for (std::size_t i = 0; i < names.size(); ++i) {
    std::size_t slot = names[i].hash & mask;
    while (slots[slot] != 0)
      slot = (slot + 1) & mask;
    slots[slot] = static_cast<std::uint32_t>(i + 1);
  }
}
