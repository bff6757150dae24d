#include <gtest/gtest.h>

#include <set>

#include "text/Utf8Text.h"

TEST(Utf8Text, AcceptsWellFormedSequencesOfEveryLength) {
  EXPECT_TRUE(isUtf8(""));
  EXPECT_TRUE(isUtf8("C:\\work\\main.c"));
  EXPECT_TRUE(isUtf8("caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80"));
  EXPECT_TRUE(isUtf8("\xED\x9F\xBF\xEE\x80\x80\xF4\x8F\xBF\xBF"));  // around the surrogates, the top
}

TEST(Utf8Text, RejectsMalformedSequences) {
  for (const std::string bad :
       {"caf\xE9.c", "\x80", "\xC3", "ab\xE2\x82", "\xC0\x80", "\xC1\xBF", "\xE0\x9F\xBF",
        "\xF0\x8F\xBF\xBF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xF5\x80\x80\x80",
        "\xC3\xA9\xFF"})
    EXPECT_FALSE(isUtf8(bad)) << testing::PrintToString(bad);
}

TEST(Utf8Text, Windows1252MapsItsOwnCharactersAndLatin1) {
  EXPECT_EQ(windows1252ToUtf8("main.c"), "main.c");
  EXPECT_EQ(windows1252ToUtf8("caf\xE9"), "caf\xC3\xA9");
  EXPECT_EQ(windows1252ToUtf8("\x80"), "\xE2\x82\xAC");
  EXPECT_EQ(windows1252ToUtf8("\x8A\x9F"), "\xC5\xA0\xC5\xB8");
  EXPECT_EQ(windows1252ToUtf8("\x93q\x94"), "\xE2\x80\x9Cq\xE2\x80\x9D");
  EXPECT_EQ(windows1252ToUtf8("\xA0\xFF"), "\xC2\xA0\xC3\xBF");
}

TEST(Utf8Text, UndefinedWindows1252BytesBecomeTheControlsOfTheSameNumber) {
  EXPECT_EQ(windows1252ToUtf8("\x81\x8D\x8F\x90\x9D"),
            "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D");
}

TEST(Utf8Text, EveryByteBecomesItsOwnWellFormedCharacter) {
  std::set<std::string> seen;
  for (int byte = 0; byte < 256; ++byte) {
    const std::string converted = windows1252ToUtf8(std::string(1, static_cast<char>(byte)));
    EXPECT_TRUE(isUtf8(converted)) << byte;
    seen.insert(converted);
  }
  EXPECT_EQ(seen.size(), 256u);
}
