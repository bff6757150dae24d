#include <gtest/gtest.h>

#include "driver/ProjectConverter.h"

TEST(Model, RootGroupNameDropsTheLastFourCharacters) {
  EXPECT_EQ(rootGroupName("C:\\work\\motor.mcp"), "motor");
  EXPECT_EQ(rootGroupName("C:\\work\\MOTOR.MCP"), "MOTOR");
  EXPECT_EQ(rootGroupName("C:\\work\\motor.rev.mcp"), "motor.rev");
  EXPECT_EQ(rootGroupName("C:\\work\\motor.x"), "mot");
  EXPECT_EQ(rootGroupName("C:\\work\\abc"), "abc");
  EXPECT_EQ(rootGroupName("C:\\work\\abcd"), "");
}

TEST(Model, ConverterStartsWithEmptySettingsAndANamedRoot) {
  ProjectConverter converter("C:\\work\\motor.mcp", "C:\\out");
  EXPECT_EQ(converter.getProjectName(), "");
  EXPECT_EQ(converter.getMessagePersonality(), "");
  EXPECT_EQ(converter.getAnalyserPersonality(), "");
  EXPECT_EQ(converter.getCompilerPersonality(), "");
  EXPECT_TRUE(converter.getExtensions().empty());
  ProjectGroup* root = converter.getRootGroup();
  EXPECT_EQ(root->name, "motor");
  EXPECT_EQ(root->sourcePath, "");
  EXPECT_EQ(root->converter, &converter);
}

TEST(Model, AddExtensionsKeepsEmptyItemsAndRepeats) {
  ProjectConverter converter("C:\\a.mcp", "C:\\out");
  converter.addExtensions("");
  EXPECT_EQ(converter.getExtensions(), (std::vector<std::string>{""}));
  converter.addExtensions("c,,h,");
  converter.addExtensions("C");
  EXPECT_EQ(converter.getExtensions(),
            (std::vector<std::string>{"", "c", "", "h", "", "C"}));
}

TEST(Model, AccessorsReturnCopies) {
  ProjectConverter converter("C:\\a.mcp", "C:\\out");
  converter.projectName = "demo";
  std::string copy = converter.getProjectName();
  copy += "x";
  EXPECT_EQ(converter.getProjectName(), "demo");
}
