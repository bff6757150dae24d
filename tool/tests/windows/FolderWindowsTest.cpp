// Folder creation and the existence test on Windows, where the writer hands
// over paths ending in a backslash ("...\output\") and the system's
// already-exists error also covers a file standing in the way.

#include <gtest/gtest.h>

#include "io/Errors.h"
#include "tarn/Directories.h"
#include "platform/Platform.h"
#include "support/TestFiles.h"

namespace fs = std::filesystem;

using platform::MakeDirectoryResult;

TEST(FoldersOnWindows, MakeDirectoryTakesATrailingBackslash) {
  TempDir dir;
  const std::string made = dir.toolPath("made") + "\\";

  EXPECT_EQ(platform::makeDirectory(made), MakeDirectoryResult::Made);
  EXPECT_TRUE(fs::is_directory(dir.path() / "made"));
  EXPECT_TRUE(platform::exists(made));
  EXPECT_TRUE(platform::exists(dir.toolPath("made")));
  EXPECT_EQ(platform::makeDirectory(made), MakeDirectoryResult::AlreadyExists);
  EXPECT_EQ(platform::makeDirectory(dir.toolPath("missing\\child") + "\\"),
            MakeDirectoryResult::Failed);
  EXPECT_FALSE(platform::exists(dir.toolPath("missing")));
}

TEST(FoldersOnWindows, ExistingFoldersAndDriveRootsAreAccepted) {
  TempDir dir;
  fs::create_directories(dir.path() / "out" / "person");
  const std::string root = dir.toolPath().substr(0, 2) + "\\";

  EXPECT_TRUE(platform::exists(root));
  EXPECT_NO_THROW(ensureDirectory(root));
  EXPECT_NO_THROW(ensureDirectory(dir.toolPath("out\\person\\")));
  EXPECT_NO_THROW(ensureDirectory(dir.toolPath("out\\output\\")));
  EXPECT_TRUE(fs::is_directory(dir.path() / "out" / "output"));
}

TEST(FoldersOnWindows, AFileInTheWayIsReportedWithItsComposedPath) {
  TempDir dir;
  writeBytes(dir.path() / "demo", "a file where a folder belongs");
  const std::string file = dir.toolPath("demo");

  // A file passes for the folder itself...
  EXPECT_EQ(platform::makeDirectory(file), MakeDirectoryResult::AlreadyExists);
  EXPECT_NO_THROW(ensureDirectory(file));
  // ...but nothing can be made inside it.
  const std::string output = file + "\\output\\";
  EXPECT_EQ(platform::makeDirectory(output), MakeDirectoryResult::Failed);
  try {
    ensureDirectory(output);
    ADD_FAILURE() << "no IOERROR for " << output;
  } catch (const IOERROR& error) {
    EXPECT_EQ(error.getCode(), IOERROR::CannotCreateDirectory);
    EXPECT_EQ(error.getPath(), output);
  }
}

TEST(FoldersOnWindows, FoldersCannotBeOpenedAsFiles) {
  TempDir dir;
  fs::create_directories(dir.path() / "folder.mcp");
  EXPECT_EQ(platform::openForReading(dir.toolPath("folder.mcp")), nullptr);
  EXPECT_EQ(platform::openForReading(dir.toolPath("folder.mcp") + "\\"), nullptr);
  platform::FileIdentity identity;
  EXPECT_EQ(platform::openForWriting(dir.toolPath("folder.mcp"), identity), nullptr);
}
