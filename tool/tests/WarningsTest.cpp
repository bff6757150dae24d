// Warnings go to standard error, one line each; standard output, the files
// written and the exit status stay what they would be without them.

#include <gtest/gtest.h>

#include "platform/Platform.h"
#include "support/RunQuillbrook.h"

namespace fs = std::filesystem;

using Lines = std::vector<std::string>;

namespace {

const std::string Prefix = "Quillbrook: warning: ";

Lines linesOf(const std::string& text) {
  Lines lines;
  std::string::size_type start = 0;
  while (start < text.size()) {
    std::string::size_type end = text.find('\n', start);
    if (end == std::string::npos)
      end = text.size();
    std::string line = text.substr(start, end - start);
    // A CR LF line end is taken as well, should a channel be in text mode.
    if (!line.empty() && line.back() == '\r')
      line.pop_back();
    lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

bool holds(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

// A small but complete MPLAB project with one file in the root group.
std::string smallProject(const Lines& toolSettings = {}) {
  Lines lines{"[HEADER]", "magic_cookie={66E99B07-E706-4689-9E80-9B2582898A13}", "[PATH_INFO]",
              "dir_src=", "[FILE_INFO]", "file_000=main.c", "file_001=board.h",
              "[TOOL_SETTINGS]"};
  lines.insert(lines.end(), toolSettings.begin(), toolSettings.end());
  return crlfLines(lines);
}

class Warnings : public ::testing::Test {
protected:
  void SetUp() override {
    writeBytes(dir.path() / "demo.mcp", smallProject());
    writeBytes(dir.path() / "c.p_c", "");
    fs::create_directory(dir.path() / "out");
  }

  ProcessResult run(const Lines& options) {
    Lines arguments{"demo.mcp", "out"};
    arguments.insert(arguments.end(), options.begin(), options.end());
    return runQuillbrook(arguments, dir.path());
  }

  TempDir dir;
  const std::string completed =
      lfLines({"Creating Tarn/Tarn++ Project ...", "  Creating Group - demo",
               "Tarn/Tarn++ Project Completed!"});
};

}  // namespace

TEST_F(Warnings, AWellFormedRunSaysNothingOnStandardError) {
  const ProcessResult result = run({"-cp", "c.p_c", "-ext", "c,h", "-pn", "demo", "-sw"});
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.output, completed);
  EXPECT_EQ(result.errors, "");
}

TEST_F(Warnings, IgnoredArgumentsAreNamedWithTheOptionWords) {
  const ProcessResult result = run({"-cp", "c.p_c", "-ep", "x", "-pn", "-cp", "c.p_c"});
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.output, completed);
  const Lines errors = linesOf(result.errors);
  ASSERT_EQ(errors.size(), 2u) << result.errors;
  EXPECT_EQ(errors[0].rfind(Prefix + "ignored argument \"-ep\"", 0), 0u) << errors[0];
  EXPECT_TRUE(holds(errors[0], "-pn -mp -ap -cp -ext -sw")) << errors[0];
  EXPECT_EQ(errors[1].rfind(Prefix + "ignored argument \"x\"", 0), 0u) << errors[1];
}

TEST_F(Warnings, ExtensionItemsThatMatchNothingAndAFilterThatKeepsNothing) {
  const ProcessResult result = run({"-cp", "c.p_c", "-ext", ".c,*.h"});
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.output, completed);
  const Lines errors = linesOf(result.errors);
  ASSERT_EQ(errors.size(), 3u) << result.errors;
  EXPECT_TRUE(holds(errors[0], "\".c\" will match nothing")) << errors[0];
  EXPECT_TRUE(holds(errors[1], "\"*.h\" will match nothing")) << errors[1];
  EXPECT_EQ(errors[2], Prefix + "the extension filter \".c,*.h\" kept none of the 2 files "
                                "the project lists");
  EXPECT_EQ(readBytes(dir.path() / "out" / "demo.prj").find("main.c"), std::string::npos);
}

