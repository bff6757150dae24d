// MPLAB 8 projects from real repositories: the database must compile the C
// files MPLAB IDE 8 recorded compiling (its exported makefiles and its .mcs
// build state), with the same -I in the same order and the same -D.

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>

#include <nlohmann/json.hpp>

#include "model/CompilerMacros.h"
#include "support/Mplab8Truth.h"
#include "support/DatabaseLines.h"
#include "support/RunQuillbrook.h"

namespace fs = std::filesystem;

namespace {

using Words = std::vector<std::string>;

// MPLAB ran on Windows: paths compare ignoring letter case.
std::string normal(const fs::path& path) {
  std::string text = lower(path.lexically_normal().generic_string());
  // "a/." is "a/", the same folder as "a".
  if (text.size() > 1 && text.back() == '/' && text[text.size() - 2] != ':')
    text.pop_back();
  return text;
}

std::string slashes(std::string path) {
  std::replace(path.begin(), path.end(), '\\', '/');
  return path;
}

bool isDrivePath(const std::string& path) {
  return path.size() >= 2 && path[1] == ':';
}

// The repository's files are stored under their own names, which the
// project may spell in another case.
bool existsIgnoringCase(const fs::path& path) {
  fs::path found = path.root_path();
  for (const fs::path& part : path.relative_path()) {
    if (fs::exists(found / part)) {
      found /= part;
      continue;
    }
    if (!fs::is_directory(found))
      return false;
    const auto entries = fs::directory_iterator(found);
    const auto match =
        std::find_if(begin(entries), end(entries), [&](const fs::directory_entry& entry) {
          return lower(entry.path().filename().string()) == lower(part.string());
        });
    if (match == end(entries))
      return false;
    found = match->path();
  }
  return true;
}

// "NAME" defines NAME as 1; the order of -D does not matter.
Words sortedMacros(Words definitions) {
  for (std::string& definition : definitions) {
    if (definition.find('=') == std::string::npos)
      definition += "=1";
  }
  std::sort(definitions.begin(), definitions.end());
  return definitions;
}

struct Pair {
  std::string project;  // the .mcp, from the truth folder
  std::string truth;
  std::string kind;
  std::string compiler;
};

std::vector<Pair> freshPairs(const fs::path& manifest) {
  std::ifstream in(manifest);
  std::string line;
  std::getline(in, line);  // the heading
  std::vector<Pair> pairs;
  while (std::getline(in, line)) {
    Words fields;
    std::istringstream row(line);
    for (std::string field; std::getline(row, field, '\t');)
      fields.push_back(field);
    if (fields.size() > 7 && fields[7] == "fresh")
      pairs.push_back({fields[3], fields[4], fields[5], fields[6]});
  }
  return pairs;
}

CompilerFamily family(const std::string& compiler) {
  const std::map<std::string, CompilerFamily> families = {
      {"C18", CompilerFamily::C18}, {"C30", CompilerFamily::C30}, {"XC16", CompilerFamily::XC16},
      {"C32", CompilerFamily::C32}, {"XC32", CompilerFamily::XC32}};
  const auto found = families.find(compiler);
  return found == families.end() ? CompilerFamily::Unknown : found->second;
}

// The few .mcp settings that say how MPLAB ran the compiler.
struct McpSettings {
  std::string device;
  bool sourceDirBuilds = false;
};

McpSettings mcpSettings(const fs::path& mcp) {
  std::ifstream in(mcp, std::ios::binary);
  McpSettings settings;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r')
      line.pop_back();
    if (line.rfind("device=", 0) == 0)
      settings.device = line.substr(7);
    if (line == "BuildDirPolicy=BuildDirIsSourceDir")
      settings.sourceDirBuilds = true;
  }
  return settings;
}

Words pathParts(const std::string& path) {
  Words parts;
  for (const fs::path& part : fs::path(slashes(path))) {
    if (part != "." && !part.empty() && part != "/")
      parts.push_back(lower(part.string()));
  }
  return parts;
}

// The author's folder that held the repository, from where the first C
// object was written: its folder less the object folder (or the source's
// folder when sources build in their own), less the trailing names it
// shares with the project's folder in the repository. Empty when unknown.
std::string authorRepositoryFolder(const Mplab8Truth& truth, const McpSettings& settings,
                                   const std::string& projectInRepository) {
  if (!isDrivePath(truth.objectLocation) || isDrivePath(truth.objectFolder))
    return "";
  Words author = pathParts(truth.objectLocation);
  author.pop_back();  // the object's name
  Words below = pathParts(truth.objectFolder);
  if (settings.sourceDirBuilds && below.empty()) {
    below = pathParts(truth.compiles.front().source);
    below.pop_back();
  }
  const Words project = pathParts(projectInRepository);
  Words tail = project;
  tail.insert(tail.end(), below.begin(), below.end());
  if (tail.size() >= author.size() || !std::equal(tail.rbegin(), tail.rend(), author.rbegin()))
    return "";
  std::string folder = author.front();
  for (std::size_t i = 1; i + tail.size() < author.size(); ++i)
    folder += "/" + author[i];
  return folder;
}

struct Tally {
  int pairs = 0;
  int pairsAgreeing = 0;
  int sources = 0;
  int sourcesFound = 0;
  int extraSources = 0;
  int includesAgreeing = 0;
  int macrosAgreeing = 0;
  int driveIncludesApart = 0;
};

}  // namespace

