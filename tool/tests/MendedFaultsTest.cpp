// Behaviour where the tool deliberately does better than "carry on": write
// failures stop the run and project content cannot reach outside the
// destination. UserFilesTest holds the mends that keep the user's files.

#include <gtest/gtest.h>

#include "support/RunQuillbrook.h"

namespace fs = std::filesystem;

namespace {

const std::string ProjectWithSettings =
    lfLines({"dir_inc=C:\\inc", "subfolder_src=src", "[FILE_SUBFOLDERS]", "file_000=src", "x",
             "[FILE_INFO]", "file_000=C:\\a.c"});

}  // namespace

#ifndef _WIN32
// A full device accepts the open and refuses the bytes, as a full disk does.
TEST(MendedFaults, FailedWritesStopTheRun) {
  for (const std::string target : {"demo.prj", "demo/person/demo.p_a"}) {
    SCOPED_TRACE(target);
    TempDir dir;
    writeBytes(dir.path() / "demo.mcp", ProjectWithSettings);
    fs::create_directories(dir.path() / "out" / "demo" / "person");
    fs::create_symlink("/dev/full", dir.path() / "out" / target);

    const ProcessResult result = runQuillbrook({"demo.mcp", "out"}, dir.path());

    EXPECT_EQ(result.exitCode, 1);
    const std::string expected = "Could not write file: " + toolForm(dir.path() / "out" / target);
    EXPECT_EQ(result.output.substr(result.output.rfind('\n', result.output.size() - 2) + 1),
              expected + "\n");
    EXPECT_EQ(result.output.find("Completed"), std::string::npos);
  }
}
#endif

TEST(MendedFaults, DefaultMessagePersonalityThatCannotBeCreated) {
  TempDir dir;
  writeBytes(dir.path() / "demo.mcp", ProjectWithSettings);
  fs::create_directories(dir.path() / "out" / "person" / "demo.p_s");

  const ProcessResult result = runQuillbrook({"demo.mcp", "out"}, dir.path());

  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(result.output,
            lfLines({"Could not open file: ", "Creating Tarn/Tarn++ Project ...",
                     "  Creating Group - demo",
                     "Could not write file: " + dir.toolPath("out\\person\\demo.p_s")}));
}

TEST(MendedFaults, ParentComponentsInGroupNamesAreRefused) {
  for (const std::string name : {"..", "..\\escape", "a/../../escape", "a\\..", "x/.."}) {
    SCOPED_TRACE(name);
    TempDir dir;
    writeBytes(dir.path() / "demo.mcp", lfLines({"subfolder_src=" + name}));
    fs::create_directory(dir.path() / "out");

    const ProcessResult result = runQuillbrook({"demo.mcp", "out"}, dir.path());

    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.output.substr(result.output.find("\nCould not") + 1),
              "Could not create directory: " + dir.toolPath("out\\demo") + "\\" + name + "\n");
    EXPECT_FALSE(fs::exists(dir.path() / "escape"));
    EXPECT_FALSE(fs::exists(dir.path() / "out" / "demo" / "a"));
    EXPECT_FALSE(fs::exists(dir.path() / "out" / "demo" / "x"));
  }
}

TEST(MendedFaults, DotsInsideNamesAreOrdinaryCharacters) {
  TempDir dir;
  writeBytes(dir.path() / "demo.mcp", lfLines({"subfolder_src=..hidden;v1..2\\a"}));
  fs::create_directory(dir.path() / "out");
  const ProcessResult result = runQuillbrook({"demo.mcp", "out"}, dir.path());
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_TRUE(fs::is_directory(dir.path() / "out" / "demo" / "..hidden" / "output"));
  EXPECT_TRUE(fs::is_directory(dir.path() / "out" / "demo" / "v1..2" / "a" / "person"));
}
