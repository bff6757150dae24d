#include <gtest/gtest.h>

#include <algorithm>

#include "cli/CommandLine.h"
#include "QuillbrookVersion.h"
#include "support/RunQuillbrook.h"

namespace {

using Lines = std::vector<std::string>;

std::string joined(const Lines& lines) {
  return lfLines(lines);
}

// Standard error is in text mode on Windows.
std::string withoutCarriageReturns(std::string text) {
  text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
  return text;
}

}  // namespace

// -h, --help and --version answer wherever they stand, before any option is
// read or any path is touched, and end with status 0.
TEST(Help, HelpAndVersionAnswerAnywhereAndTouchNothing) {
  TempDir dir;
  struct Case {
    Lines arguments;
    std::string output;
  };
  const std::string help = joined(helpLines());
  const std::string version = std::string("Quillbrook ") + QUILLBROOK_VERSION + "\n";
  const Case cases[] = {
      {{"--help"}, help},
      {{"-h"}, help},
      {{"--help", "-v"}, help},
      {{"a.mcp", "out", "-cp", "c.p_c", "-h"}, help},
      {{"-pn"}, joined(usageLines())},
      {{"--version"}, version},
      {{"a.mcp", "out", "--version", "--help"}, version},
      {{"a.mcp", "out", "--help", "--version"}, help},
  };
  for (const Case& c : cases) {
    const ProcessResult result = runQuillbrook(c.arguments, dir.path());
    EXPECT_EQ(result.exitCode, 0) << c.arguments[0];
    EXPECT_EQ(result.output, c.output) << c.arguments[0];
  }
  EXPECT_TRUE(listTree(dir.path()).empty());
}

TEST(Help, EveryOptionHasOneLineAndTheUsageNamesIt) {
  const Lines lines = helpLines();
  ASSERT_FALSE(lines.empty());
  const std::string& usage = lines.front();
  int optionLines = 0;
  for (const std::string& line : lines) {
    if (line.compare(0, 3, "  -") != 0)
      continue;
    ++optionLines;
    const std::string word = line.substr(2, line.find(' ', 2) - 2);
    // Words, blanks, then a description.
    EXPECT_NE(line.find_first_not_of(' ', line.find("  ", 2)), std::string::npos) << line;
    const bool inUsage = usage.find(" " + word + " ") != std::string::npos ||
                         usage.find("[" + word + " ") != std::string::npos ||
                         usage.find("[" + word + "]") != std::string::npos;
    EXPECT_TRUE(inUsage || word == "-h," || word == "--version" || word == "--configurations")
        << word;
  }
  EXPECT_GE(optionLines, 9);
  EXPECT_EQ(usage.rfind("Usage: Quillbrook <source_proj> <dest_folder> -cp <compiler_personality> "
                        "[-pn dest_proj_name]",
                        0),
            0u);
}

// The fixed usage lines stay alone on standard output; the options added
// since follow them on standard error.
TEST(Help, ShortUsageNamesTheNewerOptionsOnStandardError) {
  TempDir dir;
  const ProcessResult result = runQuillbrook({}, dir.path());
  EXPECT_EQ(result.output, joined(usageLines()));
  EXPECT_EQ(withoutCarriageReturns(result.errors),
            joined({newerOptionsLine(), "Quillbrook --help describes every option."}));
  EXPECT_EQ(newerOptionsLine().rfind("[-sw] [-cdb compilation_database]", 0), 0u);
}
