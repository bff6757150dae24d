#ifndef QUILLBROOK_PAGEDARRAY_H
#define QUILLBROOK_PAGEDARRAY_H

#include <cstddef>
#include <vector>

#include "model/LargeAllocator.h"
#include "platform/Platform.h"

// An array that grows a large page at a time and never moves what it holds.
// A vector copies everything at each doubling, and for the entries of a
// million files those copies touch more memory than the entries themselves.
// The first page grows as a vector does, so a small project's array stays
// small, until LargeAllocator would give it a whole large page anyway.
template <typename T>
class PagedArray {
public:
  std::size_t size() const { return count; }
  T& operator[](std::size_t index) { return pages[index / PageItems][index % PageItems]; }
  const T& operator[](std::size_t index) const {
    return pages[index / PageItems][index % PageItems];
  }

  void push_back(const T& value) {
    if (pages.empty() || pages.back().size() == PageItems)
      pages.emplace_back();
    Page& page = pages.back();
    if (page.size() == page.capacity() && (pages.size() > 1 || page.capacity() >= FloorItems))
      page.reserve(PageItems);
    page.push_back(value);
    ++count;
  }
  // Adds copies of `value` until the array holds `size` items.
  void growTo(std::size_t size, const T& value) {
    while (count < size)
      push_back(value);
  }

private:
  using Page = std::vector<T, LargeAllocator<T>>;
  static_assert(platform::LargePageSize % sizeof(T) == 0, "items must fill a large page");
  static constexpr std::size_t PageItems = platform::LargePageSize / sizeof(T);
  static constexpr std::size_t FloorItems = LargeBlockFloor / sizeof(T);

  std::vector<Page> pages;
  std::size_t count = 0;
};

#endif
