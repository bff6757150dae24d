#include <gtest/gtest.h>

#include "cli/CommandLine.h"
#include "settings/ExtensionList.h"
#include "mcp/McpReader.h"
#include "support/ParsedProject.h"

namespace {

const std::string Source = "C:\\work\\motor.mcp";
const std::string Current = "C:\\work";

}  // namespace

TEST(CommandLine, DefaultProjectNameCutsAtTheLastDot) {
  EXPECT_EQ(defaultProjectName("C:\\work\\motor.mcp"), "motor");
  EXPECT_EQ(defaultProjectName("C:\\work\\motor.rev.mcp"), "motor.rev");
  EXPECT_EQ(defaultProjectName("C:\\w.d\\motor"), "motor");
  EXPECT_EQ(defaultProjectName("C:\\work\\.mcp"), "");
}

TEST(CommandLine, OptionsApplyAndLaterValuesReplaceEarlierOnes) {
  ConversionSettings converter = settingsFor(Source, "C:\\out");
  ASSERT_TRUE(applyOptions({"a.mcp", "out", "-pn", "first", "-cp", "C:\\p\\c.p_c",
                            "-mp", "C:\\p\\m.p_s", "-ap", "C:\\p\\a.p_a", "-pn", "second"},
                           converter, Current));
  EXPECT_EQ(converter.getProjectName(), "second");
  EXPECT_EQ(converter.getCompilerPersonality(), "C:\\p\\c.p_c");
  EXPECT_EQ(converter.getMessagePersonality(), "C:\\p\\m.p_s");
  EXPECT_EQ(converter.getAnalyserPersonality(), "C:\\p\\a.p_a");
}

TEST(CommandLine, ExtensionListsAddUp) {
  ConversionSettings converter = settingsFor(Source, "C:\\out");
  ASSERT_TRUE(applyOptions({"a", "b", "-ext", "c,h", "-ext", "c"}, converter, Current));
  EXPECT_EQ(converter.getExtensions(), (std::vector<std::string>{"c", "h", "c"}));
}

TEST(CommandLine, EveryPositionIsExaminedAsAnOptionWord) {
  ConversionSettings valueAsWord = settingsFor(Source, "C:\\out");
  ASSERT_TRUE(applyOptions({"a", "b", "-pn", "-cp", "C:\\x"}, valueAsWord, Current));
  EXPECT_EQ(valueAsWord.getProjectName(), "-cp");
  EXPECT_EQ(valueAsWord.getCompilerPersonality(), "C:\\x");

  ConversionSettings positional = settingsFor(Source, "C:\\out");
  ASSERT_TRUE(applyOptions({"-pn", "name", "-v", "third"}, positional, Current));
  EXPECT_EQ(positional.getProjectName(), "name");
}

TEST(CommandLine, OptionWordsMatchOnlyWholeAndExact) {
  ConversionSettings converter = settingsFor(Source, "C:\\out");
  converter.projectName = "motor";
  ASSERT_TRUE(applyOptions({"a", "b", "-PN", "x", "-pn=y", "z"}, converter, Current));
  EXPECT_EQ(converter.getProjectName(), "motor");
}

TEST(CommandLine, ProjectNameIsTakenVerbatim) {
  ConversionSettings converter = settingsFor(Source, "C:\\out");
  ASSERT_TRUE(applyOptions({"a", "b", "-pn", "dir\\name", "-pn", ""}, converter, Current));
  EXPECT_EQ(converter.getProjectName(), "");
}

TEST(CommandLine, OptionWordWithoutValueFailsTheScan) {
  ConversionSettings converter = settingsFor(Source, "C:\\out");
  EXPECT_FALSE(applyOptions({"a", "b", "-cp"}, converter, Current));
}

TEST(CommandLine, SwitchWordTakesNoValueAndCountsAnywhere) {
  ConversionSettings last = settingsFor(Source, "C:\\out");
  ASSERT_TRUE(applyOptions({"a", "b", "-pn", "p", "-sw"}, last, Current));
  EXPECT_TRUE(last.getReadSwitches());
  EXPECT_EQ(last.getProjectName(), "p");

  // Followed by an option word, which is then applied as usual.
  ConversionSettings first = settingsFor(Source, "C:\\out");
  ASSERT_TRUE(applyOptions({"a", "b", "-sw", "-pn", "q"}, first, Current));
  EXPECT_TRUE(first.getReadSwitches());
  EXPECT_EQ(first.getProjectName(), "q");

  ConversionSettings without = settingsFor(Source, "C:\\out");
  ASSERT_TRUE(applyOptions({"a", "b", "-SW", "-sw=1"}, without, Current));
  EXPECT_FALSE(without.getReadSwitches());
}

TEST(ExtensionList, ItemsThatCanMatchNothingAreNamed) {
  EXPECT_TRUE(extensionListWarnings("c,h,asm").empty());
  // A single empty item is a list of one, which is not warned about.
  EXPECT_TRUE(extensionListWarnings("").empty());
  const std::vector<std::string> warnings = extensionListWarnings(".c,*.h, asm,,inc");
  ASSERT_EQ(warnings.size(), 4u);
  EXPECT_EQ(warnings[0].rfind("-ext item \".c\" will match nothing", 0), 0u) << warnings[0];
  EXPECT_EQ(warnings[1].rfind("-ext item \"*.h\" will match nothing", 0), 0u) << warnings[1];
  EXPECT_EQ(warnings[2].rfind("-ext item \" asm\" will match nothing", 0), 0u) << warnings[2];
  EXPECT_EQ(warnings[3].rfind("-ext item \"\" (empty) will match nothing", 0), 0u) << warnings[3];
  EXPECT_EQ(extensionListWarnings("c,").size(), 1u);
}
