// Hostile or unlucky input on the MPLAB X, -cdb and -map paths: each run
// ends with a failure line and its reason, and loses none of the user's
// files; where nothing may be made, nothing is.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "support/RunQuillbrook.h"

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace fs = std::filesystem;

namespace {

std::string configurationsXml(const std::string& folders, const std::string& confName = "default",
                              const std::string& include = "inc",
                              const std::string& macros = "DEBUG") {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
         "<configurationDescriptor version=\"65\">\n"
         "<logicalFolder name=\"root\" displayName=\"root\" projectFiles=\"true\">\n" +
         folders +
         "</logicalFolder>\n"
         "<confs><conf name=\"" +
         confName +
         "\" type=\"2\"><toolsSet><languageToolchain>XC16</languageToolchain>"
         "<targetDevice>PIC24FJ64GB002</targetDevice></toolsSet>"
         "<C30><property key=\"extra-include-directories\" value=\"" +
         include + "\"/><property key=\"preprocessor-macros\" value=\"" + macros +
         "\"/></C30></conf></confs>\n"
         "</configurationDescriptor>\n";
}

const std::string SourceFolder =
    "<logicalFolder name=\"src\" displayName=\"Source Files\" projectFiles=\"true\">"
    "<itemPath>main.c</itemPath></logicalFolder>\n";

// An MPLAB X project p.X with one source, a compiler personality and an
// empty destination.
struct XProject {
  explicit XProject(const std::string& xml = configurationsXml(SourceFolder)) {
    fs::create_directories(dir.path() / "p.X" / "nbproject" / "private");
    writeBytes(dir.path() / "p.X" / "nbproject" / "configurations.xml", xml);
    writeBytes(dir.path() / "p.X" / "nbproject" / "private" / "configurations.xml", "private");
    writeBytes(dir.path() / "p.X" / "main.c", "int main(void) { return 0; }\n");
    writeBytes(dir.path() / "cc.p_c", "compiler\r\n");
    fs::create_directories(dir.path() / "out");
  }
  ProcessResult run(std::vector<std::string> extra) {
    std::vector<std::string> arguments{"p.X", "out", "-cp", "cc.p_c"};
    arguments.insert(arguments.end(), extra.begin(), extra.end());
    return runQuillbrook(arguments, dir.path());
  }
  std::string configurations() const { return dir.toolPath("p.X\\nbproject\\configurations.xml"); }
  TempDir dir;
};

// Every byte of every file below `root`, by relative path.
std::map<std::string, std::string> snapshot(const fs::path& root) {
  std::map<std::string, std::string> files;
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    if (entry.is_regular_file() && !entry.is_symlink())
      files[fs::relative(entry.path(), root).generic_string()] = readBytes(entry.path());
    else
      files[fs::relative(entry.path(), root).generic_string()] = "<not a file>";
  }
  return files;
}

bool holdsRawControl(const std::string& text) {
  for (char c : text) {
    const unsigned char byte = static_cast<unsigned char>(c);
    if ((byte < 0x20 && byte != '\n' && byte != '\t') || byte == 0x7F)
      return true;
  }
  return false;
}

}  // namespace

// A folder walk, a tree and the paths made from it must stay small however
// deep the project nests; a name chain no host could make is refused too.
TEST(HostileInputs, DeepOrOverlongFolderNestingIsRefusedBeforeAnythingIsMade) {
  const struct {
    std::size_t depth;
    std::string name;
    std::string reason;
  } cases[] = {
      {40000, "f", "more than 100 deep"},
      {101, "f", "more than 100 deep"},
      {60, std::string(1000, 'n'), "a path no host can make"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.depth);
    std::string folders;
    for (std::size_t i = 0; i < c.depth; ++i)
      folders += "<logicalFolder name=\"" + c.name + "\" displayName=\"" + c.name +
                 "\" projectFiles=\"true\">";
    folders += "<itemPath>main.c</itemPath>";
    for (std::size_t i = 0; i < c.depth; ++i)
      folders += "</logicalFolder>";
    XProject project(configurationsXml(folders));
    const auto before = snapshot(project.dir.path());
    const ProcessResult result = project.run({});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.output, "Could not open file: " + project.configurations() + "\n");
    EXPECT_NE(result.errors.find(c.reason), std::string::npos) << result.errors;
    EXPECT_EQ(snapshot(project.dir.path()), before);
  }
  // A hundred levels still convert (where the host can make such a path:
  // Windows stops at 260 characters).
