#include <gtest/gtest.h>

#include <cstdint>

#include "model/PagedArray.h"

// Across the first page's growth, past its whole large page and over the
// pages after it, every item reads back, and growTo fills only the gap.
TEST(PagedArray, ItemsReadBackAcrossPages) {
  PagedArray<std::uint64_t> items;
  const std::size_t pageItems = platform::LargePageSize / sizeof(std::uint64_t);
  const std::size_t count = 2 * pageItems + 7;
  for (std::size_t i = 0; i < count; ++i)
    items.push_back(i * 3);
  items.growTo(count + pageItems, 1);
  items.growTo(10, 2);
  ASSERT_EQ(items.size(), count + pageItems);
  for (std::size_t i = 0; i < items.size(); ++i)
    ASSERT_EQ(items[i], i < count ? i * 3 : 1) << "item " << i;
  items[pageItems] = 5;
  EXPECT_EQ(items[pageItems], 5u);
  EXPECT_EQ(items[pageItems - 1], 3 * (pageItems - 1));
}
