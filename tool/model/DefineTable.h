#ifndef QUILLBROOK_DEFINETABLE_H
#define QUILLBROOK_DEFINETABLE_H

#include <cstddef>
#include <deque>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "model/LargeAllocator.h"

// One macro definition: its name and its value, empty for none.
struct Define {
  std::string_view name;
  std::string_view value;
};

// Definitions in the order given; a generated value can hold a million.
using DefineList = std::vector<Define, LargeAllocator<Define>>;

// A group's macro definitions, sorted by name, one per name: a later
// definition of a name replaces the earlier one. A value of tens of
// megabytes can hold a million definitions, so the table keeps views into
// texts it owns (a whole line handed over, or a copy of a small pair)
// instead of two strings per definition.
class DefineTable {
public:
  DefineTable() = default;
  DefineTable(std::initializer_list<std::pair<std::string_view, std::string_view>> list);

  DefineTable(DefineTable&&) = default;
  DefineTable& operator=(DefineTable&&) = default;
  DefineTable(const DefineTable&) = delete;
  DefineTable& operator=(const DefineTable&) = delete;

  // Copies the name and the value.
  void set(std::string_view name, std::string_view value);
  // Keeps `text` for as long as the table lives; the views of addAll may
  // point into what this returns.
  LargeText& keep(LargeText text);
  // Adds `batch`, in order, as if by set() one by one, without copying the
  // texts: they must be kept by the table or outlive it. `batch` is
  // reordered.
  void addAll(DefineList& batch);

  bool empty() const { return entries.empty(); }
  std::size_t size() const { return entries.size(); }
  DefineList::const_iterator begin() const { return entries.begin(); }
  DefineList::const_iterator end() const { return entries.end(); }

  bool operator==(const DefineTable& other) const;

private:
  DefineList entries;
  // A deque, so a kept text never moves, short ones included.
  std::deque<LargeText> texts;
};

#endif
