#include <gtest/gtest.h>

#include "support/RunQuillbrook.h"

namespace fs = std::filesystem;

namespace {

const std::string SimpleProject =
    lfLines({"subfolder_src=src", "[FILE_SUBFOLDERS]", "file_000=src", "x", "[FILE_INFO]",
             "file_000=C:\\a.c"});

}  // namespace

TEST(Failure, MissingProjectFileStopsBeforeAnythingIsMade) {
  TempDir dir;
  fs::create_directory(dir.path() / "out");

  const ProcessResult result =
      runQuillbrook({"missing.mcp", "out", "-cp", "none.p_c"}, dir.path());

  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(result.output, lfLines({"Could not open file: " + dir.toolPath("none.p_c"),
                                    "Could not open file: " + dir.toolPath("missing.mcp")}));
  EXPECT_TRUE(fs::is_empty(dir.path() / "out"));
}

TEST(Failure, ProjectFileThatIsAFolderCannotBeOpened) {
  TempDir dir;
  fs::create_directories(dir.path() / "folder.mcp");
  writeBytes(dir.path() / "c.p_c", "");
  const ProcessResult result = runQuillbrook({"folder.mcp", ".", "-cp", "c.p_c"}, dir.path());
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(result.output, lfLines({"Could not open file: " + dir.toolPath("folder.mcp")}));
}

TEST(Failure, MissingDestinationCannotTakeTheProjectFile) {
  TempDir dir;
  writeBytes(dir.path() / "demo.mcp", SimpleProject);
  writeBytes(dir.path() / "c.p_c", "");

  const ProcessResult result =
      runQuillbrook({"demo.mcp", "nowhere", "-cp", "c.p_c", "-pn", "x"}, dir.path());

  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(result.output, lfLines({"Could not write file: " + dir.toolPath("nowhere\\x.prj")}));
  EXPECT_FALSE(fs::exists(dir.path() / "nowhere"));
}

TEST(Failure, FileInTheWayOfAGroupFolder) {
  TempDir dir;
  writeBytes(dir.path() / "demo.mcp", SimpleProject);
  writeBytes(dir.path() / "out" / "demo" / "src", "a file where a folder belongs");

  const ProcessResult result = runQuillbrook({"demo.mcp", "out"}, dir.path());

  EXPECT_EQ(result.exitCode, 1);
  const std::string output = result.output;
  EXPECT_NE(output.find("  Creating Group - demo\n"), std::string::npos);
  EXPECT_NE(output.find("\nCould not create directory: " + dir.toolPath("out\\demo\\src") +
                        "\\output\\\n"),
            std::string::npos);
  EXPECT_EQ(output.find("Completed"), std::string::npos);
  // What was written before the failure stays, line by line.
  const std::string prj = readBytes(dir.path() / "out" / "demo.prj");
  const std::string tail = "EndContainedFilesMarker\r\nStartSubProjectMarker\r\n";
  ASSERT_GT(prj.size(), tail.size());
  EXPECT_EQ(prj.substr(prj.size() - tail.size()), tail);
}

TEST(Failure, FileInTheWayOfThePersonalityFolder) {
  TempDir dir;
  writeBytes(dir.path() / "demo.mcp", SimpleProject);
  writeBytes(dir.path() / "out" / "person", "a file where the folder belongs");

  const ProcessResult result = runQuillbrook({"demo.mcp", "out"}, dir.path());

  EXPECT_EQ(result.exitCode, 1);
  // Anything at the folder's path passes for the folder; the file inside
  // it is what cannot be made.
  EXPECT_NE(result.output.find("\nCould not write file: " +
                               dir.toolPath("out\\person\\demo.p_s") + "\n"),
            std::string::npos);
}

TEST(Failure, UnreadableAnalyserTemplateIsANoticePerCopy) {
  TempDir dir;
  writeBytes(dir.path() / "demo.mcp", "dir_inc=C:\\inc\n" + SimpleProject);
  fs::create_directory(dir.path() / "out");

  const ProcessResult result = runQuillbrook({"demo.mcp", "out", "-ap", "gone.p_a"}, dir.path());

  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.output,
            lfLines({"Could not open file: ", "Creating Tarn/Tarn++ Project ...",
                     "  Creating Group - demo",
                     "  Creating Analyser Personality - " +
                         dir.toolPath("out\\demo\\person\\demo.p_a"),
                     "Couldnt open file", "  Creating Group - src",
                     "Tarn/Tarn++ Project Completed!"}));
  EXPECT_EQ(readBytes(dir.path() / "out" / "demo" / "person" / "demo.p_a"),
            crlfLines({"-i \"C:\\inc\""}));
}

TEST(Failure, OptionWordAsLastArgumentEndsSilently) {
  TempDir dir;
  const ProcessResult result = runQuillbrook({"demo.mcp", "out", "-ext"}, dir.path());
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(result.output, "");
}
