// MPLAB X projects from real repositories: the database must compile the
// files MPLAB X's own makefiles compile, with the same -I and -D, and every
// real configurations.xml must convert or stop with its reason.

#include <gtest/gtest.h>

#include <fstream>
#include <map>

#include <nlohmann/json.hpp>

#include "mplabx/MplabXToolchains.h"
#include "support/DatabaseLines.h"
#include "support/RunQuillbrook.h"

namespace fs = std::filesystem;

namespace {

using Words = std::vector<std::string>;

// A makefile recipe's words as the shell hands them on: blanks end words
// outside quotes, quotes are dropped, a backslash outside quotes keeps the
// next character.
Words shellWords(const std::string& line) {
  Words words;
  std::string word;
  bool inWord = false;
  char quote = 0;
  for (std::size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (quote != 0) {
      if (c == quote)
        quote = 0;
      else
        word += c;
    } else if (c == '"' || c == '\'') {
      quote = c;
      inWord = true;
    } else if (c == '\\' && i + 1 < line.size()) {
      word += line[++i];
      inWord = true;
    } else if (c == ' ' || c == '\t') {
      if (inWord)
        words.push_back(word);
      word.clear();
      inWord = false;
    } else {
      word += c;
      inWord = true;
    }
  }
  if (inWord)
    words.push_back(word);
  return words;
}

bool isCSource(const std::string& word) {
  const std::string extension = fs::path(word).extension().string();
  return word[0] != '-' && (extension == ".c" || extension == ".cpp");
}

std::string normal(const fs::path& path) {
  return path.lexically_normal().generic_string();
}

// Macros MPLAB X adds to its own compile lines, never from the project.
bool isIdeMacro(const std::string& definition) {
  return definition.rfind("__DEBUG", 0) == 0 || definition.rfind("__MPLAB_DEBUGGER_", 0) == 0 ||
         definition.rfind("XPRJ_", 0) == 0;
}

// The C and C++ compile lines of a generated makefile, by source; the last
// line of a source wins, which is the production image's. Sources the
// repository does not hold are left out, as the database leaves them out.
CompileLines makefileLines(const fs::path& makefile, const fs::path& projectDir) {
  CompileLines lines;
  std::ifstream in(makefile);
  std::string text;
  while (std::getline(in, text)) {
    if (text.empty() || text[0] != '\t' ||
        (text.find("${MP_CC}") == std::string::npos && text.find("${MP_CPPC}") == std::string::npos))
      continue;
    const Words words = shellWords(text);
    CompileLine line;
    std::string source;
    for (std::size_t i = 0; i < words.size(); ++i) {
      const std::string& word = words[i];
      if (word.rfind("-I", 0) == 0) {
        const std::string folder = word.size() > 2 ? word.substr(2) : words.at(++i);
        if (folder.find('$') == std::string::npos)
          line.includes.push_back(normal(projectDir / folder));
      } else if (word.rfind("-D", 0) == 0 && !isIdeMacro(word.substr(2))) {
        line.definitions.push_back(word.substr(2));
      } else if (isCSource(word)) {
        source = normal(projectDir / word);
      }
    }
    if (!source.empty() && fs::exists(source))
      lines[source] = line;
  }
  return lines;
}

struct FreshMakefile {
  const char* project;
  const char* configuration;
  // The configuration's languageToolchain and targetDevice, whose compiler
  // macros the database adds before the project's.
  const char* toolchain;
  const char* device;
};

// The configurations whose committed makefile was generated from the
// committed configurations.xml (the projects' README says which are not).
const FreshMakefile FreshMakefiles[] = {
    {"928dk+touchsense-18f26k20", "default", "XC8", "PIC18F26K20"},
    {"CalSol+datalogger-pic24/calsol-datalogger.X", "Datalogger1.4_Development", "XC16",
     "dsPIC33EP256MU806"},
    {"CalSol+datalogger-pic24/calsol-datalogger.X", "Datalogger1.4_Production", "XC16",
     "dsPIC33EP256MU806"},
    {"DimiWang+PIC32MZ_Bootloader/firmware/BOOTLOADER.X", "MZ1024_RELEASE", "XC32",
     "PIC32MZ1024EFH100"},
    {"DimiWang+PIC32MZ_Bootloader/firmware/BOOTLOADER.X", "MX256_RELEASE", "XC32",
     "PIC32MZ1024EFH100"},
    {"samdolt+PIC32_Cpp/PIC32_Cpp.X", "default", "XC32", "PIC32MX795F512L"},
};

// The configuration names an unknown -conf lists: "...; it has: A, B".
Words configurationNames(const fs::path& project, const fs::path& workDir) {
  const ProcessResult result = runQuillbrook(
      {arg(project), arg(workDir / "none"), "-cp", "c.p_c", "-conf", "?"}, workDir);
  const std::string mark = "; it has: ";
  const std::string::size_type at = result.errors.find(mark);
  if (at == std::string::npos)
    return {};
  std::string list = result.errors.substr(at + mark.size());
  // Windows ends the line with CR LF.
  list = list.substr(0, list.find_first_of("\r\n"));
  Words names;
  for (std::string::size_type start = 0;;) {
    const std::string::size_type comma = list.find(", ", start);
    names.push_back(list.substr(start, comma - start));
    if (comma == std::string::npos)
      return names;
    start = comma + 2;
  }
}

// Lines of the .prj that name a file: neither a key nor a marker.
std::size_t projectFileLines(const fs::path& prj) {
  std::ifstream in(prj);
  std::string line;
  std::size_t count = 0;
  while (std::getline(in, line)) {
    if (line.find('=') == std::string::npos && line.find("Marker") == std::string::npos &&
        line.rfind("VersionTag", 0) != 0)
      ++count;
  }
  return count;
}

}  // namespace

