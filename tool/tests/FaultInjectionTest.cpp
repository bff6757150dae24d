// Fails each host call of a conversion in turn (every open, directory
// creation, existence test, write, flush and close) and checks the outcome the user sees:
// the status and the last console line, and that no input lost a byte. The
// calls are counted on a clean run first, so every one of them is failed
// whatever the writers' buffering.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <map>

#include "support/ProcessRunner.h"
#include "support/TestFiles.h"

namespace fs = std::filesystem;

namespace {

struct HostCall {
  std::string kind;
  std::string path;
};

std::vector<HostCall> readCallLog(const fs::path& log) {
  std::vector<HostCall> calls;
  std::ifstream in(log, std::ios::binary);
  std::string line;
  while (std::getline(in, line)) {
    const std::string::size_type blank = line.find(' ');
    calls.push_back({line.substr(0, blank), line.substr(blank + 1)});
  }
  return calls;
}

std::string lastLine(const std::string& output) {
  if (output.empty())
    return std::string();
  const std::string::size_type start = output.rfind('\n', output.size() - 2);
  return output.substr(start == std::string::npos ? 0 : start + 1,
                       output.size() - 1 - (start == std::string::npos ? 0 : start + 1));
}

// One conversion: the inputs it is given (written fresh before every run)
// and its arguments, relative to its folder.
struct Scenario {
  std::map<std::string, std::string> inputs;
  std::vector<std::string> arguments;
  std::string projectFile;    // tool form, relative
  std::string compiler;       // "" when not given: the run still opens ""
  std::string analyser;       // "" when not given
};

struct Run {
  ProcessResult result;
  std::vector<HostCall> calls;
};

Run runFailing(const Scenario& scenario, const std::string& failAt, const TempDir& dir) {
  for (const auto& input : scenario.inputs)
    writeBytes(dir.path() / input.first, input.second);
  fs::create_directories(dir.path() / "out");
  std::vector<std::string> arguments{failAt, (dir.path() / "calls.log").string()};
  arguments.insert(arguments.end(), scenario.arguments.begin(), scenario.arguments.end());
  Run run;
  run.result = runProcess(QUILLBROOK_FAULTY_EXE, arguments, dir.path().string());
  run.calls = readCallLog(dir.path() / "calls.log");
  return run;
}

void expectOutcome(const Scenario& scenario, const Run& run, const HostCall& failed,
                   const TempDir& dir) {
  const std::string last = lastLine(run.result.output);
  const std::string& kind = failed.kind;
  // Only the project file is read block by block; a failed read is not
  // taken for its end.
  if ((kind == "open-read" && failed.path == dir.toolPath(scenario.projectFile)) ||
      kind == "read") {
    EXPECT_EQ(run.result.exitCode, 1);
    EXPECT_EQ(last, "Could not open file: " + dir.toolPath(scenario.projectFile));
  } else if (kind == "open-read" &&
             failed.path == (scenario.compiler.empty() ? "" : dir.toolPath(scenario.compiler))) {
    EXPECT_EQ(run.result.exitCode, 0);
    EXPECT_EQ(run.result.output.rfind("Could not open file: " + failed.path + "\n", 0), 0u);
    EXPECT_EQ(last, "Tarn/Tarn++ Project Completed!");
  } else if (kind == "open-read" && failed.path == dir.toolPath(scenario.analyser)) {
    EXPECT_EQ(run.result.exitCode, 0);
    EXPECT_NE(run.result.output.find("\nCouldnt open file\n"), std::string::npos);
    EXPECT_EQ(last, "Tarn/Tarn++ Project Completed!");
  } else if (kind == "make-directory") {
    EXPECT_EQ(run.result.exitCode, 1);
    EXPECT_EQ(last, "Could not create directory: " + failed.path);
  } else if (kind == "stat") {
    // Not knowing whether something is there is not its absence: the run
    // stops on that path rather than replace, drop or skip anything.
    EXPECT_EQ(run.result.exitCode, 1);
    EXPECT_TRUE(last == "Could not write file: " + failed.path ||
                last == "Could not open file: " + failed.path)
        << last;
  } else if (kind == "open-write") {
    EXPECT_EQ(run.result.exitCode, 1);
    EXPECT_EQ(last, "Could not write file: " + failed.path);
  } else {
    ASSERT_TRUE(kind == "write" || kind == "flush" || kind == "close") << kind;
    EXPECT_EQ(run.result.exitCode, 1);
    // The file is one the run opened for writing.
    const std::string prefix = "Could not write file: ";
    ASSERT_EQ(last.rfind(prefix, 0), 0u) << last;
    const std::string path = last.substr(prefix.size());
    bool opened = false;
    for (const HostCall& call : run.calls)
      opened = opened || (call.kind == "open-write" && call.path == path);
    EXPECT_TRUE(opened) << path;
  }
  EXPECT_EQ(run.result.output.find("Tarn/Tarn++ Project Completed!") == std::string::npos,
            run.result.exitCode == 1);
  // A stop says why on standard error, in the system's words.
  if (run.result.exitCode == 1) {
    EXPECT_NE(run.result.errors.find("Quillbrook: error: "), std::string::npos);
    EXPECT_NE(run.result.errors.find(": Input/output error\n"), std::string::npos)
        << run.result.errors;
  }
  for (const auto& input : scenario.inputs)
    EXPECT_EQ(readBytes(dir.path() / input.first), input.second) << input.first;
}

// Returns the number of failures injected.
std::size_t failEachCall(const Scenario& scenario) {
  std::vector<HostCall> clean;
  {
    TempDir dir;
    const Run run = runFailing(scenario, "0", dir);
    EXPECT_EQ(run.result.exitCode, 0);
    EXPECT_EQ(lastLine(run.result.output), "Tarn/Tarn++ Project Completed!");
    clean = run.calls;
  }
  for (std::size_t n = 1; n <= clean.size(); ++n) {
    TempDir dir;
    const Run run = runFailing(scenario, std::to_string(n), dir);
    if (run.calls.size() < n) {
      ADD_FAILURE() << "call " << n << " did not happen again";
      continue;
    }
    SCOPED_TRACE("call " + std::to_string(n) + ": " + run.calls[n - 1].kind + " " +
                 run.calls[n - 1].path);
    expectOutcome(scenario, run, run.calls[n - 1], dir);
  }
  return clean.size();
}

std::string fileText(const fs::path& path) {
  return readBytes(path);
}

}  // namespace