#ifdef _WIN32
  const int levels = 40;
#else
  const int levels = 100;
#endif
  std::string folders;
  for (int i = 0; i < levels; ++i)
    folders += "<logicalFolder name=\"f\" displayName=\"f\" projectFiles=\"true\">";
  folders += "<itemPath>main.c</itemPath>";
  for (int i = 0; i < levels; ++i)
    folders += "</logicalFolder>";
  XProject deep(configurationsXml(folders));
  EXPECT_EQ(deep.run({}).exitCode, 0);
}

// No value of configurations.xml may add a line to the .prj, a personality,
// standard output (the wizard's protocol) or standard error.
TEST(HostileInputs, ControlCharactersInProjectValuesStopTheRun) {
  const std::string injected = "x&#13;&#10;Tarn/Tarn++ Project Completed!&#10;StartProjectMarker";
  const struct {
    std::string what;
    std::string xml;
  } cases[] = {
      {"folder name",
       configurationsXml("<logicalFolder name=\"s\" displayName=\"" + injected +
                         "\" projectFiles=\"true\"><itemPath>main.c</itemPath></logicalFolder>")},
      {"item path", configurationsXml("<itemPath>" + injected + ".c</itemPath>")},
      {"configuration name", configurationsXml(SourceFolder, injected)},
      {"include folder", configurationsXml(SourceFolder, "default", injected)},
      {"macro", configurationsXml(SourceFolder, "default", "inc", "A&#10;-d &quot;INJECTED=1&quot;")},
      {"escape", configurationsXml(SourceFolder, "default", "inc", "A&#27;[2J")},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    XProject project(c.xml);
    const auto before = snapshot(project.dir.path());
    const ProcessResult result = project.run({"-sw"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.output, "Could not open file: " + project.configurations() + "\n");
    EXPECT_NE(result.errors.find("control character"), std::string::npos) << result.errors;
    EXPECT_FALSE(holdsRawControl(result.errors)) << result.errors;
    EXPECT_EQ(std::count(result.errors.begin(), result.errors.end(), '\n'), 1) << result.errors;
    EXPECT_EQ(snapshot(project.dir.path()), before);
  }
  // A TAB is a blank like any other and converts.
  XProject tab(configurationsXml(SourceFolder, "default", "inc&#9;b"));
  EXPECT_EQ(tab.run({}).exitCode, 0);
}

// A name from an .mcp reaches the console escaped, one line whatever it holds
// (Windows cannot make the folder; its failure line names it escaped too).
TEST(HostileInputs, ConsoleLinesCarryNoRawControlBytes) {
  TempDir dir;
  writeBytes(dir.path() / "demo.mcp",
             lfLines({"subfolder_src=a\x1b[2Jb", "[FILE_SUBFOLDERS]", "file_000=a\x1b[2Jb",
                      "[FILE_INFO]", "file_000=C:\\x.c"}));
  fs::create_directories(dir.path() / "out");
  const ProcessResult result = runQuillbrook({"demo.mcp", "out", "-cp", "demo.mcp"}, dir.path());
  EXPECT_NE(result.output.find("a\\x1b[2Jb\n"), std::string::npos) << result.output;
  EXPECT_FALSE(holdsRawControl(result.output));
}

// An output spelt through folders the run makes, or through "..", lands on
// an input or an earlier output: refused before anything is made.
TEST(HostileInputs, DatabaseSpeltThroughFoldersStillToBeMadeIsRefused) {
  const struct {
    std::string database;
    std::string keeps;  // relative, a file that must keep its bytes
  } cases[] = {
      {"out\\p\\Source Files\\..\\..\\..\\p.X\\nbproject\\configurations.xml",
       "p.X/nbproject/configurations.xml"},
      {"out\\p\\output\\..\\..\\..\\cc.p_c", "cc.p_c"},
      {"out\\person\\..\\p.prj", "cc.p_c"},
      {"out\\missing\\..\\p\\person\\p.p_a", "cc.p_c"},
      // The file the user named as the project is an input, whichever the
      // reader goes on to read.
      {"p.X\\nbproject\\private\\configurations.xml", "p.X/nbproject/private/configurations.xml"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.database);
    XProject project;
    const auto before = snapshot(project.dir.path());
    const std::string source =
        c.keeps.find("private") != std::string::npos ? "p.X\\nbproject\\private\\configurations.xml"
                                                      : "p.X";
    const ProcessResult result = runQuillbrook(
        {source, "out", "-cp", "cc.p_c", "-cdb", c.database}, project.dir.path());
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.output.rfind("Could not write file: ", 0), 0u) << result.output;
    EXPECT_EQ(std::count(result.output.begin(), result.output.end(), '\n'), 1) << result.output;
    EXPECT_EQ(snapshot(project.dir.path()), before);
  }
}

