#include <gtest/gtest.h>

#include "io/Errors.h"
#include "mplabx/MplabXSource.h"
#include "mplabx/MplabXValues.h"
#include "support/ParsedProject.h"

namespace fs = std::filesystem;

using Strings = std::vector<std::string>;

TEST(MplabXValues, SegmentsIncludeFoldersAndMacrosFollowTheIde) {
  EXPECT_EQ(listSegments(";a;; b ;\t;c;"), (Strings{"a", "b", "c"}));
  EXPECT_TRUE(listSegments("").empty());
  struct Case {
    const char* segment;
    const char* folder;
  };
  const Case includes[] = {
      {"../src", "P\\..\\src"},
      {"..\\src\\driver", "P\\..\\src\\driver"},
      {"../../include\"", "P\\..\\..\\include"},
      {"\"Board Support\"", "P\\Board Support"},
      {".", "P\\."},
      {"C:\\Program Files (x86)\\h", "C:\\Program Files (x86)\\h"},
      {"/home/me/lib", "\\home\\me\\lib"},
  };
  for (const Case& c : includes)
    EXPECT_EQ(includeFolder(c.segment, "P"), c.folder) << c.segment;
  const Case macros[] = {
      {"FCY=3685000UL", "FCY=3685000UL"},
      {"INLINE_API=\"static inline\"", "INLINE_API=static inline"},
      {"_PLIB_UNSUPPORTED=\" \"", "_PLIB_UNSUPPORTED= "},
      {"\"PLIB_INLINE_API = extern inline\"", "PLIB_INLINE_API = extern inline"},
      {"_clz=\"__builtin_clz\"", "_clz=__builtin_clz"},
      {"Q='a\"b'", "Q=a\"b"},
      {"S=\"x\\\"y\"", "S=x\"y"},
  };
  for (const Case& c : macros)
    EXPECT_EQ(macroDefinition(c.segment), c.folder) << c.segment;
  std::string name;
  std::string value;
  splitDefinition("PLIB_INLINE_API = extern inline", name, value);
  EXPECT_EQ(name + "|" + value, "PLIB_INLINE_API|extern inline");
  splitDefinition("__XC", name, value);
  EXPECT_EQ(name + "|" + value, "__XC|");
}

TEST(MplabXSource, FoldersAndFilesAreToldFromMcpFiles) {
  TempDir dir;
  fs::create_directories(dir.path() / "pilot.x" / "nbproject" / "private");
  writeBytes(dir.path() / "pilot.x" / "nbproject" / "configurations.xml", "");
  const std::string project = dir.toolPath("pilot.x");
  const std::string file = project + "\\nbproject\\configurations.xml";
  for (const std::string& source :
       {project, project + "\\", file, project + "\\nbproject\\private\\configurations.xml"}) {
    MplabXSource found;
    ASSERT_TRUE(findMplabXSource(source, found)) << source;
    EXPECT_EQ(found.projectFolder, project);
    EXPECT_EQ(found.configurations, file);
  }
  MplabXSource found;
  EXPECT_FALSE(findMplabXSource(dir.toolPath(), found));
  EXPECT_FALSE(findMplabXSource(dir.toolPath("demo.mcp"), found));
  EXPECT_EQ(mplabXProjectName("C:\\w\\MPLAB.X"), "MPLAB");
  EXPECT_EQ(mplabXProjectName("C:\\w\\pilot.x"), "pilot");
  EXPECT_EQ(mplabXProjectName("C:\\w\\10-TempSense"), "10-TempSense");
  EXPECT_EQ(mplabXProjectName("C:\\w\\T.X _V013"), "T.X _V013");
}

