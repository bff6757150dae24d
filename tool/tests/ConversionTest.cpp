#include <gtest/gtest.h>

#include "support/RunQuillbrook.h"

namespace fs = std::filesystem;

using Lines = std::vector<std::string>;

TEST(Conversion, TooFewArgumentsPrintUsageAndTouchNothing) {
  TempDir dir;
  const std::string usage = lfLines(
      {"Usage: Quillbrook <source_proj> <dest_folder> -cp <compiler_personality> "
       "[-pn dest_proj_name]",
       "[-mp message_personality] [-ap analyser_personality] [-ext file_extension]"});
  for (const Lines& arguments : {Lines{}, Lines{"a.mcp"}}) {
    const ProcessResult result = runQuillbrook(arguments, dir.path());
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.output, usage);
  }
  EXPECT_TRUE(listTree(dir.path()).empty());
}

// The project of the writer's worked example: a root with one file, one
// include path and two defines, and one MPLAB folder with one file.
TEST(Conversion, WritesTheProjectFileTreeAndPersonalities) {
  TempDir dir;
  const std::string work = dir.toolPath("work");
  writeBytes(dir.path() / "work" / "demo.mcp",
             crlfLines({"dir_src=" + work, "dir_inc=C:\\work\\demo\\inc", "subfolder_src=drivers",
                        "[FILE_SUBFOLDERS]", "file_000=drivers", "[OTHER_FILES]", "[FILE_INFO]",
                        "file_000=uart.c", "file_001=main.c", "[TOOL_SETTINGS]",
                        "TS{1}=D1=VERSION=3,DEBUG"}));
  writeBytes(dir.path() / "pers" / "cc.p_c", "compiler\r\n");
  fs::create_directory(dir.path() / "out");

  const ProcessResult result =
      runQuillbrook({arg(dir.path() / "work" / "demo.mcp"), arg(dir.path() / "out"), "-cp",
                     arg(dir.path() / "pers" / "cc.p_c")},
                    dir.path());

  const std::string out = dir.toolPath("out");
  const std::string own = out + "\\demo\\person\\demo.p_a";
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.output, lfLines({"Creating Tarn/Tarn++ Project ...", "  Creating Group - demo",
                                    "  Creating Analyser Personality - " + own,
                                    "  Creating Group - drivers",
                                    "Tarn/Tarn++ Project Completed!"}));
  const std::string compiler = dir.toolPath("pers\\cc.p_c");
  EXPECT_EQ(readBytes(dir.path() / "out" / "demo.prj"),
            crlfLines({"VersionTag45", "StartProjectMarker", "FolderName=demo",
                       "SourcePath=" + work + "\\", "OutputPath=" + out + "\\demo\\output\\",
                       "SubsPers=" + out + "\\person\\demo.p_s", "AnalPers=" + own,
                       "CompPers=" + compiler, work + "\\main.c", "EndContainedFilesMarker",
                       "StartSubProjectMarker", "StartProjectMarker", "FolderName=drivers",
                       "SourcePath=" + out + "\\demo\\drivers\\",
                       "OutputPath=" + out + "\\demo\\drivers\\output\\",
                       "SubsPers=" + out + "\\person\\demo.p_s", "AnalPers=" + own,
                       "CompPers=" + compiler, work + "\\uart.c", "EndContainedFilesMarker",
                       "EndSubProjectMarker"}));
  EXPECT_EQ(readBytes(dir.path() / "out" / "demo" / "person" / "demo.p_a"),
            crlfLines({"-i \"C:\\work\\demo\\inc\"", "-d \"DEBUG\"", "-d \"VERSION=3\""}));
  EXPECT_EQ(readBytes(dir.path() / "out" / "person" / "demo.p_s"), "");
  EXPECT_EQ(listTree(dir.path() / "out"),
            (Lines{"demo.prj", "demo/", "demo/drivers/", "demo/drivers/output/",
                   "demo/drivers/person/", "demo/output/", "demo/person/",
                   "demo/person/demo.p_a", "person/", "person/demo.p_s"}));
}