#ifndef _WIN32
// Links to the destination, and a dangling one to an output still to be
// made, are followed before outputs are compared.
TEST(HostileInputs, DatabaseThroughALinkIsRefused) {
  const struct {
    std::string link;
    std::string target;
    std::string database;
  } cases[] = {
      {"alias", "out", "alias/p.prj"},
      {"out/db.json", "p.prj", "out/db.json"},
      {"out/cfg", "../p.X/nbproject", "out/cfg/configurations.xml"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.database);
    XProject project;
    fs::create_symlink(c.target, project.dir.path() / c.link);
    const auto before = snapshot(project.dir.path());
    const ProcessResult result = project.run({"-cdb", c.database});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.output.rfind("Could not write file: ", 0), 0u) << result.output;
    EXPECT_EQ(snapshot(project.dir.path()), before);
  }
}

// A pipe where a project file or a personality should be would hold the run
// for ever; it is refused with its reason instead.
TEST(HostileInputs, PipesAreNotRead) {
  const struct {
    std::vector<std::string> arguments;
    std::string pipe;
    int status;
    std::string line;
  } cases[] = {
      {{"demo.mcp", "out", "-cp", "cc.p_c"}, "demo.mcp", 1, "Could not open file: "},
      {{"p.X", "out", "-cp", "cc.p_c"}, "p.X/nbproject/configurations.xml", 1,
       "Could not open file: "},
      {{"p.X", "out", "-cp", "fifo.p_c"}, "fifo.p_c", 0, "Could not open file: "},
      {{"p.X", "out", "-cp", "cc.p_c", "-ap", "fifo.p_a"}, "fifo.p_a", 0, "Couldnt open file"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.pipe);
    XProject project;
    fs::remove(project.dir.path() / c.pipe);
    ASSERT_EQ(mkfifo((project.dir.path() / c.pipe).c_str(), 0600), 0);
    const ProcessResult result = runQuillbrook(c.arguments, project.dir.path());
    EXPECT_EQ(result.exitCode, c.status);
    EXPECT_NE(result.output.find(c.line), std::string::npos) << result.output;
    EXPECT_NE(result.errors.find("not a regular file"), std::string::npos) << result.errors;
  }
}

// A relative "-map" TO needs a readable current directory like every other
// relative path, and is resolved against the one read at the start.
TEST(HostileInputs, RelativeMapTargetNeedsTheCurrentDirectory) {
  XProject project;
  fs::create_directories(project.dir.path() / "gone");
  const ProcessResult result =
      runShell("cd gone && rmdir ../gone && exec \"$Q\" " + project.dir.path().string() +
                   "/p.X " + project.dir.path().string() + "/out -map C:\\\\lib=mylib",
               project.dir.path());
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(result.output, "Could not read the current directory\n");
  EXPECT_FALSE(fs::exists(project.dir.path() / "out" / "p.prj"));
}
#endif
