// A real consumer reads the database: cppcheck analyses the bundled example
// from it. app/control.c stops with #error unless MOTOR_POLES is defined,
// and cppcheck shows which definitions each file was checked with.

#include <gtest/gtest.h>

#include "support/RunQuillbrook.h"

namespace fs = std::filesystem;

namespace {

const std::string Cppcheck = CPPCHECK_EXE;

// "Checking <file>: <definitions>..." for the file, or "" when none.
std::string configurationLine(const std::string& output, const std::string& file) {
  const std::string start = "Checking " + file + ": ";
  const std::string::size_type at = output.find(start);
  if (at == std::string::npos)
    return "";
  return output.substr(at, output.find('\n', at) - at);
}

}  // namespace

TEST(Cppcheck, AnalysesTheBundledExampleFromItsDatabaseWithItsDefinitions) {
  if (Cppcheck.empty())
    GTEST_SKIP() << "cppcheck was not found when the build was configured "
                    "(apt-get install cppcheck, then configure again)";
  TempDir dir;
  const fs::path examples = EXAMPLES_DIR;
  const ProcessResult conversion = runQuillbrook(
      {arg(examples / "motor" / "motor.mcp"), arg(dir.path()), "-ext", "c,h", "-cdb",
       arg(dir.path() / "compile_commands.json")},
      dir.path());
  ASSERT_EQ(conversion.exitCode, 0) << conversion.output;

  const ProcessResult analysis =
      runProcess(Cppcheck,
                 {"--project=compile_commands.json", "--error-exitcode=1",
                  "--output-file=findings.txt"},
                 dir.path().string());

  const std::string findings = readBytes(dir.path() / "findings.txt");
  EXPECT_EQ(analysis.exitCode, 0) << findings;
  EXPECT_EQ(findings.find("#error"), std::string::npos) << findings;
  const fs::path motor = fs::canonical(examples / "motor");
  for (const char* file : {"app/main.c", "app/control.c", "drivers/pwm.c", "drivers/adc.c"}) {
    const std::string line = configurationLine(analysis.output, (motor / file).string());
    EXPECT_NE(line.find("MOTOR_POLES=4;PWM_KHZ=20;USE_ADC"), std::string::npos)
        << file << "\n" << analysis.output;
  }
}

// Without the project's definitions the guard does stop the analysis, so the
// test above proves that they arrive.
TEST(Cppcheck, GuardedExampleSourceFailsWithoutTheProjectDefinitions) {
  if (Cppcheck.empty())
    GTEST_SKIP() << "cppcheck was not found when the build was configured";
  TempDir dir;
  const fs::path control = fs::path(EXAMPLES_DIR) / "motor" / "app" / "control.c";
  const ProcessResult analysis =
      runProcess(Cppcheck,
                 {"-DSOMETHING_ELSE", "--error-exitcode=1", "--output-file=findings.txt",
                  control.string()},
                 dir.path().string());
  EXPECT_EQ(analysis.exitCode, 1);
  EXPECT_NE(readBytes(dir.path() / "findings.txt").find("#error"), std::string::npos);
}