namespace {

// An XC32 project with two configurations that exercises the tree rules,
// exclusions, per-item overrides and the C and C++ sections.
const char Project[] = R"(<?xml version="1.0" encoding="UTF-8"?>
<configurationDescriptor version="65">
  <logicalFolder name="root" displayName="root" projectFiles="true">
    <logicalFolder name="SourceFiles" displayName="Source Files" projectFiles="true">
      <logicalFolder name="f1" displayName="app" projectFiles="true">
        <logicalFolder name="f2" displayName="deep" projectFiles="true">
          <itemPath>../src/deep.c</itemPath>
        </logicalFolder>
        <itemPath>../src/main.cpp</itemPath>
        <itemPath>../src/only_a.c</itemPath>
      </logicalFolder>
      <logicalFolder name="f3" displayName="empty" projectFiles="true"/>
    </logicalFolder>
    <logicalFolder name="ExternalFiles" displayName="Important Files" projectFiles="false">
      <itemPath>Makefile</itemPath>
      <itemPath>notes.c</itemPath>
      <logicalFolder name="f4" displayName="built" projectFiles="true">
        <itemPath>misc.c</itemPath>
        <itemPath>Makefile</itemPath>
      </logicalFolder>
    </logicalFolder>
    <itemPath>C:/abs/board.h</itemPath>
  </logicalFolder>
  <confs>
    <conf name="A" type="2">
      <toolsSet><languageToolchain>XC32</languageToolchain></toolsSet>
      <item path="../src/deep.c" ex="false" overriding="true">
        <C32><property key="preprocessor-macros" value="OWN"/></C32>
      </item>
      <C32>
        <property key="extra-include-directories" value="../inc;;..\lib "/>
        <property key="preprocessor-macros" value="X=1;INLINE=&quot;static inline&quot;"/>
        <appendMe value="-DFROM_SWITCH -I ./sw"/>
      </C32>
      <C32CPP><property key="extra-include-directories" value="cpp"/></C32CPP>
      <C32Global><property key="common-include-directories" value="global"/></C32Global>
    </conf>
    <conf name="B" type="2">
      <toolsSet><languageToolchain>pic-as</languageToolchain></toolsSet>
      <item path="../src/only_a.c" ex="true" overriding="false"/>
    </conf>
  </confs>
</configurationDescriptor>
)";

struct XProject {
  explicit XProject(const std::string& text, const std::string& configuration = "",
                    const std::string& extensions = "", bool readSwitches = false) {
    fs::create_directories(dir.path() / "demo.X" / "nbproject");
    writeBytes(dir.path() / "demo.X" / "nbproject" / "configurations.xml", text);
    settings = settingsFor(dir.toolPath("demo.X"), dir.toolPath("out"));
    settings.configuration = configuration;
    if (!extensions.empty())
      settings.addExtensions(extensions);
    settings.readSwitches = readSwitches;
  }
  void read() { model = ProjectConverter(settings).readProject(); }
  ProjectGroup& root() { return *model.rootGroup; }
  std::string path(const std::string& relative) { return dir.toolPath("demo.X") + "\\" + relative; }

  TempDir dir;
  ConversionSettings settings;
  ProjectModel model;
};

std::string readFailure(XProject& project) {
  try {
    project.read();
  } catch (const AsciiReaderError& error) {
    return error.reason;
  }
  return "read";
}

}  // namespace

TEST(MplabXReader, FoldersBecomeNestedGroupsOfTheFilesTheIdeBuilds) {
  XProject project(Project);
  project.read();
  ProjectGroup& root = project.root();
  EXPECT_EQ(root.name, "demo");
  EXPECT_EQ(defaultName(project.settings.sourceProject, findProjectSource(project.settings.sourceProject)), "demo");
  EXPECT_EQ(root.sourcePath, project.path(""));
  EXPECT_EQ(root.files.paths(), Strings{"C:\\abs\\board.h"});
  // "empty" holds nothing and is left out; "built" counts inside a folder
  // that builds nothing itself, and no Makefile is a file.
  ASSERT_EQ(root.children.size(), 2u);
  const ProjectGroup& sources = *root.children[0];
  EXPECT_EQ(sources.name, "Source Files");
  ASSERT_EQ(sources.children.size(), 1u);
  const ProjectGroup& app = *sources.children[0];
  EXPECT_EQ(app.name, "app");
  EXPECT_EQ(app.files.paths(), (Strings{project.path("..\\src\\main.cpp"), project.path("..\\src\\only_a.c")}));
  ASSERT_EQ(app.children.size(), 1u);
  EXPECT_EQ(app.children[0]->files.paths(), Strings{project.path("..\\src\\deep.c")});
  const ProjectGroup& important = *root.children[1];
  EXPECT_TRUE(important.files.empty());
  ASSERT_EQ(important.children.size(), 1u);
  EXPECT_EQ(important.children[0]->files.paths(), Strings{project.path("misc.c")});
}

