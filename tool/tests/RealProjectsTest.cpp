// Real projects as their authors left them, written on Windows machines:
// converted with "-sw -cdb", every entry of the database names a source on
// this machine and cppcheck loads the database; with the "-map" values that
// point their authors' folders at this tree, cppcheck finds every quoted
// include that the tree holds under the name written.

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <regex>
#include <set>

#include <nlohmann/json.hpp>

#include "support/RunQuillbrook.h"

namespace fs = std::filesystem;

namespace {

const std::string Cppcheck = CPPCHECK_EXE;

// "-map" values by project: FROM either a drive path or relative to the
// project file's folder, TO relative to the real-projects folder.
const std::map<std::string, std::vector<std::pair<std::string, std::string>>> Maps = {
    {"P01", {{"C:\\C32", "luciodj+ExploringPIC32"}}},
    {"P02", {{"C:\\C32", "luciodj+ExploringPIC32"}}},
    {"P06",
     {{"../MMB", "jcespinoza+PIC32MX460F512L_Examples/MMB"},
      {"../Microchip", "jcespinoza+PIC32MX460F512L_Examples/Microchip"}}},
    {"P08", {{"../lib/common", "bjones1+pic24lib_all/lib/src"}}},
    {"P09",
     {{"../lib/common", "bjones1+pic24lib_all/lib/src"},
      {"C:\\repos\\ece3724\\trunk\\PIC24\\code\\common", "bjones1+pic24lib_all/lib/src"}}},
};

struct RealProject {
  std::string id;
  // Relative to the real-projects folder; the first component is the
  // repository's folder.
  std::string mcp;
};

std::vector<RealProject> manifest(const fs::path& folder) {
  std::vector<RealProject> projects;
  std::ifstream in(folder / "MANIFEST.tsv");
  std::string line;
  std::getline(in, line);  // the column names
  while (std::getline(in, line)) {
    std::vector<std::string> columns;
    std::stringstream fields(line);
    for (std::string column; std::getline(fields, column, '\t');)
      columns.push_back(column);
    if (columns.size() > 3)
      projects.push_back({columns[0], columns[3]});
  }
  return projects;
}

// Every file below `top` as a generic path.
std::set<std::string> filesBelow(const fs::path& top) {
  std::set<std::string> files;
  for (const auto& entry : fs::recursive_directory_iterator(top)) {
    if (entry.is_regular_file())
      files.insert(entry.path().generic_string());
  }
  return files;
}

// True when some file of the tree ends in "/" and the include as written.
bool inTree(const std::set<std::string>& files, const std::string& include) {
  const std::string tail = "/" + include;
  for (const std::string& file : files) {
    if (file.size() >= tail.size() && file.compare(file.size() - tail.size(), tail.size(), tail) == 0)
      return true;
  }
  return false;
}

// The quoted includes cppcheck reports missing.
std::set<std::string> missingQuotedIncludes(const std::string& report) {
  static const std::regex missing("Include file: \"([^\"]*)\" not found\\. \\[missingInclude\\]");
  std::set<std::string> names;
  for (std::sregex_iterator it(report.begin(), report.end(), missing), end; it != end; ++it)
    names.insert((*it)[1]);
  return names;
}

std::vector<std::string> mapArguments(const fs::path& folder, const fs::path& mcp,
                                      const std::string& id) {
  std::vector<std::string> arguments;
  const auto maps = Maps.find(id);
  if (maps == Maps.end())
    return arguments;
  for (const auto& [from, to] : maps->second) {
    const std::string start = from.find(':') == std::string::npos
                                  ? arg(mcp.parent_path()) + "/" + from
                                  : from;
    arguments.push_back("-map");
    arguments.push_back(start + "=" + arg(folder / to));
  }
  return arguments;
}

}  // namespace

TEST(RealProjects, DatabaseNamesSourcesThatExistAndCppcheckFindsTheProjectsHeaders) {
  const fs::path folder = fs::path(REALPROJECTS_DIR);
  if (!fs::is_regular_file(folder / "MANIFEST.tsv"))
    GTEST_SKIP() << "no real projects at " << folder.string();
  if (Cppcheck.empty())
    std::cout << "cppcheck was not found when the build was configured: only the database "
                 "files are checked\n";
  std::map<std::string, std::set<std::string>> trees;
  int checked = 0;
  for (const RealProject& project : manifest(folder)) {
    // The manifest writes "/"; the tool on Windows takes only "\" as a
    // separator of the project file's name.
    const fs::path mcp = (folder / fs::u8path(project.mcp)).make_preferred();
    const std::vector<std::string> maps = mapArguments(folder, mcp, project.id);
    // As the author left it, then pointed at this tree where it needs that.
    for (const bool mapped : {false, true}) {
      if (mapped && maps.empty())
        continue;
      SCOPED_TRACE(project.id + (mapped ? " with -map " : " ") + project.mcp);
      TempDir dir;
      std::vector<std::string> arguments = {arg(mcp), arg(dir.path()), "-sw", "-cdb", "cc.json"};
      if (mapped)
        arguments.insert(arguments.end(), maps.begin(), maps.end());
      const ProcessResult conversion = runQuillbrook(arguments, dir.path());
      ASSERT_EQ(conversion.exitCode, 0) << conversion.output << conversion.errors;
      EXPECT_EQ(conversion.errors.find("matched no path"), std::string::npos) << conversion.errors;
      const nlohmann::json database = nlohmann::json::parse(readBytes(dir.path() / "cc.json"));
      for (const nlohmann::json& entry : database)
        EXPECT_TRUE(fs::exists(fs::u8path(entry["file"].get<std::string>()))) << entry["file"];
      ++checked;
      if (Cppcheck.empty() || database.empty())
        continue;
      const ProcessResult analysis = runProcess(
          Cppcheck, {"--project=cc.json", "--check-config", "--output-file=report.txt"},
          dir.path().string());
      const std::string said = analysis.output + analysis.errors;
      EXPECT_EQ(said.find("does not exist"), std::string::npos) << said;
      EXPECT_EQ(said.find("failed to load"), std::string::npos) << said;
      if (!maps.empty() && !mapped)
        continue;
      const std::string repository = project.mcp.substr(0, project.mcp.find('/'));
      if (trees.count(repository) == 0)
        trees[repository] = filesBelow(folder / repository);
      // The compiler's own macros take Compiler.h past its #error.
      const ProcessResult preprocessed =
          runProcess(Cppcheck, {"--project=cc.json", "-E"}, dir.path().string());
      EXPECT_EQ((preprocessed.output + preprocessed.errors).find("Unknown processor or compiler"),
                std::string::npos);
      const std::string report = readBytes(dir.path() / "report.txt");
      for (const std::string& include : missingQuotedIncludes(report))
        EXPECT_FALSE(inTree(trees[repository], include)) << "missing: " << include;
    }
  }
  EXPECT_GT(checked, 0);
}