TEST_F(Warnings, AFileThatIsNoMplabProject) {
  const std::pair<std::string, std::string> cases[] = {
      {"just some notes\n", " has no \"[HEADER]\" line: probably not an MPLAB project"},
      {"[HEADER]\nfile_version=1.0\n",
       " has neither \"[FILE_INFO]\" nor \"[PATH_INFO]\": probably not an MPLAB project"}};
  for (const auto& [content, complaint] : cases) {
    writeBytes(dir.path() / "demo.mcp", content);
    const ProcessResult result = run({"-cp", "c.p_c"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.output, completed);
    EXPECT_EQ(linesOf(result.errors), Lines{Prefix + dir.toolPath("demo.mcp") + complaint});
  }
}

TEST_F(Warnings, UnreadSwitchesAreCountedWithoutSw) {
  writeBytes(dir.path() / "demo.mcp",
             smallProject({"TS{1}=-g -DA -D B -I inc -DOUT=$(BINDIR_)", "TS{2}=D1=X"}));
  const ProcessResult result = run({"-cp", "c.p_c"});
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(linesOf(result.errors), Lines{Prefix + "the tool settings hold 3 -D/-I compiler "
                                                    "switches that were not read; \"-sw\" reads them"});
  // Only the "D1=" definition reaches the analyser personality.
  EXPECT_EQ(readBytes(dir.path() / "out" / "demo" / "person" / "demo.p_a"),
            crlfLines({"-d \"X\""}));
}

TEST_F(Warnings, AnOptionWordWithoutValueShowsTheUsageOnStandardError) {
  const ProcessResult result = run({"-pn", "p", "-cp"});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(result.output, "");
  EXPECT_EQ(linesOf(result.errors),
            (Lines{Prefix + "option word \"-cp\" has no value; nothing was converted",
                   "Usage: Quillbrook <source_proj> <dest_folder> -cp <compiler_personality> "
                   "[-pn dest_proj_name]",
                   "[-mp message_personality] [-ap analyser_personality] [-ext file_extension]"}));
  EXPECT_TRUE(listTree(dir.path() / "out").empty());
}

TEST_F(Warnings, MissingPersonalitiesAreNamed) {
  const ProcessResult result = run({"-ap", "missing.p_a"});
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.output, lfLines({"Could not open file: ", "Creating Tarn/Tarn++ Project ...",
                                    "  Creating Group - demo", "Couldnt open file",
                                    "Tarn/Tarn++ Project Completed!"}));
  EXPECT_EQ(linesOf(result.errors),
            (Lines{Prefix + "no compiler personality was given: \"-cp\" is missing",
                   Prefix + "could not read the template analyser personality " +
                       platform::hostPath(dir.toolPath("missing.p_a")) +
                       ": No such file or directory"}));
}

// The two compiler lines quoted from real projects of the 16-bit and 32-bit
// compiler families, in a file shaped like theirs.
// main.c of the small project is not on disk: the database leaves it out.
// Each case gives the project's lines and what the warnings must say.
TEST_F(Warnings, DatabaseSaysWhatItLeftOutAndWhatItCouldNotKnow) {
  const struct {
    Lines project;
    Lines parts;
  } cases[] = {
      {{"[HEADER]", "[PATH_INFO]", "dir_src=", "[FILE_INFO]", "file_000=main.c"},
       {"left out 1 of 1 sources that are not on this machine, first: ",
        "main.c (-map FROM=TO", "not recognised and it names no device"}},
      {{"[HEADER]", "[FILE_INFO]", "file_000=start.asm"}, {"has no entry: the project lists no C"}},
      {{"[HEADER]", "device=PIC18F4550", "[PATH_INFO]", "dir_src=", "[FILE_INFO]",
        "file_000=real.c"},
       {"compiler was not recognised", "device family of PIC18F4550"}},
  };
  writeBytes(dir.path() / "real.c", "");
  for (const auto& c : cases) {
    writeBytes(dir.path() / "demo.mcp", crlfLines(c.project));
    const ProcessResult result = run({"-cp", "c.p_c", "-cdb", "db.json", "-map", "no-equals"});
    EXPECT_EQ(result.exitCode, 0);
    const Lines errors = linesOf(result.errors);
    ASSERT_FALSE(errors.empty()) << c.project.back();
    EXPECT_EQ(errors[0], Prefix + "ignored -map value \"no-equals\": it takes the form FROM=TO");
    const std::string rest = result.errors.substr(result.errors.find('\n') + 1);
    for (const std::string& part : c.parts)
      EXPECT_TRUE(holds(rest, part)) << part << "\n" << result.errors;
    for (const std::string& line : errors)
      EXPECT_EQ(line.rfind(Prefix, 0), 0u) << line;
  }
}