// The reader's worked example: an empty "dir_src=" takes the project folder,
// which already ends in a backslash.
TEST(Conversion, FiltersFilesAndDefaultsEveryPersonality) {
  TempDir dir;
  writeBytes(dir.path() / "demo.mcp",
             lfLines({"dir_src=", "subfolder_src=drivers;app", "[FILE_SUBFOLDERS]",
                      "file_000=drivers", "file_001=app", "file_002=.", "[GENERATED_FILES]",
                      "[FILE_INFO]", "file_000=uart.c", "file_001=main.c",
                      "file_002=C:\\lib\\board.h", "file_003=notes.txt"}));
  fs::create_directory(dir.path() / "out");

  const ProcessResult result =
      runQuillbrook({"demo.mcp", "out", "-ext", "c", "-pn", "tarn", "-ext", "h"}, dir.path());

  const std::string out = dir.toolPath("out");
  const std::string folder = dir.toolPath() + "\\";
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.output,
            lfLines({"Could not open file: ", "Creating Tarn/Tarn++ Project ...",
                     "  Creating Group - demo", "  Creating Group - drivers",
                     "  Creating Group - app", "Tarn/Tarn++ Project Completed!"}));
  const std::string pers = out + "\\person\\tarn";
  auto block = [&](const std::string& name, const std::string& source, const std::string& file) {
    return Lines{"StartProjectMarker", "FolderName=" + name, "SourcePath=" + source,
                 "OutputPath=" + out + "\\demo\\" + (name == "demo" ? "" : name + "\\") + "output\\",
                 "SubsPers=" + pers + ".p_s", "AnalPers=" + pers + ".p_a",
                 "CompPers=" + pers + ".p_c", file, "EndContainedFilesMarker"};
  };
  Lines expected{"VersionTag45"};
  for (const Lines& part :
       {block("demo", folder, "C:\\lib\\board.h"), Lines{"StartSubProjectMarker"},
        block("drivers", out + "\\demo\\drivers\\", folder + "\\uart.c"),
        block("app", out + "\\demo\\app\\", folder + "\\main.c"), Lines{"EndSubProjectMarker"}})
    expected.insert(expected.end(), part.begin(), part.end());
  EXPECT_EQ(readBytes(dir.path() / "out" / "tarn.prj"), crlfLines(expected));
  for (const char* name : {"tarn.p_s", "tarn.p_a", "tarn.p_c"})
    EXPECT_EQ(readBytes(dir.path() / "out" / "person" / name), "") << name;
}

TEST(Conversion, GroupNamesWithSeparatorsMakeEveryFolderOnTheWay) {
  TempDir dir;
  writeBytes(dir.path() / "demo.mcp",
             lfLines({"subfolder_src=a\\b;lib/io;x\\y/z", "[FILE_SUBFOLDERS]", "file_000=a\\b",
                      "x", "[FILE_INFO]", "file_000=C:\\a.c"}));
  fs::create_directory(dir.path() / "out");

  const ProcessResult result = runQuillbrook({"demo.mcp", "out"}, dir.path());

  EXPECT_EQ(result.exitCode, 0);
  const std::string prj = readBytes(dir.path() / "out" / "demo.prj");
  EXPECT_NE(prj.find("FolderName=a\\b\r\nSourcePath=" + dir.toolPath("out\\demo\\a\\b\\") +
                     "\r\n"),
            std::string::npos);
  EXPECT_NE(prj.find("FolderName=lib/io\r\n"), std::string::npos);
  for (const char* folder : {"demo/a/b/output", "demo/a/b/person", "demo/lib/io/output",
                             "demo/x/y/z/person"})
    EXPECT_TRUE(fs::is_directory(dir.path() / "out" / folder)) << folder;
}

TEST(Conversion, RerunningReplacesTheProjectAndKeepsTheSharedAnalyserFile) {
  TempDir dir;
  writeBytes(dir.path() / "demo.mcp",
             lfLines({"subfolder_src=src", "[FILE_SUBFOLDERS]", "file_000=src", "x",
                      "[FILE_INFO]", "file_000=C:\\a.c"}));
  writeBytes(dir.path() / "first.p_a", "first\n");
  writeBytes(dir.path() / "second.p_a", "second\n");
  fs::create_directory(dir.path() / "out");

  const ProcessResult first = runQuillbrook({"demo.mcp", "out", "-ap", "first.p_a"}, dir.path());
  const std::string firstProject = readBytes(dir.path() / "out" / "demo.prj");
  const ProcessResult second =
      runQuillbrook({"demo.mcp", "out", "-ap", "second.p_a"}, dir.path());

  EXPECT_EQ(first.exitCode, 0);
  EXPECT_EQ(second.exitCode, 0);
  EXPECT_EQ(second.output, first.output);
  EXPECT_EQ(readBytes(dir.path() / "out" / "demo.prj"), firstProject);
  EXPECT_EQ(readBytes(dir.path() / "out" / "person" / "demo.p_a"), "first\r\n");
}

