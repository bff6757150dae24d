#include <gtest/gtest.h>

#include <map>
#include <random>
#include <string>
#include <vector>

#include "mcp/FolderNames.h"

// Against a plain map, through names added and asked for in a random order:
// enough names that the table grows many times, names that differ only in
// their last byte or their length, the empty name, names named twice, and
// a name asked for again right after it was added to.
TEST(FolderNames, FindsWhatAMapOfNamesFinds) {
  std::vector<std::string> pool = {"", "Source Files", "Source Files ", "a", "b", "ab", "ba"};
  for (int i = 0; i < 300; ++i)
    pool.push_back("module_" + std::to_string(i));
  std::mt19937 random(5);
  FolderNames names;
  std::map<std::string, std::vector<std::size_t>> model;
  for (std::size_t step = 0; step < 3000; ++step) {
    const std::string& name = pool[random() % pool.size()];
    if (random() % 3 == 0) {
      names.add(name, step);
      model[name].push_back(step);
    }
    for (int again = 0; again < 2; ++again) {
      const std::vector<std::size_t>* found = names.find(name);
      const auto expected = model.find(name);
      if (expected == model.end())
        ASSERT_EQ(found, nullptr) << "step " << step << " name \"" << name << "\"";
      else
        ASSERT_TRUE(found != nullptr && *found == expected->second)
            << "step " << step << " name \"" << name << "\"";
    }
  }
  names.clear();
  EXPECT_EQ(names.find("module_1"), nullptr);
}
