// How command-line paths become absolute on Windows, where every drive keeps
// its own current directory. The tests use two drives: the temporary folder
// (C: under Wine) and the build folder (Z: under Wine, the Linux root).

#include <gtest/gtest.h>

#include <windows.h>

#include "text/AbsolutePath.h"
#include "DriveState.h"
#include "support/TestFiles.h"

namespace fs = std::filesystem;

namespace {

std::string driveOf(const std::string& path) {
  return path.substr(0, 2);
}

class AbsolutePathOnWindows : public ::testing::Test {
protected:
  void SetUp() override {
    const std::string test = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    otherRoot = fs::path(SCRATCH_DIR) / (test + "-" + std::to_string(GetCurrentProcessId()));
    fs::create_directories(otherRoot / "own");
    home = homeDir.toolPath();
    other = toolForm(otherRoot / "own");
    if (driveOf(home) == driveOf(other))
      GTEST_SKIP() << "the build folder must be on another drive than " << home;
    drives.enter(home);
    ASSERT_EQ(systemCurrentDirectory(), home);
  }

  void TearDown() override {
    drives.enter(home);
    std::error_code ignored;
    fs::remove_all(otherRoot, ignored);
  }

  TempDir homeDir;
  fs::path otherRoot;
  DriveState drives;
  // The current directory, and a folder on another drive.
  std::string home;
  std::string other;
};

}  // namespace

TEST_F(AbsolutePathOnWindows, RootedPathsStayAsWritten) {
  for (const std::string path : {"C:\\x", "z:\\work\\..\\a.mcp", "\\x", "\\\\server\\share\\a.mcp"})
    EXPECT_EQ(makeAbsolutePath(path), path);
  EXPECT_EQ(systemCurrentDirectory(), home);
}

TEST_F(AbsolutePathOnWindows, RelativePathsJoinTheCurrentDirectoryWithOneBackslash) {
  EXPECT_EQ(makeAbsolutePath("."), home);
  EXPECT_EQ(makeAbsolutePath("a.mcp"), home + "\\a.mcp");
  EXPECT_EQ(makeAbsolutePath("..\\x\\.\\a.mcp"), home + "\\..\\x\\.\\a.mcp");
  EXPECT_EQ(makeAbsolutePath("src/a.mcp"), home + "\\src/a.mcp");
  EXPECT_EQ(makeAbsolutePath(""), home + "\\");
}

TEST_F(AbsolutePathOnWindows, DriveRelativePathUsesThatDrivesOwnDirectory) {
  const std::string drive = driveOf(other);
  const std::string lowerDrive = std::string(1, static_cast<char>(drive[0] - 'A' + 'a')) + ":";
  drives.setDriveDirectory(driveOf(home), home);
  drives.setDriveDirectory(drive, other);

  EXPECT_EQ(makeAbsolutePath(drive + "sub\\a.mcp"), other + "\\sub\\a.mcp");
  EXPECT_EQ(systemCurrentDirectory(), home);
  EXPECT_EQ(makeAbsolutePath(lowerDrive + "sub\\a.mcp"), other + "\\sub\\a.mcp");
  EXPECT_EQ(makeAbsolutePath(drive), other + "\\");
  EXPECT_EQ(systemCurrentDirectory(), home);
}

// Without "=C:" the system would bring C: back at its root, so only making
// the remembered directory itself current again keeps later arguments right.
TEST_F(AbsolutePathOnWindows, TheRememberedDirectoryIsCurrentAgainWithoutItsDriveVariable) {
  const std::string drive = driveOf(other);
  drives.forgetDriveDirectory(driveOf(home));
  drives.setDriveDirectory(drive, other);

  EXPECT_EQ(makeAbsolutePath(drive + "a.mcp"), other + "\\a.mcp");
  EXPECT_EQ(systemCurrentDirectory(), home);
  EXPECT_EQ(makeAbsolutePath("out"), home + "\\out");
}

TEST_F(AbsolutePathOnWindows, CurrentDriveWithAForwardSlashIsDriveRelative) {
  const std::string drive = driveOf(home);
  EXPECT_EQ(makeAbsolutePath(drive + "/x"), home + "\\/x");
  EXPECT_EQ(makeAbsolutePath(drive + "x/y"), home + "\\x/y");
  EXPECT_EQ(systemCurrentDirectory(), home);
}

TEST_F(AbsolutePathOnWindows, ADriveThatCannotBeMadeCurrentFallsBackToTheCurrentDirectory) {
  const char unused = unusedDriveLetter();
  ASSERT_NE(unused, '\0');
  EXPECT_EQ(makeAbsolutePath(std::string(1, unused) + ":sub\\a.mcp"), home + "\\sub\\a.mcp");
  // Not a drive letter at all: never handed to the system.
  EXPECT_EQ(makeAbsolutePath("1:a.mcp"), home + "\\a.mcp");
  EXPECT_EQ(makeAbsolutePath("?:"), home + "\\");
  EXPECT_EQ(systemCurrentDirectory(), home);
}

TEST_F(AbsolutePathOnWindows, CurrentDirectoryAtADriveRootGivesADoubledBackslash) {
  const std::string root = driveOf(home) + "\\";
  drives.enter(root);
  EXPECT_EQ(makeAbsolutePath("a.mcp"), driveOf(home) + "\\\\a.mcp");
  EXPECT_EQ(makeAbsolutePath("."), root);

  drives.setDriveDirectory(driveOf(other), driveOf(other) + "\\");
  EXPECT_EQ(makeAbsolutePath(driveOf(other) + "a.mcp"), driveOf(other) + "\\\\a.mcp");
  EXPECT_EQ(systemCurrentDirectory(), root);
}
