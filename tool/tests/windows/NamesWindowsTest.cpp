// Names Windows cannot hold, in a run: a device name or a trailing dot or
// blank in anything the run would create stops it before anything is made,
// with the usual failure line and the rule on standard error.

#include <gtest/gtest.h>

#include "support/RunQuillbrook.h"

namespace fs = std::filesystem;

TEST(NamesOnWindows, NamesWindowsCannotHoldStopTheRunBeforeAnythingIsMade) {
  struct Case {
    std::vector<std::string> options;
    std::string folder;  // the group folder names in the project
    std::string line;    // below the test folder
  };
  const std::vector<Case> cases = {
      {{"-pn", "NUL"}, "src", "Could not write file: out\\NUL.prj"},
      {{"-pn", "nul.x"}, "src", "Could not write file: out\\nul.x.prj"},
      {{}, "aux", "Could not create directory: out\\demo\\aux"},
      {{}, "CON", "Could not create directory: out\\demo\\CON"},
      {{}, "COM1", "Could not create directory: out\\demo\\COM1"},
      {{}, "aux.c", "Could not create directory: out\\demo\\aux.c"},
      {{}, "a.", "Could not create directory: out\\demo\\a."},
      {{}, "lib\\b \\c", "Could not create directory: out\\demo\\lib\\b "},
      {{"-cdb", "out\\lpt1.json"}, "src", "Could not write file: out\\lpt1.json"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    TempDir dir;
    writeBytes(dir.path() / "demo.mcp",
               lfLines({"[HEADER]", "[PATH_INFO]", "subfolder_src=" + c.folder}));
    writeBytes(dir.path() / "c.p_c", "");
    fs::create_directory(dir.path() / "out");
    std::vector<std::string> arguments{"demo.mcp", "out", "-cp", "c.p_c"};
    arguments.insert(arguments.end(), c.options.begin(), c.options.end());

    const ProcessResult result = runQuillbrook(arguments, dir.path());

    EXPECT_EQ(result.exitCode, 1);
    const std::string prefix = c.line.substr(0, c.line.find(": ") + 2);
    EXPECT_EQ(result.output, prefix + dir.toolPath(c.line.substr(prefix.size())) + "\n");
    EXPECT_NE(result.errors.find("Quillbrook: error: "), std::string::npos) << result.errors;
    EXPECT_TRUE(result.errors.find("device name") != std::string::npos ||
                result.errors.find("Windows drops") != std::string::npos)
        << result.errors;
    EXPECT_TRUE(fs::is_empty(dir.path() / "out"));
  }
}

// Letter case does not tell two Windows paths apart.
TEST(NamesOnWindows, OutputsDifferingOnlyInCaseAreOneFile) {
  TempDir dir;
  writeBytes(dir.path() / "demo.mcp", lfLines({"[HEADER]", "[PATH_INFO]", "subfolder_src=src"}));
  writeBytes(dir.path() / "c.p_c", "");
  fs::create_directory(dir.path() / "out");
  const ProcessResult result =
      runQuillbrook({"demo.mcp", "out", "-cp", "c.p_c", "-cdb", "OUT\\Demo.PRJ"}, dir.path());
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(result.output, "Could not write file: " + dir.toolPath("OUT\\Demo.PRJ") + "\n");
  EXPECT_TRUE(fs::is_empty(dir.path() / "out"));
}
