#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "database/CompilationDatabase.h"
#include "io/OutputGuard.h"
#include "model/ProjectGroup.h"
#include "platform/Platform.h"
#include "support/TestFiles.h"

namespace {

using Strings = std::vector<std::string>;

const std::string Source = "C:\\work\\demo\\demo.mcp";

// A group tree the tests build by hand.
class Tree {
public:
  ProjectGroup& root() { return rootGroup; }

  ProjectGroup& add(ProjectGroup& parent, const std::string& name, const Strings& files) {
    parent.children.push_back(std::make_unique<ProjectGroup>(name));
    parent.children.back()->files = files;
    return *parent.children.back();
  }

  std::vector<CompileCommand> commands() { return compileCommands(root(), Source); }

  Strings files() {
    Strings files;
    for (const CompileCommand& command : commands())
      files.push_back(command.file);
    return files;
  }

  ProjectGroup rootGroup{"demo"};
};

Strings host(const Strings& paths) {
  Strings converted;
  for (const std::string& path : paths)
    converted.push_back(platform::hostPath(path));
  return converted;
}

}  // namespace

TEST(CompilationDatabase, ListsCompiledSourcesOfEveryGroupInProjectFileOrder) {
  Tree tree;
  tree.root().files = {"C:\\r\\z.c", "C:\\r\\board.h"};
  ProjectGroup& app = tree.add(tree.root(), "app", {"C:\\a\\main.C", "C:\\a\\x.Cpp"});
  tree.add(app, "deep", {"C:\\d\\deep.cxx"});
  tree.add(tree.root(), "drivers", {"C:\\d\\pwm.cc", "", "C:\\d\\adc.c"});
  EXPECT_EQ(tree.files(), host({"C:\\r\\z.c", "C:\\a\\main.C", "C:\\a\\x.Cpp", "C:\\d\\deep.cxx",
                                "C:\\d\\pwm.cc", "C:\\d\\adc.c"}));
}

TEST(CompilationDatabase, ExtensionIsTheTextAfterTheLastDotInAnyCase) {
  for (const char* source : {"a.c", "A.C", "x.y.cpp", "b.CXX", "c.cC", "v1.2\\m.c"})
    EXPECT_TRUE(isCompiledSource(source)) << source;
  for (const char* other : {"a.h", "a.hpp", "a.asm", "a.c~", "a.cs", "a.", "c", "dir.c\\file",
                            "a.c.bak", ""})
    EXPECT_FALSE(isCompiledSource(other)) << other;
}

TEST(CompilationDatabase, ArgumentsCarryIncludePathsThenSortedDefinitions) {
  Tree tree;
  tree.root().files = {"C:\\work\\demo\\\\app\\main.c"};
  tree.root().includePaths = {"C:\\work\\demo\\inc", "C:\\Program Files\\cc\\h", "C:\\work\\demo\\inc"};
  tree.root().defines = {{"b", ""}, {"VERSION", "3"}, {"A", "x=y"}, {"", ""}};
  const std::vector<CompileCommand> commands = tree.commands();
  ASSERT_EQ(commands.size(), 1u);
  // Doubled separators are cleaned away.
  const std::string file = platform::hostPath("C:\\work\\demo\\app\\main.c");
  EXPECT_EQ(commands[0].directory, platform::hostPath("C:\\work\\demo"));
  EXPECT_EQ(commands[0].file, file);
  // An empty name defines nothing and is left out.
  EXPECT_EQ(commands[0].arguments,
            (Strings{"cc", "-I", platform::hostPath("C:\\work\\demo\\inc"), "-I",
                     platform::hostPath("C:\\Program Files\\cc\\h"), "-I",
                     platform::hostPath("C:\\work\\demo\\inc"), "-DA=x=y", "-DVERSION=3", "-Db",
                     "-c", file}));
}

TEST(CompilationDatabase, FilesTakeTheSettingsOfTheNearestGroupThatHasAny) {
  Tree tree;
  tree.root().files = {"C:\\r.c"};
  tree.root().defines = {{"ROOT", ""}};
  ProjectGroup& own = tree.add(tree.root(), "own", {"C:\\own.c"});
  own.includePaths = {"C:\\own"};
  tree.add(own, "below", {"C:\\below.c"});
  tree.add(tree.root(), "plain", {"C:\\plain.c"});
  const std::vector<CompileCommand> commands = tree.commands();
  ASSERT_EQ(commands.size(), 4u);
  const std::string ownInclude = platform::hostPath("C:\\own");
  EXPECT_EQ(commands[1].arguments[2], ownInclude);
  EXPECT_EQ(commands[2].arguments[2], ownInclude);
  EXPECT_EQ(commands[3].arguments[1], "-DROOT");
}

TEST(CompilationDatabase, ProjectAtARootKeepsTheRootAsItsDirectory) {
  Tree tree;
  tree.root().files = {"C:\\main.c"};
  EXPECT_EQ(compileCommands(tree.root(), "C:\\demo.mcp").at(0).directory,
            platform::hostPath("C:\\"));
  EXPECT_EQ(compileCommands(tree.root(), "\\demo.mcp").at(0).directory,
            platform::hostPath("\\"));
}

