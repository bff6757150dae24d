// How command-line paths become absolute on a POSIX host, where the current
// directory is shown with backslashes and there are no drives to change to.
// The Windows rules are tested in the Windows build.

#ifndef _WIN32

#include <gtest/gtest.h>

#include "text/AbsolutePath.h"
#include "platform/Platform.h"
#include "support/TestFiles.h"

namespace fs = std::filesystem;

namespace {

// Runs a test body with `dir` as the current directory.
class InDirectory {
public:
  explicit InDirectory(const fs::path& dir) : previous(fs::current_path()) {
    fs::current_path(dir);
  }
  ~InDirectory() { fs::current_path(previous); }

private:
  fs::path previous;
};

}  // namespace

TEST(AbsolutePath, RootedPathsStayAsWritten) {
  EXPECT_EQ(makeAbsolutePath("\\work\\..\\a.mcp"), "\\work\\..\\a.mcp");
  EXPECT_EQ(makeAbsolutePath("\\\\server\\share\\a.mcp"), "\\\\server\\share\\a.mcp");
  EXPECT_EQ(makeAbsolutePath("C:\\work\\a.mcp"), "C:\\work\\a.mcp");
}

TEST(AbsolutePath, RelativePathsJoinTheCurrentDirectory) {
  TempDir dir;
  InDirectory in(dir.path());
  const std::string current = dir.toolPath();
  EXPECT_EQ(makeAbsolutePath("."), current);
  EXPECT_EQ(makeAbsolutePath("a.mcp"), current + "\\a.mcp");
  EXPECT_EQ(makeAbsolutePath("..\\x\\.\\a.mcp"), current + "\\..\\x\\.\\a.mcp");
  EXPECT_EQ(makeAbsolutePath(""), current + "\\");
  EXPECT_EQ(makeAbsolutePath("./a"), current + "\\./a");
}

TEST(AbsolutePath, DriveRelativePathsFallBackToTheCurrentDirectory) {
  TempDir dir;
  InDirectory in(dir.path());
  const std::string current = dir.toolPath();
  EXPECT_EQ(makeAbsolutePath("D:src\\main.mcp"), current + "\\src\\main.mcp");
  EXPECT_EQ(makeAbsolutePath("D:"), current + "\\");
  EXPECT_EQ(makeAbsolutePath("C:/x"), current + "\\/x");
  EXPECT_EQ(fs::current_path(), dir.path());
}

TEST(AbsolutePath, CurrentDirectoryAtTheRootGivesADoubledBackslash) {
  InDirectory in("/");
  EXPECT_EQ(makeAbsolutePath("a.mcp"), "\\\\a.mcp");
  EXPECT_EQ(makeAbsolutePath("."), "\\");
}

TEST(AbsolutePath, LongCurrentDirectoriesAreReadWhole) {
  TempDir dir;
  fs::path deep = dir.path();
  for (int i = 0; i < 12; ++i)
    deep /= std::string(40, static_cast<char>('a' + i));
  fs::create_directories(deep);
  InDirectory in(deep);
  EXPECT_GT(toolForm(deep).size(), 500u);
  EXPECT_EQ(makeAbsolutePath("x.mcp"), toolForm(deep) + "\\x.mcp");
}

TEST(AbsolutePath, ArgumentsTurnSlashesIntoBackslashes) {
  EXPECT_EQ(platform::pathArgument("/tmp/w/a.mcp"), "\\tmp\\w\\a.mcp");
  EXPECT_EQ(platform::pathArgument("C:\\x/y"), "C:\\x\\y");
}

#endif
