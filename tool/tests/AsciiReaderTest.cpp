#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "mcp/AsciiReader.h"
#include "io/Errors.h"
#include "support/TestFiles.h"

namespace {

// Every line the reader delivers for a file holding `bytes`; with `taken`
// as views each handed over by takeLine.
std::vector<std::string> linesOf(const std::string& bytes,
                                 std::size_t blockSize = AsciiReader::DefaultBlockSize,
                                 bool taken = false) {
  TempDir dir;
  writeBytes(dir.path() / "p.mcp", bytes);
  AsciiReader reader(blockSize);
  reader.open(dir.toolPath("p.mcp"));
  std::vector<std::string> lines;
  std::string_view line;
  while (reader.readLine(line)) {
    if (taken)
      lines.emplace_back(std::string_view(reader.takeLine(line)));
    else
      lines.emplace_back(line);
  }
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

TEST(AsciiReader, BlockEdgesChangeNoLine) {
  // Every block size from one byte up puts each edge of these inputs at a
  // block boundary once: a CR ending one block with the LF starting the
  // next, 0x1A as the first or last byte of a block, lines longer than a
  // block, a CR as the very last byte.
  const std::vector<std::pair<std::string, Lines>> cases = {
      {"abc\r\ndef\r\n", {"abc", "def"}},
      {"ab\r\r\nx\r\r\n", {"ab\r", "x\r"}},
      {"a\rb\r\rc\n\r", {"a\rb\r\rc", "\r"}},
      {"a line longer than any block\r\nnext", {"a line longer than any block", "next"}},
      {"abcd\x1A\r\nlost\r\n", {"abcd"}},
      {"abc\n\x1Alost\n", {"abc"}},
      {"ab\r\x1A\n", {"ab\r"}},
      {"\n\n\r\n", {"", "", ""}},
      {"long line, short line\nx\nanother long line\n", {"long line, short line", "x", "another long line"}},
  };
  for (const auto& [bytes, expected] : cases) {
    for (std::size_t size = 1; size <= bytes.size() + 1; ++size) {
      EXPECT_EQ(linesOf(bytes, size), expected) << "block size " << size;
      EXPECT_EQ(linesOf(bytes, size, true), expected) << "taken, block size " << size;
    }
  }
}

TEST(AsciiReader, KeepsReturningFalseAfterTheEnd) {
  TempDir dir;
  writeBytes(dir.path() / "p.mcp", "only");
  AsciiReader reader;
  reader.open(dir.toolPath("p.mcp"));
  std::string_view line;
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
    std::string_view line;
    EXPECT_FALSE(reader.readLine(line));
  }
}
