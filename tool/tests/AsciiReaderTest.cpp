#include <gtest/gtest.h>

#include "AsciiReader.h"
#include "Errors.h"
#include "support/TestFiles.h"

namespace {

// Every line the reader delivers for a file holding `bytes`.
std::vector<std::string> linesOf(const std::string& bytes) {
  TempDir dir;
  writeBytes(dir.path() / "p.mcp", bytes);
  AsciiReader reader;
  reader.open(dir.toolPath("p.mcp"));
  std::vector<std::string> lines;
  std::string line;
  while (reader.readLine(line))
    lines.push_back(line);
  EXPECT_EQ(line, "");
  reader.close();
  return lines;
}

using Lines = std::vector<std::string>;

}  // namespace

TEST(AsciiReader, DeliversLinesWithTextModeLineEnds) {
  EXPECT_EQ(linesOf("a\r\nb\nc"), (Lines{"a", "b", "c"}));
  EXPECT_EQ(linesOf("a\r\r\n"), (Lines{"a\r"}));
  EXPECT_EQ(linesOf("a\rb\n"), (Lines{"a\rb"}));
  EXPECT_EQ(linesOf("\n\r\n"), (Lines{"", ""}));
  EXPECT_EQ(linesOf("last\r"), (Lines{"last\r"}));
  EXPECT_EQ(linesOf(""), Lines{});
}

TEST(AsciiReader, EndOfFileMarkEndsTheInput) {
  EXPECT_EQ(linesOf("one\r\ntw\x1Ao\r\nthree\r\n"), (Lines{"one", "tw"}));
  EXPECT_EQ(linesOf("one\n\x1Atwo\n"), (Lines{"one"}));
}

TEST(AsciiReader, KeepsReturningFalseAfterTheEnd) {
  TempDir dir;
  writeBytes(dir.path() / "p.mcp", "only");
  AsciiReader reader;
  reader.open(dir.toolPath("p.mcp"));
  std::string line;
  EXPECT_TRUE(reader.readLine(line));
  EXPECT_EQ(line, "only");
  for (int i = 0; i < 3; ++i) {
    line = "stale";
    EXPECT_FALSE(reader.readLine(line));
    EXPECT_EQ(line, "");
  }
}

TEST(AsciiReader, MissingFileOrFolderCannotBeOpened) {
  TempDir dir;
  for (const std::string& path : {dir.toolPath("missing.mcp"), dir.toolPath()}) {
    AsciiReader reader;
    try {
      reader.open(path);
      FAIL() << "opened " << path;
    } catch (const AsciiReaderError& error) {
      EXPECT_EQ(error.code, 2);
    }
    std::string line;
    EXPECT_FALSE(reader.readLine(line));
  }
}
