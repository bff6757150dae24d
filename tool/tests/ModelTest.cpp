#include <gtest/gtest.h>

#include "mcp/McpReader.h"
#include "settings/ConversionSettings.h"

TEST(Model, RootGroupNameDropsTheLastFourCharacters) {
  EXPECT_EQ(rootGroupName("C:\\work\\motor.mcp"), "motor");
  EXPECT_EQ(rootGroupName("C:\\work\\MOTOR.MCP"), "MOTOR");
  EXPECT_EQ(rootGroupName("C:\\work\\motor.rev.mcp"), "motor.rev");
  EXPECT_EQ(rootGroupName("C:\\work\\motor.x"), "mot");
  EXPECT_EQ(rootGroupName("C:\\work\\abc"), "abc");
  EXPECT_EQ(rootGroupName("C:\\work\\abcd"), "");
}

TEST(Model, SettingsStartEmpty) {
  const ConversionSettings settings;
  EXPECT_EQ(settings.getProjectName(), "");
  EXPECT_EQ(settings.getMessagePersonality(), "");
  EXPECT_EQ(settings.getAnalyserPersonality(), "");
  EXPECT_EQ(settings.getCompilerPersonality(), "");
  EXPECT_TRUE(settings.getExtensions().empty());
}

TEST(Model, AddExtensionsKeepsEmptyItemsAndRepeats) {
  ConversionSettings converter;
  converter.addExtensions("");
  EXPECT_EQ(converter.getExtensions(), (std::vector<std::string>{""}));
  converter.addExtensions("c,,h,");
  converter.addExtensions("C");
  EXPECT_EQ(converter.getExtensions(),
            (std::vector<std::string>{"", "c", "", "h", "", "C"}));
}

TEST(Model, AccessorsReturnCopies) {
  ConversionSettings converter;
  converter.projectName = "demo";
  std::string copy = converter.getProjectName();
  copy += "x";
  EXPECT_EQ(converter.getProjectName(), "demo");
}