TEST(FaultInjection, BundledExample) {
  const fs::path examples = EXAMPLES_DIR;
  Scenario scenario;
  scenario.inputs = {{"motor.mcp", fileText(examples / "motor" / "motor.mcp")},
                     {"pic18.p_c", fileText(examples / "personalities" / "pic18.p_c")},
                     {"template.p_a", fileText(examples / "personalities" / "template.p_a")}};
  scenario.arguments = {"motor.mcp", "out", "-cp", "pic18.p_c", "-ap", "template.p_a"};
  scenario.projectFile = "motor.mcp";
  scenario.compiler = "pic18.p_c";
  scenario.analyser = "template.p_a";
  const std::size_t injected = failEachCall(scenario);
  EXPECT_GT(injected, 20u);
  RecordProperty("injected", static_cast<int>(injected));
  std::printf("injected %zu failures\n", injected);
}

// Several folders, one nested, and a template; no compiler or message
// personality, so both defaults and the shared folder are made too.
TEST(FaultInjection, SeveralFoldersAndATemplate) {
  Scenario scenario;
  scenario.inputs = {
      {"w/demo.mcp",
       lfLines({"dir_inc=inc;C:\\lib", "subfolder_src=app;lib\\io;net", "[FILE_SUBFOLDERS]",
                "file_000=app", "file_001=lib\\io", "file_002=net", "file_003=net", "[FILE_INFO]",
                "file_000=main.c", "file_001=uart.c", "file_002=tcp.c", "file_003=udp.c",
                "[TOOL_SETTINGS]", "TS{1}=D1=DEBUG,RATE=9600"})},
      {"t.p_a", "-template\n"}};
  scenario.arguments = {"w/demo.mcp", "out", "-ap", "t.p_a"};
  scenario.projectFile = "w\\demo.mcp";
  scenario.analyser = "t.p_a";
  const std::size_t injected = failEachCall(scenario);
  EXPECT_GT(injected, 30u);
  std::printf("injected %zu failures\n", injected);
}