TEST(SwitchesEndToEnd, ARealShapedProjectKeepsItsMacrosOnlyWithSw) {
  TempDir dir;
  writeBytes(
      dir.path() / "rtos.mcp",
      crlfLines({"[HEADER]", "magic_cookie={66E99B07-E706-4689-9E80-9B2582898A13}",
                 "file_version=1.0", "[PATH_INFO]", "BuildDirPolicy=BuildDirIsSourceDir",
                 "dir_src=", "dir_inc=", "[CAT_SUBFOLDERS]", "subfolder_src=", "[FILE_SUBFOLDERS]",
                 "file_000=.", "file_001=.", "[GENERATED_FILES]", "file_000=no", "[OTHER_FILES]",
                 "file_000=no", "[FILE_INFO]", "file_000=main.c", "file_001=p33FJ256GP710.gld",
                 "[SUITE_INFO]", "suite_guid={479DDE59-4D56-455E-855E-FFF59A3DB57E}",
                 "[TOOL_SETTINGS]", "TS{7D9C6ECE-785D-44CB-BA22-17BF2E119622}=-g",
                 "TS{25AC22BD-2378-4FDB-BFB6-7345A15512D3}=-g -Wall -DMPLAB_DSPIC_PORT -O2",
                 "TS{25AC22BD-2378-4FDB-BFB6-7345A15512D3}_alt=yes",
                 "TS{9C698E0A-CBC9-4EFF-AE7D-B569F93E7322}=-g -mno-float -DPIC32=1 -DSTICKOS=1 -Os",
                 "TS{7DAC9A1D-4C45-45D6-B25A-D117C74E8F5A}=--defsym=__ICD2RAM=1 "
                 "-Map=\"$(TARGETBASE).map\" -o\"$(TARGETBASE).$(TARGETSUFFIX)\""}));
  writeBytes(dir.path() / "c.p_c", "");
  fs::create_directory(dir.path() / "plain");
  fs::create_directory(dir.path() / "switched");
  const fs::path own = fs::path("rtos") / "person" / "rtos.p_a";

  const ProcessResult plain =
      runQuillbrook({"rtos.mcp", "plain", "-cp", "c.p_c", "-ext", "c,h"}, dir.path());
  EXPECT_EQ(plain.exitCode, 0);
  EXPECT_TRUE(holds(plain.errors, "hold 3 -D/-I compiler switches")) << plain.errors;
  // "dir_inc=" alone gives the project folder, and no definition at all.
  const std::string folder = dir.toolPath();
  EXPECT_EQ(readBytes(dir.path() / "plain" / own), crlfLines({"-i \"" + folder + "\\\""}));

  const ProcessResult switched =
      runQuillbrook({"rtos.mcp", "switched", "-sw", "-cp", "c.p_c", "-ext", "c,h"}, dir.path());
  EXPECT_EQ(switched.exitCode, 0);
  EXPECT_EQ(switched.errors, "");
  EXPECT_EQ(switched.output,
            lfLines({"Creating Tarn/Tarn++ Project ...", "  Creating Group - rtos",
                     "  Creating Analyser Personality - " +
                         dir.toolPath("switched\\rtos\\person\\rtos.p_a"),
                     "Tarn/Tarn++ Project Completed!"}));
  EXPECT_EQ(readBytes(dir.path() / "switched" / own),
            crlfLines({"-i \"" + folder + "\\\"", "-d \"MPLAB_DSPIC_PORT\"", "-d \"PIC32=1\"",
                       "-d \"STICKOS=1\""}));
  // Apart from the personality, both conversions wrote the same project.
  EXPECT_EQ(listTree(dir.path() / "switched"), listTree(dir.path() / "plain"));
}