TEST(CompilationDatabase, JsonEscapesQuotesAndBackslashesAndReadsBackUnchanged) {
  const std::vector<CompileCommand> commands = {
      {"C:\\w \"q\"", "C:\\w\\a.c", {"cc", "-DNAME=\"bench\"", "-DPATH=a\\b", "-c", "C:\\w\\a.c"}},
      {"d", "b.cpp", {"cc", "-c", "b.cpp"}}};
  std::string firstConverted;
  const std::string json = compilationDatabaseJson(commands, firstConverted);
  EXPECT_TRUE(firstConverted.empty());
  EXPECT_NE(json.find(R"("-DNAME=\"bench\"")"), std::string::npos);
  EXPECT_NE(json.find(R"("-DPATH=a\\b")"), std::string::npos);
  EXPECT_NE(json.find(R"("directory": "C:\\w \"q\"")"), std::string::npos);
  const nlohmann::json parsed = nlohmann::json::parse(json);
  ASSERT_EQ(parsed.size(), 2u);
  for (std::size_t i = 0; i < commands.size(); ++i) {
    EXPECT_EQ(parsed[i]["directory"], commands[i].directory);
    EXPECT_EQ(parsed[i]["file"], commands[i].file);
    EXPECT_EQ(parsed[i]["arguments"].get<Strings>(), commands[i].arguments);
  }
}

TEST(CompilationDatabase, TextThatIsNotUtf8IsReadAsWindows1252) {
  const std::vector<CompileCommand> commands = {
      {"C:\\na\xC3\xAFve", "C:\\caf\xE9.c", {"cc", "-DS=\x93q\x94", "-c", "C:\\caf\xE9.c"}}};
  std::string firstConverted;
  const nlohmann::json parsed =
      nlohmann::json::parse(compilationDatabaseJson(commands, firstConverted));
  EXPECT_EQ(firstConverted, "C:\\caf\xC3\xA9.c");
  EXPECT_EQ(parsed[0]["directory"], "C:\\na\xC3\xAFve");
  EXPECT_EQ(parsed[0]["file"], "C:\\caf\xC3\xA9.c");
  EXPECT_EQ(parsed[0]["arguments"][1], "-DS=\xE2\x80\x9Cq\xE2\x80\x9D");
}

TEST(CompilationDatabase, WritesTheSourcesOnThisMachineAndWarnsOnceAboutEachOmission) {
  TempDir dir;
  writeBytes(dir.path() / "main.c", "");
  Tree tree;
  tree.root().files = {dir.toolPath("gone.c"), dir.toolPath("main.c"), dir.toolPath("lost.c")};
  tree.root().defines = {{"S", "\x93q\x94"}};
  const std::string path = dir.toolPath("compile_commands.json");
  DatabaseRules rules;
  rules.compiler = CompilerFamily::C18;
  testing::internal::CaptureStdout();
  testing::internal::CaptureStderr();
  OutputGuard guard;
  writeCompilationDatabase(tree.root(), Source, rules, path, guard);
  const std::string errors = testing::internal::GetCapturedStderr();
  EXPECT_EQ(testing::internal::GetCapturedStdout(),
            "  Creating Compilation Database - " + path + "\n");
  EXPECT_EQ(errors,
            "Quillbrook: warning: text in " + path +
                " was not UTF-8 and was read as Windows-1252, first: -DS=\xE2\x80\x9Cq\xE2\x80\x9D\n"
                "Quillbrook: warning: compilation database " + path +
                ": left out 2 of 3 sources that are not on this machine, first: " +
                platform::hostPath(dir.toolPath("gone.c")) +
                " (-map FROM=TO points a folder written on another machine at this one)\n");
  const nlohmann::json parsed = nlohmann::json::parse(readBytes(dir.path() / "compile_commands.json"));
  ASSERT_EQ(parsed.size(), 1u);
  EXPECT_EQ(parsed[0]["file"], platform::hostPath(dir.toolPath("main.c")));
}

// Written entry by entry, the file still reads as one indented dump of the
// whole array would: empty, one entry and several, sharing all arguments
// but the last with the entry before or not, with one argument or none.
TEST(CompilationDatabase, EntriesWrittenOneByOneMakeTheWholeArraysText) {
  const CompileCommand one{"C:\\w \xC3\xA9", "a.c",
                          {"cc", "-DX=\"1\"", "-DT=\t\x01\x1F\x7F\b\f\r\n\\", "-c", "a.c"}};
  const CompileCommand two{"C:\\w", "b.c", {"cc", "-c", "b.c"}};
  const CompileCommand three{"C:\\w", "c.c", {"cc", "-c", "c.c"}};
  const CompileCommand four{"C:\\w", "d.c", {"cc", "-DY", "-c", "d.c"}};
  const CompileCommand five{"C:\\w", "e.c", {"e.c"}};
  const CompileCommand six{"C:\\w", "f.c", {}};
  for (const std::vector<CompileCommand>& commands :
       {std::vector<CompileCommand>{}, {one}, {one, two, one},
        {two, three, four, five, six, five, three}}) {
    SCOPED_TRACE(commands.size());
    nlohmann::ordered_json whole = nlohmann::ordered_json::array();
    for (const CompileCommand& command : commands)
      whole.push_back({{"directory", command.directory},
                       {"file", command.file},
                       {"arguments", command.arguments}});
    std::string firstConverted;
    EXPECT_EQ(compilationDatabaseJson(commands, firstConverted), whole.dump(2) + "\n");
  }
}
