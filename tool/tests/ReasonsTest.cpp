// Every failure line on standard output comes with one line on standard
// error that says what failed, on which path in the host's own form, and
// why; standard output stays as it was.

#include <gtest/gtest.h>

#include <functional>

#include "platform/Platform.h"
#include "support/RunQuillbrook.h"

#ifndef _WIN32
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace {

const std::string Project =
    lfLines({"[HEADER]", "[PATH_INFO]", "subfolder_src=src", "[FILE_SUBFOLDERS]", "file_000=src", "[FILE_INFO]",
             "file_000=C:\\a.c"});

std::string lastLine(const std::string& text) {
  const std::string::size_type start = text.rfind('\n', text.size() - 2);
  return text.substr(start == std::string::npos ? 0 : start + 1);
}

struct Case {
  std::string name;
  std::function<void(const fs::path&)> prepare;
  std::vector<std::string> arguments;
  // Below the test folder, in tool form.
  std::string failedPath;
  std::string outputPrefix;
  std::string reasonPrefix;
  std::string reason;
};

}  // namespace

TEST(Reasons, EachFailureSaysWhyOnStandardError) {
  const auto none = [](const fs::path&) {};
  const std::vector<Case> cases = {
      {"missing destination", none, {"demo.mcp", "nowhere", "-cp", "c.p_c"},
       "nowhere\\demo.prj", "Could not write file: ", "cannot write file ",
       "No such file or directory"},
      {"missing project file", none, {"gone.mcp", "out", "-cp", "c.p_c"}, "gone.mcp",
       "Could not open file: ", "cannot open the project file ", "No such file or directory"},
      {"project file that is a folder",
       [](const fs::path& dir) { fs::create_directory(dir / "folder.mcp"); },
       {"folder.mcp", "out", "-cp", "c.p_c"}, "folder.mcp", "Could not open file: ",
       "cannot open the project file ",
#ifdef _WIN32
       "Permission denied"},
#else
       "Is a directory"},
#endif
      {"output is an input", none, {"demo.mcp", "out", "-cp", "c.p_c", "-cdb", "c.p_c"},
       "c.p_c", "Could not write file: ", "cannot write file ",
       "as the compilation database (-cdb) it would replace the compiler personality (-cp) "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempDir dir;
    writeBytes(dir.path() / "demo.mcp", Project);
    writeBytes(dir.path() / "c.p_c", "compiler\r\n");
    fs::create_directory(dir.path() / "out");
    c.prepare(dir.path());

    const ProcessResult result = runQuillbrook(c.arguments, dir.path());

    EXPECT_EQ(result.exitCode, 1);
    const std::string path = dir.toolPath(c.failedPath);
    EXPECT_EQ(lastLine(result.output), c.outputPrefix + path + "\n");
    EXPECT_EQ(lastLine(result.errors).rfind("Quillbrook: error: " + c.reasonPrefix +
                                                platform::hostPath(path) + ": " + c.reason,
                                            0),
              0u)
        << result.errors;
  }
}

TEST(Reasons, OutputThatIsAnInputNamesBothPaths) {
  TempDir dir;
  writeBytes(dir.path() / "demo.mcp", Project);
  writeBytes(dir.path() / "c.p_c", "compiler\r\n");
  fs::create_directory(dir.path() / "out");
  const ProcessResult result = runQuillbrook(
      {"demo.mcp", "out", "-pn", "P", "-cp", "out\\P.prj", "-cdb", "out\\\\.\\P.prj"},
      dir.path());
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(lastLine(result.output), "Could not write file: " + dir.toolPath("out\\P.prj") + "\n");
  EXPECT_EQ(lastLine(result.errors),
            "Quillbrook: error: cannot write file " + platform::hostPath(dir.toolPath("out\\P.prj")) +
                ": as the project file it would replace the compiler personality (-cp) " +
                platform::hostPath(dir.toolPath("out\\P.prj")) +
                ", an input of this run; nothing was made, choose another destination, name or "
                "path\n");
}

TEST(Reasons, AMissingTemplateIsNamedWithItsReason) {
  TempDir dir;
  writeBytes(dir.path() / "demo.mcp", "dir_inc=C:\\inc\n" + Project);
  writeBytes(dir.path() / "c.p_c", "");
  fs::create_directory(dir.path() / "out");
  const ProcessResult result =
      runQuillbrook({"demo.mcp", "out", "-cp", "c.p_c", "-ap", "gone.p_a"}, dir.path());
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_NE(result.output.find("\nCouldnt open file\n"), std::string::npos);
  EXPECT_EQ(result.errors, "Quillbrook: warning: could not read the template analyser "
                           "personality " +
                               platform::hostPath(dir.toolPath("gone.p_a")) +
                               ": No such file or directory\n");
}

#ifndef _WIN32
// Permissions do not hold back root, which CI runs as: root is refused by
// /sys instead, which takes no new files (refused, or mounted read-only).
TEST(Reasons, AReadOnlyDestinationIsNamed) {
  const bool root = geteuid() == 0;
  if (root && !fs::is_directory("/sys"))
    GTEST_SKIP() << "running as root without /sys: no folder refuses a new file";
  TempDir dir;
  writeBytes(dir.path() / "demo.mcp", Project);
  writeBytes(dir.path() / "c.p_c", "");
  fs::create_directory(dir.path() / "out");
  fs::permissions(dir.path() / "out", fs::perms::owner_read | fs::perms::owner_exec);
  const fs::path out = root ? fs::path("/sys") : dir.path() / "out";
  const ProcessResult result = runQuillbrook({"demo.mcp", arg(out), "-cp", "c.p_c"}, dir.path());
  fs::permissions(dir.path() / "out", fs::perms::owner_all);
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(result.output, lfLines({"Could not write file: " + toolForm(out / "demo.prj")}));
  const std::string prefix = "Quillbrook: error: cannot write file " + (out / "demo.prj").string();
  EXPECT_TRUE(result.errors == prefix + ": Permission denied\n" ||
              (root && result.errors == prefix + ": Read-only file system\n"))
      << result.errors;
}

// A file standing where a group folder belongs.
TEST(Reasons, AFolderThatCannotBeMadeIsNamed) {
  TempDir dir;
  writeBytes(dir.path() / "demo.mcp", Project);
  writeBytes(dir.path() / "c.p_c", "");
  writeBytes(dir.path() / "out" / "demo" / "src", "in the way");
  const ProcessResult result = runQuillbrook({"demo.mcp", "out", "-cp", "c.p_c"}, dir.path());
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(lastLine(result.output),
            "Could not create directory: " + dir.toolPath("out\\demo\\src") + "\\output\\\n");
  EXPECT_EQ(result.errors, "Quillbrook: error: cannot create folder " +
                               (dir.path() / "out" / "demo" / "src").string() +
                               "/output/: Not a directory\n");
}
#endif
