#include <gtest/gtest.h>

#include <deque>

#include "io/Errors.h"
#include "io/OutputGuard.h"
#include "io/TextFile.h"
#include "support/TestFiles.h"

namespace fs = std::filesystem;

namespace {

std::string copyOf(const std::string& bytes) {
  TempDir dir;
  writeBytes(dir.path() / "t.p_a", bytes);
  std::string copy = "stale";
  EXPECT_TRUE(readTextForCopy(dir.toolPath("t.p_a"), copy));
  return copy;
}

}  // namespace

namespace {

// Each writer here is the only file of a run of its own.
OutputGuard& alone() {
  static std::deque<OutputGuard> guards;
  return guards.emplace_back();
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
  TextFileWriter out(dir.toolPath("out.prj"), alone());
  out.writeLine("first");
  out.writeLine("");
  out.writeBytes("raw\r\n");
  out.flush();
  EXPECT_EQ(readBytes(dir.path() / "out.prj"), "first\r\n\r\nraw\r\n");
  out.close();
}

TEST(TextFile, BufferedLinesReachTheFileOnEveryWayOut) {
  TempDir dir;
  const std::string line(1000, 'x');
  std::string expected;
  {
    TextFileWriter out(dir.toolPath("out.prj"), alone());
    // More than one buffer's worth goes out on its own, whole lines only.
    for (int i = 0; i < 100; ++i) {
      out.writeLine(line);
      expected += line + "\r\n";
    }
    const std::string early = readBytes(dir.path() / "out.prj");
    EXPECT_GT(early.size(), 0u);
    EXPECT_EQ(early, expected.substr(0, early.size()));
    EXPECT_EQ(early.size() % (line.size() + 2), 0u);
    out.writeLine("last");
    expected += "last\r\n";
    // Left open, as when a run stops on an error no flush preceded.
  }
  EXPECT_EQ(readBytes(dir.path() / "out.prj"), expected);

  TextFileWriter out(dir.toolPath("big.prj"), alone());
  out.writeLine("head");
  const std::string block(200000, 'b');
  out.writeBytes(block);
  EXPECT_EQ(readBytes(dir.path() / "big.prj"), "head\r\n" + block);
  out.writeLine("tail");
  out.close();
  EXPECT_EQ(readBytes(dir.path() / "big.prj"), "head\r\n" + block + "tail\r\n");
}

TEST(TextFile, WriterReportsAFileThatCannotBeCreated) {
  TempDir dir;
  try {
    TextFileWriter out(dir.toolPath("missing\\out.prj"), alone());
    FAIL();
  } catch (const IOERROR& error) {
    EXPECT_EQ(error.getCode(), IOERROR::CannotWriteFile);
    EXPECT_EQ(error.getPath(), dir.toolPath("missing\\out.prj"));
  }
}

#ifndef _WIN32
TEST(TextFile, WriterReportsAFailedWrite) {
  // A full device accepts the open and refuses the bytes.
  TextFileWriter out("\\dev\\full", alone());
  try {
    out.writeLine("line");
    out.flush();
    FAIL();
  } catch (const IOERROR& error) {
    EXPECT_EQ(error.getCode(), IOERROR::CannotWriteFile);
    EXPECT_EQ(error.getPath(), "\\dev\\full");
  }
}
#endif

// The last check of every output, made when it is opened: whatever path or
// link leads there (a letter case the file system ignores is one more such
// path), an input or an earlier output keeps its bytes.
TEST(OutputGuard, AFileReachedAnotherWayIsRefusedAndKeepsItsBytes) {
  TempDir dir;
  writeBytes(dir.path() / "input.xml", "the project");
  writeBytes(dir.path() / "earlier.prj", "");
  fs::create_directories(dir.path() / "out");
  const struct {
    std::string name;
    bool link;          // a symbolic link (or else a hard link) made at `path`
    std::string target;
  } cases[] = {
      {"out\\hard.json", false, "input.xml"},
      {"out\\hard.prj", false, "earlier.prj"},
#ifndef _WIN32
      {"out\\soft.json", true, "input.xml"},
      {"out\\soft.prj", true, "earlier.prj"},
#endif
  };
  OutputGuard guard;
  guard.addInput(dir.toolPath("input.xml"), "MPLAB project file");
  guard.addInput(dir.toolPath("missing.p_c"), "compiler personality");
  std::fclose(guard.open(dir.toolPath("earlier.prj")));
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const fs::path path = dir.path() / "out" / c.name.substr(c.name.rfind('\\') + 1);
    if (c.link)
      fs::create_symlink(dir.path() / c.target, path);
    else
      fs::create_hard_link(dir.path() / c.target, path);
    writeBytes(dir.path() / c.target, "kept");
    try {
      std::fclose(guard.open(dir.toolPath(c.name)));
      ADD_FAILURE() << "opened";
    } catch (const IOERROR& error) {
      EXPECT_EQ(error.getCode(), IOERROR::OutputIsInput);
      EXPECT_NE(error.getReason().find(c.target), std::string::npos) << error.getReason();
    }
    EXPECT_EQ(readBytes(dir.path() / c.target), "kept");
  }
  // A file of its own is opened, and emptied.
  writeBytes(dir.path() / "out" / "own.prj", "old");
  std::FILE* own = guard.open(dir.toolPath("out\\own.prj"));
  ASSERT_NE(own, nullptr);
  std::fclose(own);
  EXPECT_EQ(readBytes(dir.path() / "out" / "own.prj"), "");
}
