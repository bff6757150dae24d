#include <gtest/gtest.h>

#include <algorithm>

#include "text/TextOps.h"

TEST(TextOps, TrimCharRemovesOnlyOuterRuns) {
  EXPECT_EQ(trimChar("\"\"value\"\"", '"'), "value");
  EXPECT_EQ(trimChar("\"a\"b\"", '"'), "a\"b");
  EXPECT_EQ(trimChar("\"\"\"", '"'), "");
  EXPECT_EQ(trimChar("", '"'), "");
  EXPECT_EQ(trimChar("plain", '"'), "plain");
}

TEST(TextOps, ReplaceAllCoversStartMiddleEndAndAdjacentOccurrences) {
  std::string text = "&quot;a&quot;b&quot;";
  replaceAll(text, "&quot;", "\"");
  EXPECT_EQ(text, "\"a\"b\"");

  std::string adjacent = "%22%22x";
  replaceAll(adjacent, "%22", "\"");
  EXPECT_EQ(adjacent, "\"\"x");
}

TEST(TextOps, ReplaceAllNeverSearchesInsertedText) {
  std::string text = "aa";
  replaceAll(text, "a", "aa");
  EXPECT_EQ(text, "aaaa");

  // Occurrences do not overlap, and text an insertion completes is not
  // searched either.
  std::string overlapping = "aaa";
  replaceAll(overlapping, "aa", "b");
  EXPECT_EQ(overlapping, "ba");
  std::string completing = "&&quot;quot;";
  replaceAll(completing, "&quot;", "");
  EXPECT_EQ(completing, "&quot;");
}

TEST(TextOps, ReplaceAllWithAnEmptyPatternOrNoMatchKeepsTheText) {
  std::string text = "a&quot";
  replaceAll(text, "", "x");
  EXPECT_EQ(text, "a&quot");
  replaceAll(text, "&quot;", "\"");
  EXPECT_EQ(text, "a&quot");
}

TEST(TextOps, CollapseAllInPlaceGivesWhatReplacedAllGives) {
  for (const char* text : {"", "&quot;", "&quot;&quot;a&quot;", "x&quot", "&&quot;quot;", "plain"}) {
    std::string bytes = text;
    bytes.resize(collapseAll(bytes.data(), bytes.size(), "&quot;", '"'));
    EXPECT_EQ(bytes, replacedAll(text, "&quot;", "\"")) << text;
  }
}

TEST(TextOps, ToUpperAsciiTouchesOnlyAsciiLetters) {
  EXPECT_EQ(toUpperAscii("c"), "C");
  EXPECT_EQ(toUpperAscii("asm_1.x-Z"), "ASM_1.X-Z");
  EXPECT_EQ(toUpperAscii("\xf6\xe4z"), "\xf6\xe4Z");
}

TEST(TextOps, SplitAllKeepsEmptyPieces) {
  EXPECT_EQ(splitAll("", ';'), (std::vector<std::string>{""}));
  EXPECT_EQ(splitAll("a;;b;", ';'), (std::vector<std::string>{"a", "", "b", ""}));
  EXPECT_EQ(splitAll("one", ';'), (std::vector<std::string>{"one"}));
}

// Lengths around the blocks the compiler may test at once, with the byte
// counted at the ends, in runs, and beside bytes above 0x7F.
TEST(TextOps, CountOfAgreesWithAByteByByteCountAtEveryLength) {
  const std::string pattern = ",a,,\xFF,b\x80,,,c";
  for (std::size_t length = 0; length < 200; ++length) {
    std::string text;
    for (std::size_t i = 0; i < length; ++i)
      text += pattern[(i * 7 + length) % pattern.size()];
    const auto expected = std::count(text.begin(), text.end(), ',');
    EXPECT_EQ(countOf(text, ','), static_cast<std::size_t>(expected)) << "length " << length;
  }
}
