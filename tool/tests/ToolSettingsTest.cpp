#include <gtest/gtest.h>

#include "support/ParsedProject.h"

using Paths = std::vector<std::string>;
using Defines = DefineTable;

TEST(ToolSettings, IncludePathsResolveAgainstTheProjectFolder) {
  ParsedProject project(lfLines({"dir_src=elsewhere", "dir_inc=C:\\mcc\\h;inc;..\\common"}));
  const std::string folder = project.dir.toolPath();
  EXPECT_EQ(project.root().includePaths.paths(),
            (Paths{"C:\\mcc\\h", folder + "\\inc", folder + "\\..\\common"}));
}

TEST(ToolSettings, EmptyIncludeItemsBecomeTheProjectFolder) {
  ParsedProject project(lfLines({"dir_inc=", "dir_inc=a;"}));
  const std::string folder = project.dir.toolPath();
  EXPECT_EQ(project.root().includePaths.paths(),
            (Paths{folder + "\\", folder + "\\a", folder + "\\"}));
}

TEST(ToolSettings, IncludeQuotesAreTrimmedBeforeEntitiesAreReplaced) {
  ParsedProject project(lfLines({"dir_inc=\"C:\\a\";\"C:\\b\";\"C:\\c\"",
                                 "dir_inc=&quot;C:\\d&quot;"}));
  EXPECT_EQ(project.root().includePaths.paths(),
            (Paths{"C:\\a\"", "\"C:\\b\"", "\"C:\\c", "\"C:\\d\""}));
}

TEST(ToolSettings, IncludeItemLosesALeftoverCarriageReturn) {
  ParsedProject project("dir_inc=C:\\a;C:\\b\r\r\n");
  EXPECT_EQ(project.root().includePaths.paths(), (Paths{"C:\\a", "C:\\b"}));
}

TEST(ToolSettings, DefinesComeFromTheFirstD1ValueOfToolSettingLines) {
  ParsedProject project(lfLines({"TS{1}=-O2 D1=A,B=2,C=%22x%22 D1=IGNORED",
                                 "TS{2}=no definitions here", "D1=NOT_A_TOOL_LINE"}));
  EXPECT_EQ(project.root().defines, (Defines{{"A", ""}, {"B", "2"}, {"C", "\"x\""}}));
}

TEST(ToolSettings, LaterDefinitionsReplaceEarlierOnes) {
  ParsedProject project(lfLines({"TS{1}=D1=A=1,B=1", "TS{2}=D1=A,B=3"}));
  EXPECT_EQ(project.root().defines, (Defines{{"A", ""}, {"B", "3"}}));
  ParsedProject oneLine(lfLines({"TS{1}=D1=C=1,B=%22b,A,C=2,B,C=3"}));
  EXPECT_EQ(oneLine.root().defines, (Defines{{"A", ""}, {"B", ""}, {"C", "3"}}));
}

TEST(ToolSettings, DefineValueBoundaries) {
  ParsedProject atEnd(lfLines({"TS{1}=x D1="}));
  EXPECT_EQ(atEnd.root().defines, (Defines{{"", ""}}));

  // A space directly behind "D1=" belongs to the value.
  ParsedProject leadingSpace(lfLines({"TS{1}=D1= A,B more"}));
  EXPECT_EQ(leadingSpace.root().defines, (Defines{{" A", ""}, {"B", ""}}));

  ParsedProject quoted(lfLines({"TS{1}=D1=\"&quot;N&quot;=1,M\""}));
  EXPECT_EQ(quoted.root().defines, (Defines{{"\"N\"", "1"}, {"M", ""}}));
}

TEST(ToolSettings, OnlyTheRootGroupCarriesSettings) {
  ParsedProject project(lfLines({"subfolder_src=src", "dir_inc=C:\\inc", "TS{1}=D1=X"}));
  ASSERT_EQ(project.root().children.size(), 1u);
  EXPECT_TRUE(project.child(0).includePaths.empty());
  EXPECT_TRUE(project.child(0).defines.empty());
  EXPECT_EQ(project.root().includePaths.size(), 1u);
}

namespace {

ParsedProject withSwitches(const std::string& mcpText) {
  return ParsedProject(mcpText, "", true);
}

}  // namespace

TEST(ToolSettings, SwitchesAreReadOnlyWhenAskedFor) {
  const std::string text =
      lfLines({"dir_inc=C:\\inc", "TS{1}=-g -DPIC32=1 -Iextra -Os", "TS{1}_alt=yes"});
  ParsedProject without(text);
  EXPECT_TRUE(without.root().defines.empty());
  EXPECT_EQ(without.root().includePaths.paths(), (Paths{"C:\\inc"}));

  ParsedProject with = withSwitches(text);
  EXPECT_EQ(with.root().defines, (Defines{{"PIC32", "1"}}));
  EXPECT_EQ(with.root().includePaths.paths(), (Paths{"C:\\inc", with.dir.toolPath() + "\\extra"}));
}

TEST(ToolSettings, SwitchesMergeWithD1AndDirIncInFileOrder) {
  ParsedProject project = withSwitches(lfLines(
      {"dir_inc=first;C:\\second", "TS{1}=C9=1 D1=A=1,B=%22q%22 FE=31 -DA=2 -DC",
       "TS{2}=-I \"C:\\My Files\\inc\" -I..\\common -DB=\\\"r\\\" -DC=3 -D=9",
       "dir_inc=last", "TS{3}=D1=C"}));
  const std::string folder = project.dir.toolPath();
  // Include paths keep the order in which the file lists them.
  EXPECT_EQ(project.root().includePaths.paths(),
            (Paths{folder + "\\first", "C:\\second", "C:\\My Files\\inc", folder + "\\..\\common",
                   folder + "\\last"}));
  // A later definition replaces an earlier one of the same name, whichever
  // form each took; one without a name is skipped.
  EXPECT_EQ(project.root().defines, (Defines{{"A", "2"}, {"B", "\"r\""}, {"C", ""}}));
}

TEST(ToolSettings, SwitchTextStartsAfterTheFirstEquals) {
  // "TS{" without "=" has no switches; a "D1=" item is no switch either.
  ParsedProject project = withSwitches(lfLines({"TS{1} -DNOPE", "TS{2}=-DYES=1 D1=-DNO"}));
  EXPECT_EQ(project.root().defines, (Defines{{"-DNO", ""}, {"YES", "1"}}));
}