TEST(MplabXReader, SettingsGoToTheRootAndEachFileGetsItsOwnFlags) {
  XProject project(Project, "", "", true);
  project.read();
  ProjectGroup& root = project.root();
  const Strings includes{project.path("global"), project.path("..\\inc"), project.path("..\\lib"),
                         project.path(".\\sw")};
  EXPECT_EQ(root.includePaths.paths(), includes);
  EXPECT_EQ(root.defines, (DefineTable{
                              {"X", "1"}, {"INLINE", "static inline"}, {"FROM_SWITCH", ""}}));
  const FileFlagTable& flags = project.model.rules.fileFlags;
  EXPECT_EQ(flags.directory, project.path("").substr(0, project.path("").size() - 1));
  EXPECT_EQ(flags.cFlags.includePaths, includes);
  EXPECT_EQ(flags.cFlags.definitions, (Strings{"X=1", "INLINE=static inline", "FROM_SWITCH"}));
  // C++ files take the C++ section and the global one; the C section's
  // additional options are not theirs.
  EXPECT_EQ(flags.cppFlags.includePaths, (Strings{project.path("global"), project.path("cpp")}));
  EXPECT_TRUE(flags.cppFlags.definitions.empty());
  // The overriding item keeps only its own section, plus the global one.
  const auto own = flags.overrides.find(project.path("..\\src\\deep.c"));
  ASSERT_NE(own, flags.overrides.end());
  EXPECT_EQ(own->second.definitions, Strings{"OWN"});
  EXPECT_EQ(own->second.includePaths, Strings{project.path("global")});
}

TEST(MplabXReader, ConfigurationChoiceExclusionsAndTheFilter) {
  XProject second(Project, "B", "c");
  second.read();
  // B excludes only_a.c and has no C section: files, but no settings; the
  // filter leaves main.cpp and board.h out.
  const ProjectGroup& app = *second.root().children.at(0)->children.at(0);
  EXPECT_TRUE(app.files.empty());
  EXPECT_EQ(app.children.at(0)->files.paths(), Strings{second.path("..\\src\\deep.c")});
  EXPECT_TRUE(second.root().files.empty());
  EXPECT_TRUE(second.root().includePaths.empty());
  XProject unknown(Project, "C");
  EXPECT_EQ(readFailure(unknown), "no configuration C in " + unknown.path("nbproject\\configurations.xml") +
                                      "; it has: A, B");
}

TEST(MplabXReader, FilesThatAreNoProjectStopTheRunWithTheirReason) {
  const std::pair<const char*, const char*> cases[] = {
      {"<<<<<<< HEAD\n<configurationDescriptor/>\n=======\n", "merge-conflict markers"},
      {"<configurationDescriptor><confs>", "not well-formed XML"},
      {"<project/>", "has no configurationDescriptor"},
      {"<configurationDescriptor><confs/></configurationDescriptor>", "has no configuration"},
  };
  for (const auto& [text, reason] : cases) {
    XProject project(text);
    EXPECT_NE(readFailure(project).find(reason), std::string::npos) << text;
  }
  XProject withBom(std::string("\xEF\xBB\xBF") + Project);
  EXPECT_EQ(readFailure(withBom), "read");
}
