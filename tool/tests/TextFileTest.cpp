#include <gtest/gtest.h>

#include "Errors.h"
#include "TextFile.h"
#include "support/TestFiles.h"

namespace {

std::string copyOf(const std::string& bytes) {
  TempDir dir;
  writeBytes(dir.path() / "t.p_a", bytes);
  std::string copy = "stale";
  EXPECT_TRUE(readTextForCopy(dir.toolPath("t.p_a"), copy));
  return copy;
}

}  // namespace

TEST(TextFile, CopyTurnsLineEndsIntoCrLf) {
  EXPECT_EQ(copyOf("a\nb\r\nc"), "a\r\nb\r\nc");
  EXPECT_EQ(copyOf("a\r\r\n"), "a\r\r\n");
  EXPECT_EQ(copyOf("a\rb\r"), "a\rb\r");
  EXPECT_EQ(copyOf("\n\n"), "\r\n\r\n");
  EXPECT_EQ(copyOf(""), "");
}

TEST(TextFile, CopyStopsAtTheEndOfFileMark) {
  EXPECT_EQ(copyOf("keep\n\x1A" "drop\n"), "keep\r\n");
}

TEST(TextFile, CopyOfMissingFileOrFolderFails) {
  TempDir dir;
  std::string copy;
  EXPECT_FALSE(readTextForCopy(dir.toolPath("none.p_a"), copy));
  EXPECT_FALSE(readTextForCopy(dir.toolPath(), copy));
}

TEST(TextFile, WriterEndsEveryLineInCrLfAndTruncates) {
  TempDir dir;
  writeBytes(dir.path() / "out.prj", "old content that is longer");
  TextFileWriter out(dir.toolPath("out.prj"));
  out.writeLine("first");
  out.writeLine("");
  out.writeBytes("raw\r\n");
  EXPECT_EQ(readBytes(dir.path() / "out.prj"), "first\r\n\r\nraw\r\n");
  out.close();
}

TEST(TextFile, WriterReportsAFileThatCannotBeCreated) {
  TempDir dir;
  try {
    TextFileWriter out(dir.toolPath("missing\\out.prj"));
    FAIL();
  } catch (const IOERROR& error) {
    EXPECT_EQ(error.getCode(), IOERROR::CannotWriteFile);
    EXPECT_EQ(error.getPath(), dir.toolPath("missing\\out.prj"));
  }
}

#ifndef _WIN32
TEST(TextFile, WriterReportsAFailedWrite) {
  // A full device accepts the open and refuses the bytes.
  TextFileWriter out("\\dev\\full");
  try {
    out.writeLine("line");
    FAIL();
  } catch (const IOERROR& error) {
    EXPECT_EQ(error.getCode(), IOERROR::CannotWriteFile);
    EXPECT_EQ(error.getPath(), "\\dev\\full");
  }
}
#endif