TEST(Mplab8Truth, DatabaseMatchesWhatMplabIde8Ran) {
  const fs::path root = fs::path(MPLAB8TRUTH_DIR);
  if (!fs::is_regular_file(root / "MANIFEST.tsv"))
    GTEST_SKIP() << "no MPLAB IDE 8 records at " << root.string();
  TempDir dir;
  writeBytes(dir.path() / "c.p_c", "");
  Tally tally;
  for (const Pair& pair : freshPairs(root / "MANIFEST.tsv")) {
    SCOPED_TRACE(pair.truth);
    ++tally.pairs;
    const fs::path mcp = (root / pair.project).make_preferred();
    const fs::path projectDir = mcp.parent_path();
    const std::string repository = pair.project.substr(0, pair.project.find('/'));
    const fs::path repositoryDir = root / repository;
    const std::string projectInRepository =
        fs::path(pair.project).parent_path().lexically_relative(repository).generic_string();
    const McpSettings settings = mcpSettings(mcp);
    const Mplab8Truth truth = pair.kind == "makefile" ? readMakefileTruth(root / pair.truth)
                                                      : readMcsTruth(root / pair.truth);
    ASSERT_FALSE(truth.compiles.empty());

    const std::string author = authorRepositoryFolder(truth, settings, projectInRepository);
    const fs::path out = dir.path() / "out";
    fs::remove_all(out);
    fs::create_directory(out);
    Words arguments = {arg(mcp), arg(out), "-cp", "c.p_c", "-sw", "-cdb", arg(out / "db.json")};
    if (!author.empty()) {
      // What a user does for folders named on the author's machine.
      arguments.push_back("-map");
      arguments.push_back(author + "=" + arg(repositoryDir.lexically_normal()));
    }
    const ProcessResult result = runQuillbrook(arguments, dir.path());
    ASSERT_EQ(result.exitCode, 0) << result.output << result.errors;
    const CompileLines actual =
        databaseLines(out / "db.json", [](const std::string& path) { return normal(path); });
    const Words predefined = predefinedMacros(family(pair.compiler), settings.device);
    ASSERT_FALSE(predefined.empty());

    // A drive path below the author's repository folder is the same path here.
    const auto rebased = [&](const std::string& path) -> std::string {
      const std::string written = normal(slashes(path));
      if (author.empty() || written.rfind(author + "/", 0) != 0)
        return "";
      return (repositoryDir / written.substr(author.size() + 1)).lexically_normal().string();
    };
    bool agrees = true;
    std::map<std::string, bool> seen;
    for (const Mplab8Compile& compile : truth.compiles) {
      const std::string here = rebased(compile.source);
      if (isDrivePath(compile.source) && here.empty())
        continue;  // not in the repository, as in a checkout
      const fs::path source =
          here.empty() ? (projectDir / slashes(compile.source)).lexically_normal() : fs::path(here);
      if (!existsIgnoringCase(source) || seen[normal(source)])
        continue;
      seen[normal(source)] = true;
      SCOPED_TRACE(compile.source);
      ++tally.sources;
      const auto found = actual.find(normal(source));
      if (found == actual.end()) {
        ADD_FAILURE() << "no database entry";
        agrees = false;
        continue;
      }
      ++tally.sourcesFound;
      const fs::path base = settings.sourceDirBuilds ? source.parent_path() : projectDir;
      Words includes;
      for (const std::string& folder : compile.includes) {
        const std::string written = normal(slashes(folder));
        if (!rebased(folder).empty())
          includes.push_back(normal(rebased(folder)));
        else if (!isDrivePath(folder))
          includes.push_back(normal(base / slashes(folder)));
#ifdef _WIN32
        else
          includes.push_back(written);
#else
        else
          ++tally.driveIncludesApart;  // the database leaves them out on this host
#endif
      }
      const CompileLine& line = found->second;
      const bool includesAgree = line.includes == includes;
      EXPECT_EQ(line.includes, includes);
      const bool predefinedFirst =
          line.definitions.size() >= predefined.size() &&
          std::equal(predefined.begin(), predefined.end(), line.definitions.begin());
      EXPECT_TRUE(predefinedFirst) << "the compiler's macros come first";
      const Words own = predefinedFirst ? Words(line.definitions.begin() + predefined.size(),
                                                line.definitions.end())
                                        : line.definitions;
      const bool macrosAgree =
          predefinedFirst && sortedMacros(own) == sortedMacros(compile.definitions);
      EXPECT_EQ(sortedMacros(own), sortedMacros(compile.definitions));
      tally.includesAgreeing += includesAgree;
      tally.macrosAgreeing += macrosAgree;
      agrees = agrees && includesAgree && macrosAgree;
    }
    for (const auto& entry : actual) {
      if (!seen[entry.first]) {
        ADD_FAILURE() << "database entry MPLAB did not compile: " << entry.first;
        ++tally.extraSources;
        agrees = false;
      }
    }
    tally.pairsAgreeing += agrees;
  }
  EXPECT_GT(tally.sources, 0);
  std::cout << "MPLAB IDE 8 records: " << tally.pairsAgreeing << "/" << tally.pairs
            << " fresh pairs agree; sources " << tally.sourcesFound << "/" << tally.sources
            << " (+" << tally.extraSources << " not compiled), includes "
            << tally.includesAgreeing << "/" << tally.sources << ", macros "
            << tally.macrosAgreeing << "/" << tally.sources << "; "
            << tally.driveIncludesApart << " drive include folders counted apart\n";
}
