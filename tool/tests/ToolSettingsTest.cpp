#include <gtest/gtest.h>

#include "support/ParsedProject.h"

using Paths = std::vector<std::string>;
using Defines = std::map<std::string, std::string>;

TEST(ToolSettings, IncludePathsResolveAgainstTheProjectFolder) {
  ParsedProject project(lfLines({"dir_src=elsewhere", "dir_inc=C:\\mcc\\h;inc;..\\common"}));
  const std::string folder = project.dir.toolPath();
  EXPECT_EQ(project.root().includePaths,
            (Paths{"C:\\mcc\\h", folder + "\\inc", folder + "\\..\\common"}));
}

TEST(ToolSettings, EmptyIncludeItemsBecomeTheProjectFolder) {
  ParsedProject project(lfLines({"dir_inc=", "dir_inc=a;"}));
  const std::string folder = project.dir.toolPath();
  EXPECT_EQ(project.root().includePaths,
            (Paths{folder + "\\", folder + "\\a", folder + "\\"}));
}

TEST(ToolSettings, IncludeQuotesAreTrimmedBeforeEntitiesAreReplaced) {
  ParsedProject project(lfLines({"dir_inc=\"C:\\a\";\"C:\\b\";\"C:\\c\"",
                                 "dir_inc=&quot;C:\\d&quot;"}));
  EXPECT_EQ(project.root().includePaths,
            (Paths{"C:\\a\"", "\"C:\\b\"", "\"C:\\c", "\"C:\\d\""}));
}

TEST(ToolSettings, IncludeItemLosesALeftoverCarriageReturn) {
  ParsedProject project("dir_inc=C:\\a;C:\\b\r\r\n");
  EXPECT_EQ(project.root().includePaths, (Paths{"C:\\a", "C:\\b"}));
}

TEST(ToolSettings, DefinesComeFromTheFirstD1ValueOfToolSettingLines) {
  ParsedProject project(lfLines({"TS{1}=-O2 D1=A,B=2,C=%22x%22 D1=IGNORED",
                                 "TS{2}=no definitions here", "D1=NOT_A_TOOL_LINE"}));
  EXPECT_EQ(project.root().defines, (Defines{{"A", ""}, {"B", "2"}, {"C", "\"x\""}}));
}

TEST(ToolSettings, LaterDefinitionsReplaceEarlierOnes) {
  ParsedProject project(lfLines({"TS{1}=D1=A=1,B=1", "TS{2}=D1=A,B=3"}));
  EXPECT_EQ(project.root().defines, (Defines{{"A", ""}, {"B", "3"}}));
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
