// The bundled example converted with drive-letter paths gives the same
// project and personality bytes as the Linux build gives for the same input;
// only the two folders involved are spelled differently. The Linux build's
// output is made by make-linux-reference (run by scripts/test-windows).

#include <gtest/gtest.h>

#include <fstream>
#include <map>

#include "DriveState.h"
#include "support/RunQuillbrook.h"

namespace fs = std::filesystem;

namespace {

struct Conversion {
  std::string status;
  std::string console;
  // Every file written below the destination, by relative name.
  std::map<std::string, std::string> files;
};

std::string replacedEverywhere(std::string text, const std::string& from, const std::string& to) {
  std::size_t at = text.find(from);
  while (at != std::string::npos) {
    text.replace(at, from.size(), to);
    at = text.find(from, at + to.size());
  }
  return text;
}

// The conversion with its two folders replaced by fixed names.
class FolderNames {
public:
  FolderNames(const std::string& home, const std::string& examples)
      : home(home), examples(examples) {}

  std::string neutral(const std::string& text) const {
    return replacedEverywhere(replacedEverywhere(text, home, "%HOME%"), examples, "%EXAMPLES%");
  }

  Conversion neutral(const fs::path& out, const std::string& status,
                     const std::string& console) const {
    Conversion conversion{status, neutral(console), {}};
    for (const std::string& entry : listTree(out))
      conversion.files[entry] = entry.back() == '/' ? "" : neutral(readBytes(out / entry));
    return conversion;
  }

private:
  std::string home;
  std::string examples;
};

std::vector<std::string> linesOf(const fs::path& path) {
  std::ifstream in(path);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);)
    lines.push_back(line);
  return lines;
}

Conversion linuxConversion(const fs::path& reference) {
  const std::vector<std::string> folders = linesOf(reference / "folders.txt");
  const std::vector<std::string> status = linesOf(reference / "status.txt");
  const FolderNames names(folders.at(0), folders.at(1));
  return names.neutral(reference / "out", status.at(0), readBytes(reference / "console.txt"));
}

}  // namespace

TEST(ExampleOnWindows, DriveLetterConversionMatchesTheLinuxBuild) {
  const fs::path reference = LINUX_REFERENCE_DIR;
  if (!fs::exists(reference / "folders.txt"))
    GTEST_SKIP() << "no Linux reference in " << reference.string()
                 << "; scripts/test-windows makes it";
  TempDir dir;
  fs::create_directory(dir.path() / "out");
  const std::string home = dir.toolPath();
  const std::string examples = EXAMPLES_DIR;
  const std::string homeDrive = home.substr(0, 2);
  const std::string examplesDrive = examples.substr(0, 2);
  if (homeDrive == examplesDrive)
    GTEST_SKIP() << "the examples must be on another drive than " << home;
  // The child inherits the variable, so "Z:motor" means the examples folder.
  DriveState drives;
  drives.setDriveDirectory(examplesDrive, examples);

  const ProcessResult result = runQuillbrook(
      {examplesDrive + "motor\\motor.mcp", homeDrive + "out", "-cp",
       examplesDrive + "personalities\\pic18.p_c", "-ap",
       examples + "\\personalities\\template.p_a", "-ext", "c,h"},
      dir.path());

  const Conversion onWindows = FolderNames(home, examples)
                                 .neutral(dir.path() / "out", std::to_string(result.exitCode),
                                          result.output);
  const Conversion onLinux = linuxConversion(reference);
  EXPECT_EQ(onWindows.status, onLinux.status);
  EXPECT_EQ(onWindows.console, onLinux.console);
  EXPECT_EQ(onWindows.files, onLinux.files);
  EXPECT_NE(onLinux.files.count("motor.prj"), 0u);
  EXPECT_NE(onLinux.files.count("motor/person/motor.p_a"), 0u);
}
