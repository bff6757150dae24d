// The built tool reads and writes Windows text itself, so the C runtime's
// own text mode must not add or remove anything: no CR is doubled on the way
// out, none is lost on the way in (the CR of a CR CR LF stays in the copied
// template), and the console carries bare LFs.

#include <gtest/gtest.h>

#include "support/RunQuillbrook.h"

namespace fs = std::filesystem;

TEST(TextModeOnWindows, ProjectReadAsWindowsTextAndFilesWrittenWithOneCrPerLine) {
  TempDir dir;
  writeBytes(dir.path() / "demo.mcp",
             "[HEADER]\r\n"
             "dir_inc=C:\\inc;C:\\more\r\r\n"
             "TS{1}=D1=B=2,A\r\n"
             "[FILE_INFO]\r\n"
             "file_000=C:\\src\\main.c\r\n"
             "file_001=C:\\src\\io.c\x1A"
             "\r\nfile_002=C:\\src\\hidden.c\r\n");
  writeBytes(dir.path() / "t.p_a", "-strict on\n-wlevel 3\r\r\n-int 16\r\n\x1A-hidden\r\n");
  writeBytes(dir.path() / "m.p_s", "");
  writeBytes(dir.path() / "c.p_c", "");
  fs::create_directory(dir.path() / "out");

  const ProcessResult result = runQuillbrook(
      {"demo.mcp", "out", "-cp", "c.p_c", "-mp", "m.p_s", "-ap", "t.p_a"}, dir.path());

  const std::string out = dir.toolPath("out");
  const std::string own = out + "\\demo\\person\\demo.p_a";
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.output, lfLines({"Creating Tarn/Tarn++ Project ...", "  Creating Group - demo",
                                    "  Creating Analyser Personality - " + own,
                                    "Tarn/Tarn++ Project Completed!"}));
  EXPECT_EQ(readBytes(dir.path() / "out" / "demo.prj"),
            crlfLines({"VersionTag45", "StartProjectMarker", "FolderName=demo",
                       "SourcePath=" + dir.toolPath() + "\\",
                       "OutputPath=" + out + "\\demo\\output\\",
                       "SubsPers=" + dir.toolPath("m.p_s"), "AnalPers=" + own,
                       "CompPers=" + dir.toolPath("c.p_c"), "C:\\src\\main.c", "C:\\src\\io.c",
                       "EndContainedFilesMarker"}));
  EXPECT_EQ(readBytes(dir.path() / "out" / "demo" / "person" / "demo.p_a"),
            crlfLines({"-i \"C:\\inc\"", "-i \"C:\\more\"", "-d \"A\"", "-d \"B=2\"",
                       "-strict on"}) +
                "-wlevel 3\r\r\n-int 16\r\n");
}