// Compiler switches and a compilation database: the database is the last
// file the run writes, after the .prj is closed.
TEST(FaultInjection, SwitchesAndCompilationDatabase) {
  const fs::path examples = EXAMPLES_DIR;
  Scenario scenario;
  scenario.inputs = {{"blinky.mcp", fileText(examples / "blinky" / "blinky.mcp")},
                     {"pic24.p_c", fileText(examples / "personalities" / "pic24.p_c")}};
  scenario.arguments = {"blinky.mcp", "out", "-cp", "pic24.p_c", "-ext", "c,h", "-sw",
                        "-cdb", "out\\compile_commands.json"};
  scenario.projectFile = "blinky.mcp";
  scenario.compiler = "pic24.p_c";
  const std::size_t injected = failEachCall(scenario);
  EXPECT_GT(injected, 20u);
  std::printf("injected %zu failures\n", injected);
}

// A project larger than one read: a read failing part way must not pass for
// the end of the file.
TEST(FaultInjection, AProjectReadInSeveralBlocks) {
  std::vector<std::string> lines{"subfolder_src=src", "[FILE_SUBFOLDERS]"};
  for (int i = 0; i < 3000; ++i)
    lines.push_back("file_" + std::to_string(i) + "=src");
  lines.push_back("[FILE_INFO]");
  for (int i = 0; i < 3000; ++i)
    lines.push_back("file_" + std::to_string(i) + "=C:\\work\\source_" + std::to_string(i) + ".c");
  Scenario scenario;
  scenario.inputs = {{"big.mcp", crlfLines(lines)}, {"c.p_c", "compiler\r\n"}};
  scenario.arguments = {"big.mcp", "out", "-cp", "c.p_c"};
  scenario.projectFile = "big.mcp";
  scenario.compiler = "c.p_c";
  std::size_t reads = 0;
  {
    TempDir dir;
    for (const HostCall& call : runFailing(scenario, "0", dir).calls)
      reads += call.kind == "read" ? 1 : 0;
  }
  EXPECT_GE(reads, 3u);
  failEachCall(scenario);
}

// Memory running out at any allocation of a run: never silence. The run
// stops with a failure line, says "out of memory", and loses no input.
TEST(FaultInjection, EveryAllocationMayFail) {
  const fs::path examples = EXAMPLES_DIR;
  Scenario scenario;
  scenario.inputs = {{"blinky.mcp", fileText(examples / "blinky" / "blinky.mcp")},
                     {"t.p_a", "-template\r\n"}};
  scenario.arguments = {"blinky.mcp", "out", "-ap", "t.p_a", "-sw", "-cdb", "out\\cc.json"};
  long total = 0;
  {
    TempDir dir;
    const ::Run clean = runFailing(scenario, "alloc:0", dir);
    ASSERT_EQ(clean.result.exitCode, 0);
    ASSERT_FALSE(clean.calls.empty());
    total = std::stol(clean.calls.back().path);
  }
  ASSERT_GT(total, 100);
  // Spread over the whole run, and every one of the last few.
  const long stride = std::max(1L, total / 300);
  std::vector<long> failing;
  for (long n = 1; n <= total; n += stride)
    failing.push_back(n);
  for (long n = std::max(1L, total - 10); n <= total; ++n)
    failing.push_back(n);
  for (long n : failing) {
    SCOPED_TRACE("allocation " + std::to_string(n) + " of " + std::to_string(total));
    TempDir dir;
    const ::Run run = runFailing(scenario, "alloc:" + std::to_string(n), dir);
    EXPECT_EQ(run.result.exitCode, 1) << run.result.output << run.result.errors;
    EXPECT_EQ(lastLine(run.result.output).rfind("Could not ", 0), 0u) << run.result.output;
    EXPECT_NE(run.result.errors.find("out of memory\n"), std::string::npos) << run.result.errors;
    for (const auto& input : scenario.inputs)
      EXPECT_EQ(readBytes(dir.path() / input.first), input.second) << input.first;
  }
  std::printf("failed %zu of %ld allocations\n", failing.size(), total);
}