TEST(MplabXProjects, DatabaseMatchesTheIdeMakefiles) {
  const fs::path projects = fs::path(MPLABX_DIR) / "projects";
  if (!fs::is_directory(projects))
    GTEST_SKIP() << "no complete MPLAB X projects at " << projects.string();
  TempDir dir;
  writeBytes(dir.path() / "c.p_c", "");
  for (const FreshMakefile& fresh : FreshMakefiles) {
    SCOPED_TRACE(std::string(fresh.project) + " " + fresh.configuration);
    const fs::path projectDir = (projects / fs::path(fresh.project)).make_preferred();
    const fs::path out = dir.path() / "out";
    fs::remove_all(out);
    fs::create_directory(out);
    const ProcessResult result =
        runQuillbrook({arg(projectDir), arg(out), "-cp", "c.p_c", "-conf", fresh.configuration,
                       "-cdb", arg(out / "db.json")},
                      dir.path());
    ASSERT_EQ(result.exitCode, 0) << result.output << result.errors;
    const CompileLines expected = makefileLines(
        projectDir / "nbproject" / ("Makefile-" + std::string(fresh.configuration) + ".mk"),
        projectDir);
    const CompileLines actual =
        databaseLines(out / "db.json", [](const std::string& path) { return normal(path); });
    const Words predefined = predefinedMacros(toolchainCompiler(fresh.toolchain), fresh.device);
    ASSERT_FALSE(predefined.empty());
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(actual.size(), expected.size());
    for (const auto& [source, line] : expected) {
      SCOPED_TRACE(source);
      const auto found = actual.find(source);
      ASSERT_NE(found, actual.end());
      EXPECT_EQ(found->second.includes, line.includes);
      Words definitions = predefined;
      definitions.insert(definitions.end(), line.definitions.begin(), line.definitions.end());
      EXPECT_EQ(found->second.definitions, definitions);
    }
  }
}

TEST(MplabXProjects, EveryCorpusFileConvertsInEveryConfigurationOrStopsWithItsReason) {
  const fs::path corpus = fs::path(MPLABX_DIR) / "corpus";
  if (!fs::is_directory(corpus))
    GTEST_SKIP() << "no corpus of MPLAB X files at " << corpus.string();
  TempDir dir;
  writeBytes(dir.path() / "c.p_c", "");
  int converted = 0;
  int stopped = 0;
  for (const auto& entry : fs::directory_iterator(corpus)) {
    if (entry.path().extension() != ".xml")
      continue;
    SCOPED_TRACE(entry.path().filename().string());
    // A project folder of its own, so the file sits where the tool looks.
    const fs::path project = dir.path() / (std::to_string(converted + stopped) + ".X");
    fs::create_directories(project / "nbproject");
    fs::copy_file(entry.path(), project / "nbproject" / "configurations.xml");
    const Words names = configurationNames(project, dir.path());
    if (names.empty()) {
      const ProcessResult result =
          runQuillbrook({arg(project), arg(dir.path() / "x"), "-cp", "c.p_c"}, dir.path());
      EXPECT_EQ(result.exitCode, 1);
      EXPECT_EQ(result.output.rfind("Could not open file: ", 0), 0u) << result.output;
      EXPECT_NE(result.errors.find("Quillbrook: "), std::string::npos);
      ++stopped;
      continue;
    }
    for (const std::string& name : names) {
      SCOPED_TRACE(name);
      const fs::path out = project / ("o-" + name);
      fs::create_directory(out);
      const ProcessResult result = runQuillbrook(
          {arg(project), arg(out), "-cp", "c.p_c", "-conf", name, "-cdb", arg(out / "d.json")},
          dir.path());
      ASSERT_EQ(result.exitCode, 0) << result.output << result.errors;
      EXPECT_GT(projectFileLines(out / (project.stem().string() + ".prj")), 0u);
    }
    ++converted;
  }
  EXPECT_GT(converted, 60);
  EXPECT_EQ(stopped, 1);
}
