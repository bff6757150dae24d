// "--configurations PROJECT": the names the wizard offers must be the
// <conf name=...> list of the project, in file order, whichever way the
// project is named; an .mcp has none; anything else fails as a project file.

#include <gtest/gtest.h>

#include <regex>

#include "support/RunQuillbrook.h"

namespace fs = std::filesystem;

namespace {

// The names as the file spells them, read without an XML parser.
std::string confNameLines(const fs::path& configurations) {
  const std::string text = readBytes(configurations);
  const std::regex conf("<conf\\s+name=\"([^\"]*)\"");
  std::string lines;
  for (auto it = std::sregex_iterator(text.begin(), text.end(), conf); it != std::sregex_iterator();
       ++it)
    lines += (*it)[1].str() + "\n";
  return lines;
}

}  // namespace

TEST(Configurations, SharedMplabXProjectsListTheirConfNamesByFolderAndByFile) {
  const fs::path projects = fs::path(MPLABX_DIR) / "projects";
  if (!fs::is_directory(projects))
    GTEST_SKIP() << "no MPLAB X projects at " << projects.string();
  TempDir dir;
  int seen = 0;
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(projects)) {
    const fs::path file = entry.path();
    if (file.filename() != "configurations.xml" || file.parent_path().filename() != "nbproject")
      continue;
    const std::string expected = confNameLines(file);
    ASSERT_FALSE(expected.empty()) << file.string();
    for (const fs::path& named : {file.parent_path().parent_path(), file}) {
      const ProcessResult result = runQuillbrook({"--configurations", arg(named)}, dir.path());
      EXPECT_EQ(result.exitCode, 0) << named.string() << "\n" << result.errors;
      EXPECT_EQ(result.output, expected) << named.string();
    }
    ++seen;
  }
  EXPECT_GE(seen, 8);
  EXPECT_TRUE(listTree(dir.path()).empty());
}

TEST(Configurations, McpListsNothingAndOtherPathsFailAsProjectFiles) {
  TempDir dir;
  fs::create_directories(dir.path() / "empty.X" / "nbproject");
  writeBytes(dir.path() / "empty.X" / "nbproject" / "configurations.xml",
             "<configurationDescriptor><confs/></configurationDescriptor>");
  writeBytes(dir.path() / "notes.txt", "[HEADER]\n");
  struct Case {
    std::string project;
    int exitCode;
    // Standard output; for a failure, the path after "Could not open file: ".
    std::string output;
    std::string errorWords;
  };
  const fs::path motor = fs::path(EXAMPLES_DIR) / "motor" / "motor.mcp";
  const std::string emptyXml = toolForm(dir.path() / "empty.X" / "nbproject" / "configurations.xml");
  const Case cases[] = {
      {arg(motor), 0, "", ""},
      {"missing.mcp", 1, dir.toolPath("missing.mcp"), "cannot open the project file"},
      {"notes.txt", 1, dir.toolPath("notes.txt"), "nor an .mcp file"},
      {arg(dir.path()), 1, dir.toolPath(), "cannot open the project file"},
      {"empty.X", 1, emptyXml, "lists no configuration"},
  };
  for (const Case& c : cases) {
    const ProcessResult result = runQuillbrook({"--configurations", c.project}, dir.path());
    EXPECT_EQ(result.exitCode, c.exitCode) << c.project;
    const std::string output = c.exitCode == 0 ? c.output : "Could not open file: " + c.output + "\n";
    EXPECT_EQ(result.output, output) << c.project;
    EXPECT_NE(result.errors.find(c.errorWords), std::string::npos) << c.project << ": " << result.errors;
  }
  const ProcessResult bare = runQuillbrook({"--configurations"}, dir.path());
  EXPECT_EQ(bare.exitCode, 1);
  EXPECT_NE(bare.errors.find("\"--configurations\" has no value"), std::string::npos);
}