TEST(Conversion, OwnAnalyserFileCopiesTheTemplateAsText) {
  TempDir dir;
  writeBytes(dir.path() / "demo.mcp", lfLines({"dir_inc=C:\\inc", "TS{1}=D1=b,B,a"}));
  writeBytes(dir.path() / "t.p_a", "one\ntwo\r\nthree\r\r\nend\x1A" "after");
  writeBytes(dir.path() / "m.p_s", "");
  writeBytes(dir.path() / "c.p_c", "");
  fs::create_directory(dir.path() / "out");

  const ProcessResult result = runQuillbrook(
      {"demo.mcp", "out", "-ap", "t.p_a", "-mp", "m.p_s", "-cp", "c.p_c"}, dir.path());

  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(readBytes(dir.path() / "out" / "demo" / "person" / "demo.p_a"),
            crlfLines({"-i \"C:\\inc\"", "-d \"B\"", "-d \"a\"", "-d \"b\""}) +
                "one\r\ntwo\r\nthree\r\r\nend");
  // Every personality was given or generated, so no default folder.
  EXPECT_FALSE(fs::exists(dir.path() / "out" / "person"));
}

TEST(Conversion, BundledExampleConverts) {
  TempDir dir;
  const fs::path examples = EXAMPLES_DIR;
  fs::create_directory(dir.path() / "out");

  const ProcessResult result = runQuillbrook(
      {arg(examples / "motor" / "motor.mcp"), arg(dir.path() / "out"), "-cp",
       arg(examples / "personalities" / "pic18.p_c"), "-ap",
       arg(examples / "personalities" / "template.p_a"), "-ext", "c,h"},
      dir.path());

  const std::string motor = toolForm(examples / "motor");
  const std::string own = dir.toolPath("out\\motor\\person\\motor.p_a");
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.output,
            lfLines({"Creating Tarn/Tarn++ Project ...", "  Creating Group - motor",
                     "  Creating Analyser Personality - " + own, "  Creating Group - app",
                     "  Creating Group - drivers", "Tarn/Tarn++ Project Completed!"}));
  const std::string prj = readBytes(dir.path() / "out" / "motor.prj");
  for (const std::string& file : {"include\\control.h", "include\\board.h", "app\\main.c",
                                  "app\\control.c", "drivers\\pwm.c", "drivers\\adc.c"})
    EXPECT_NE(prj.find("\r\n" + motor + "\\\\" + file + "\r\n"), std::string::npos) << file;
  EXPECT_EQ(prj.find(".lkr"), std::string::npos);
  EXPECT_EQ(readBytes(dir.path() / "out" / "motor" / "person" / "motor.p_a"),
            crlfLines({"-i \"" + motor + "\\include\"", "-i \"" + motor + "\\drivers\"",
                       "-i \"C:\\MCC18\\h\"", "-d \"BOARD_NAME=\"bench\"\"",
                       "-d \"MOTOR_POLES=4\"", "-d \"PWM_KHZ=20\"", "-d \"USE_ADC\""}) +
                readBytes(examples / "personalities" / "template.p_a"));
}

// The second bundled example keeps its macros and include paths as compiler
// switches; "-sw" brings them into the personality, quoted values included.
TEST(Conversion, BundledSwitchesExampleConvertsWithSw) {
  TempDir dir;
  const fs::path examples = EXAMPLES_DIR;
  fs::create_directory(dir.path() / "out");

  const ProcessResult result = runQuillbrook(
      {arg(examples / "blinky" / "blinky.mcp"), arg(dir.path() / "out"), "-cp",
       arg(examples / "personalities" / "pic24.p_c"), "-ext", "c,h", "-sw"},
      dir.path());

  const std::string blinky = toolForm(examples / "blinky");
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.errors, "");
  const std::string prj = readBytes(dir.path() / "out" / "blinky.prj");
  EXPECT_NE(prj.find("\r\n" + blinky + "\\\\include\\led.h\r\n"), std::string::npos) << prj;
  EXPECT_EQ(prj.find(".gld"), std::string::npos);
  EXPECT_EQ(readBytes(dir.path() / "out" / "blinky" / "person" / "blinky.p_a"),
            crlfLines({"-i \"" + blinky + "\\\"", "-i \"" + blinky + "\\include\"",
                       "-i \"C:\\Program Files\\Microchip\\MPLAB C30\\support\\PIC24F\\h\"",
                       "-d \"BLINK_MS=250\"", "-d \"BOARD_NAME=\"bench 24\"\"",
                       "-d \"USE_LED2\""}));
}
