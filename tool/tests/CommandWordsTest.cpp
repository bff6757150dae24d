#include <gtest/gtest.h>

#include "text/CommandWords.h"

using Words = std::vector<std::string>;

TEST(CommandWords, BlanksOutsideQuotesEndWords) {
  EXPECT_EQ(splitCommandWords("  -g\t-Wall\r-O2  "), (Words{"-g", "-Wall", "-O2"}));
  EXPECT_EQ(splitCommandWords(""), Words{});
  EXPECT_EQ(splitCommandWords(" \t "), Words{});
  // Quotes toggle anywhere in a word and are dropped.
  EXPECT_EQ(splitCommandWords("-I\"C:\\My Files\\inc\" a\"b c\"d"),
            (Words{"-IC:\\My Files\\inc", "ab cd"}));
  EXPECT_EQ(splitCommandWords("\"open to the end"), (Words{"open to the end"}));
}

TEST(CommandWords, AQuoteOpensAWordEvenWhenItStaysEmpty) {
  EXPECT_EQ(splitCommandWords("a \"\" b"), (Words{"a", "", "b"}));
  EXPECT_EQ(splitCommandWords("\"\""), (Words{""}));
  EXPECT_EQ(splitCommandWords("x\"\""), (Words{"x"}));
}

TEST(CommandWords, BackslashRunsBeforeAQuote) {
  // Odd runs escape the quote, which then does not toggle.
  EXPECT_EQ(splitCommandWords("\\\"a b"), (Words{"\"a", "b"}));
  EXPECT_EQ(splitCommandWords("\\\\\\\"a b"), (Words{"\\\"a", "b"}));
  // Even runs are halved and the quote toggles.
  EXPECT_EQ(splitCommandWords("\\\\\"a b\""), (Words{"\\a b"}));
  EXPECT_EQ(splitCommandWords("\"-DNAME=\\\"bench\\\"\" -O2"),
            (Words{"-DNAME=\"bench\"", "-O2"}));
}

TEST(CommandWords, BackslashesElsewhereStayAsTheyAre) {
  EXPECT_EQ(splitCommandWords("C:\\inc\\ \\\\server\\share"),
            (Words{"C:\\inc\\", "\\\\server\\share"}));
  EXPECT_EQ(splitCommandWords("trailing\\\\"), (Words{"trailing\\\\"}));
}

namespace {

struct Found {
  char kind;
  std::string value;
  bool operator==(const Found& other) const {
    return kind == other.kind && value == other.value;
  }
};

std::vector<Found> found(const std::vector<CompilerSwitch>& switches) {
  std::vector<Found> found;
  for (const CompilerSwitch& each : switches)
    found.push_back({each.kind == CompilerSwitch::Definition ? 'D' : 'I', each.value});
  return found;
}

// Both ways of finding switches, which must agree: the one that drops
// unusable words and the one that keeps every word.
std::vector<Found> switchesIn(const std::string& text) {
  const std::vector<Found> kept = found(findCompilerSwitches(splitCommandWords(text)));
  EXPECT_EQ(found(commandLineSwitches(text)), kept) << text;
  return kept;
}

}  // namespace

TEST(CompilerSwitches, DroppingWordsNoSwitchUsesChangesNothing) {
  for (const char* text :
       {"-D -Dx y", "-D", "x -I", "-I -I", "ab -D\"\" v", "\"-\"D x", "-\\\"D x", "D1=A,B -DC",
        "-D \"a b\" c", "-Dx$(y) -Iz", "- D -", "\"\" -D \"\" q", "-DA\\\\\"b c\" d",
        // Dropped words whose quotes hide blanks, or are escaped.
        "ab\\\"c d\" -Dz", "xy\\\\\"c d\" -Dz", "q\"a b\"\\ -Dv", "zz\"\"\" -Dq\" -Dw",
        "\\\\\"-Dq x\" -Dy"})
    switchesIn(text);
}

TEST(CompilerSwitches, DefinitionsAndIncludePathsInOrder) {
  EXPECT_EQ(switchesIn("-g -mno-float -DPIC32=1 -Iinc -DSTICKOS=1 -Os"),
            (std::vector<Found>{{'D', "PIC32=1"}, {'I', "inc"}, {'D', "STICKOS=1"}}));
  // Other words are ignored, lower case and longer words among them.
  EXPECT_TRUE(switchesIn("-d x -i y --D z -Wall /DX").empty());
}

TEST(CompilerSwitches, ABareSwitchTakesTheNextWord) {
  EXPECT_EQ(switchesIn("-D NAME -I \"C:\\a b\" -O2"),
            (std::vector<Found>{{'D', "NAME"}, {'I', "C:\\a b"}}));
  // The taken word is used up, even when it looks like a switch itself.
  EXPECT_EQ(switchesIn("-D -DX"), (std::vector<Found>{{'D', "-DX"}}));
  EXPECT_TRUE(switchesIn("-g -D").empty());
}

TEST(CompilerSwitches, EmptyValuesAndBuildMacrosAreSkipped) {
  EXPECT_EQ(switchesIn("-D \"\" -I\"$(MCC_INCLUDE)\" -DOUT=$(BINDIR_)x -DKEPT"),
            (std::vector<Found>{{'D', "KEPT"}}));
  // An emptied quote leaves a bare switch, which takes the next word.
  EXPECT_EQ(switchesIn("-I\"\" -O2"), (std::vector<Found>{{'I', "-O2"}}));
}
