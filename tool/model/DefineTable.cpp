#include "model/DefineTable.h"

#include <algorithm>
#include <iterator>

namespace {

bool byName(const Define& one, const Define& other) {
  return one.name < other.name;
}

// Of each run of equal names in sorted `defines` the last is kept: the
// latest definition.
void keepLastOfEachName(DefineList& defines) {
  std::size_t kept = 0;
  for (std::size_t i = 0; i < defines.size(); ++i) {
    if (i + 1 < defines.size() && defines[i + 1].name == defines[i].name)
      continue;
    defines[kept++] = defines[i];
  }
  defines.resize(kept);
}

// `defines` sorted by name; equal names keep their order.
DefineList sortedByName(const DefineList& defines) {
  std::vector<std::size_t, LargeAllocator<std::size_t>> order(defines.size());
  for (std::size_t i = 0; i < order.size(); ++i)
    order[i] = i;
  std::sort(order.begin(), order.end(), [&defines](std::size_t one, std::size_t other) {
    const int compared = defines[one].name.compare(defines[other].name);
    return compared < 0 || (compared == 0 && one < other);
  });
  DefineList sorted;
  sorted.reserve(defines.size());
  for (std::size_t i : order)
    sorted.push_back(defines[i]);
  return sorted;
}

}  // namespace

DefineTable::DefineTable(
    std::initializer_list<std::pair<std::string_view, std::string_view>> list) {
  for (const auto& [name, value] : list)
    set(name, value);
}

void DefineTable::set(std::string_view name, std::string_view value) {
  LargeText text;
  text.reserve(name.size() + value.size());
  text.append(name).append(value);
  const std::string_view kept = keep(std::move(text));
  DefineList one{Define{kept.substr(0, name.size()), kept.substr(name.size())}};
  addAll(one);
}

LargeText& DefineTable::keep(LargeText text) {
  texts.push_back(std::move(text));
  return texts.back();
}

// Sorted stably with buffers of its own: the library's stable sort and
// merge take theirs past the allocator every allocation goes through.
void DefineTable::addAll(DefineList& batch) {
  // Nothing to merge: the table is not copied for an empty batch.
  if (batch.empty())
    return;
  if (!std::is_sorted(batch.begin(), batch.end(), byName))
    batch = sortedByName(batch);
  if (entries.empty()) {
    entries.swap(batch);
  } else {
    DefineList merged;
    merged.reserve(entries.size() + batch.size());
    // Among equal names, those of `entries` come first: the batch is later.
    std::merge(entries.begin(), entries.end(), batch.begin(), batch.end(),
               std::back_inserter(merged), byName);
    entries.swap(merged);
  }
  keepLastOfEachName(entries);
  batch.clear();
}

bool DefineTable::operator==(const DefineTable& other) const {
  return std::equal(begin(), end(), other.begin(), other.end(),
                    [](const Define& one, const Define& two) {
                      return one.name == two.name && one.value == two.value;
                    });
}
