// The tool's layout is its architecture: one folder per stage of the pass,
// each including only the stages before it, and no include cycle among its
// modules (a header and its source file counted as one).

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <string>

namespace fs = std::filesystem;

namespace {

using Graph = std::map<std::string, std::set<std::string>>;

// What each folder may include besides itself.
const std::map<std::string, std::set<std::string>> AllowedFolders = {
    {"platform", {}},
    {"text", {"platform"}},
    {"io", {"text", "platform"}},
    {"settings", {"io", "text", "platform"}},
    {"model", {"settings", "io", "text", "platform"}},
    {"mcp", {"model", "settings", "io", "text", "platform"}},
    {"mplabx", {"model", "settings", "io", "text", "platform"}},
    {"plan", {"model", "settings", "io", "text", "platform"}},
    {"tarn", {"plan", "model", "settings", "io", "text", "platform"}},
    {"database", {"plan", "model", "settings", "io", "text", "platform"}},
    {"driver",
     {"mcp", "mplabx", "plan", "tarn", "database", "model", "settings", "io", "text", "platform"}},
    {"cli", {"driver", "settings", "io", "text", "platform"}},
};

const char ConverterModule[] = "driver/ProjectConverter";

std::string folderOf(const std::string& module) {
  return module.substr(0, module.find('/'));
}

// Module ("folder/Name") to the modules it includes, from every source
// and header below the stage folders.
Graph readIncludes(const fs::path& tool) {
  const std::regex include(R"re(^\s*#\s*include\s+"([a-z]+/[A-Za-z0-9_]+)\.h")re");
  Graph graph;
  for (const auto& [folder, allowed] : AllowedFolders) {
    for (const fs::directory_entry& entry : fs::directory_iterator(tool / folder)) {
      const std::string extension = entry.path().extension().string();
      if (extension != ".h" && extension != ".cpp")
        continue;
      const std::string module = folder + "/" + entry.path().stem().string();
      std::set<std::string>& edges = graph[module];
      std::ifstream file(entry.path());
      std::string line;
      std::smatch match;
      while (std::getline(file, line)) {
        if (std::regex_search(line, match, include) && match[1] != module)
          edges.insert(match[1]);
      }
    }
  }
  return graph;
}

// True when a cycle is reachable from `module`; `cycle` then ends with the
// path from the first module of the cycle back to it.
bool findCycle(const Graph& graph, const std::string& module, std::map<std::string, int>& state,
               std::vector<std::string>& cycle) {
  state[module] = 1;
  cycle.push_back(module);
  const auto edges = graph.find(module);
  if (edges != graph.end()) {
    for (const std::string& next : edges->second) {
      if (state[next] == 1) {
        cycle.push_back(next);
        return true;
      }
      if (state[next] == 0 && findCycle(graph, next, state, cycle))
        return true;
    }
  }
  state[module] = 2;
  cycle.pop_back();
  return false;
}

// The cycle alone, without the path that led to it.
std::string joinedCycle(const std::vector<std::string>& path) {
  auto start = std::find(path.begin(), path.end(), path.back());
  std::string text;
  for (auto module = start; module != path.end(); ++module)
    text += (text.empty() ? "" : " -> ") + *module;
  return text;
}

class Layout : public testing::Test {
protected:
  void SetUp() override {
    graph = readIncludes(QUILLBROOK_TEST_TOOL_DIR);
    ASSERT_GT(graph.size(), 30u) << "no modules found below " << QUILLBROOK_TEST_TOOL_DIR;
  }
  Graph graph;
};

}  // namespace

TEST_F(Layout, EachFolderIncludesOnlyTheStagesBeforeIt) {
  for (const auto& [module, edges] : graph) {
    const std::set<std::string>& allowed = AllowedFolders.at(folderOf(module));
    for (const std::string& included : edges) {
      const std::string folder = folderOf(included);
      EXPECT_TRUE(folder == folderOf(module) || allowed.count(folder) > 0)
          << module << " includes " << included;
    }
  }
}

TEST_F(Layout, NoModuleIncludesItselfThroughOthers) {
  std::map<std::string, int> state;
  for (const auto& entry : graph) {
    std::vector<std::string> path;
    if (state[entry.first] == 0 && findCycle(graph, entry.first, state, path)) {
      ADD_FAILURE() << "include cycle: " << joinedCycle(path);
      return;
    }
  }
}

TEST_F(Layout, OnlyTheCommandLineReachesTheConverter) {
  for (const auto& [module, edges] : graph) {
    if (edges.count(ConverterModule) > 0)
      EXPECT_EQ(module, "cli/CommandLine") << module << " includes the converter";
  }
}
