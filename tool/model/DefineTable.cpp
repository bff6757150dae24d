#include "model/DefineTable.h"

#include <algorithm>
#include <iterator>

namespace {

bool byName(const Define& one, const Define& other) {
  return one.name < other.name;
}

// Of each run of equal names in sorted `defines` the last is kept: the
// latest definition.
void keepLastOfEachName(std::vector<Define>& defines) {
  std::size_t kept = 0;
  for (std::size_t i = 0; i < defines.size(); ++i) {
    if (i + 1 < defines.size() && defines[i + 1].name == defines[i].name)
      continue;
    defines[kept++] = defines[i];
  }
  defines.resize(kept);
}

}  // namespace

DefineTable::DefineTable(
    std::initializer_list<std::pair<std::string_view, std::string_view>> list) {
  for (const auto& [name, value] : list)
    set(name, value);
}

void DefineTable::set(std::string_view name, std::string_view value) {
  std::string text;
  text.reserve(name.size() + value.size());
  text.append(name).append(value);
  const std::string_view kept = keep(std::move(text));
  std::vector<Define> one{Define{kept.substr(0, name.size()), kept.substr(name.size())}};
  addAll(one);
}

std::string& DefineTable::keep(std::string text) {
  texts.push_back(std::move(text));
  return texts.back();
}

void DefineTable::addAll(std::vector<Define>& batch) {
  // Stable throughout, so among equal names the later stands later. A
  // sorted batch (the usual one) needs no sorting buffer.
  if (!std::is_sorted(batch.begin(), batch.end(), byName))
    std::stable_sort(batch.begin(), batch.end(), byName);
  const std::size_t before = entries.size();
  if (before == 0) {
    entries.swap(batch);
  } else {
    entries.insert(entries.end(), batch.begin(), batch.end());
    std::inplace_merge(entries.begin(), entries.begin() + static_cast<std::ptrdiff_t>(before),
                       entries.end(), byName);
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
