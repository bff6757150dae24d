// The mends that keep a user's files: no run overwrites one of its inputs,
// loses an edited default personality, lands elsewhere through a NUL byte,
// starts at the root without a current directory, dies with its reader, or
// passes a half-read template for the whole.

#include <gtest/gtest.h>

#include "support/RunQuillbrook.h"

#ifndef _WIN32
#include <csignal>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace {

const std::string ProjectWithSettings =
    lfLines({"dir_inc=C:\\inc", "subfolder_src=src", "[FILE_SUBFOLDERS]", "file_000=src", "x",
             "[FILE_INFO]", "file_000=C:\\a.c"});

// A folder with demo.mcp and an earlier conversion of it in out/.
struct ConvertedOnce {
  ConvertedOnce() {
    writeBytes(dir.path() / "demo.mcp", ProjectWithSettings);
    writeBytes(dir.path() / "c.p_c", "compiler\r\n");
    fs::create_directory(dir.path() / "out");
    EXPECT_EQ(runQuillbrook({"demo.mcp", "out", "-cp", "c.p_c"}, dir.path()).exitCode, 0);
  }
  TempDir dir;
};

}  // namespace

TEST(UserFiles, AnInputThatIsAlsoAnOutputIsRefusedBeforeAnythingIsMade) {
  struct Case {
    std::vector<std::string> arguments;
    std::string refused;  // below the folder, in tool form
    std::string input;    // the input that must keep its bytes
  };
  // Backslashes: the separator the tool knows on every host.
  const std::vector<Case> cases = {
      {{"demo.mcp", "out", "-cp", "out\\.\\demo.prj"}, "out\\demo.prj", "out/demo.prj"},
      {{"out\\demo.prj", "out", "-cp", "c.p_c"}, "out\\demo.prj", "out/demo.prj"},
      {{"demo.mcp", "out", "-cp", "c.p_c", "-mp", "out\\demo\\..\\demo\\person\\demo.p_a"},
       "out\\demo\\person\\demo.p_a", "out/demo/person/demo.p_a"},
      {{"demo.mcp", "out", "-cp", "c.p_c", "-ap", "out\\demo\\person\\demo.p_a"},
       "out\\demo\\person\\demo.p_a", "out/demo/person/demo.p_a"},
      // The .prj is compared first.
      {{"demo.mcp", "out", "-ap", "out\\demo\\person\\demo.p_a", "-cp", "out\\demo.prj"},
       "out\\demo.prj", "out/demo.prj"},
      // The compilation database, when asked for, is an output too.
      {{"demo.mcp", "out", "-cp", "c.p_c", "-cdb", ".\\c.p_c"}, ".\\c.p_c", "c.p_c"},
      // Nor may it replace another output of the run: the later one is
      // refused, whether the earlier exists or is still to be made.
      {{"demo.mcp", "out", "-cp", "c.p_c", "-cdb", "out\\demo.prj"}, "out\\demo.prj",
       "out/demo.prj"},
      {{"demo.mcp", "out", "-cp", "c.p_c", "-pn", "P", "-cdb", "out\\\\.\\P.prj"},
       "out\\\\.\\P.prj", "c.p_c"},
      {{"demo.mcp", "out", "-cp", "c.p_c", "-cdb", "out\\demo\\person\\demo.p_a"},
       "out\\demo\\person\\demo.p_a", "out/demo/person/demo.p_a"},
      {{"demo.mcp", "out", "-cp", "c.p_c", "-cdb", "out\\person\\demo.p_s"},
       "out\\person\\demo.p_s", "c.p_c"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.arguments[3 % c.arguments.size()]);
    ConvertedOnce earlier;
    const fs::path& dir = earlier.dir.path();
    writeBytes(dir / c.input, "the user's own rules\r\n");
    fs::remove_all(dir / "out" / "demo" / "src");
    fs::remove_all(dir / "out" / "person");
    const std::vector<std::string> before = listTree(dir);

    const ProcessResult result = runQuillbrook(c.arguments, dir);

    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.output, lfLines({"Could not write file: " + earlier.dir.toolPath(c.refused)}));
    EXPECT_EQ(readBytes(dir / c.input), "the user's own rules\r\n");
    EXPECT_EQ(listTree(dir), before);
  }
}

#ifndef _WIN32
TEST(UserFiles, AnInputIsRecognisedThroughAHardLink) {
  ConvertedOnce earlier;
  const fs::path& dir = earlier.dir.path();
  fs::remove(dir / "c.p_c");
  fs::create_hard_link(dir / "out" / "demo.prj", dir / "c.p_c");
  const ProcessResult result = runQuillbrook({"demo.mcp", "out", "-cp", "c.p_c"}, dir);
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(result.output, lfLines({"Could not write file: " + earlier.dir.toolPath("out\\demo.prj")}));
}
#endif

TEST(UserFiles, EditedDefaultPersonalitiesAreKept) {
  TempDir dir;
  writeBytes(dir.path() / "demo.mcp", ProjectWithSettings);
  fs::create_directory(dir.path() / "out");
  ASSERT_EQ(runQuillbrook({"demo.mcp", "out"}, dir.path()).exitCode, 0);
  const std::string firstProject = readBytes(dir.path() / "out" / "demo.prj");
  writeBytes(dir.path() / "out" / "person" / "demo.p_s", "-e123\r\n");
  writeBytes(dir.path() / "out" / "person" / "demo.p_c", "-cpu=18f\r\n");

  const ProcessResult second = runQuillbrook({"demo.mcp", "out"}, dir.path());

  EXPECT_EQ(second.exitCode, 0);
  EXPECT_EQ(readBytes(dir.path() / "out" / "person" / "demo.p_s"), "-e123\r\n");
  EXPECT_EQ(readBytes(dir.path() / "out" / "person" / "demo.p_c"), "-cpu=18f\r\n");
  EXPECT_EQ(readBytes(dir.path() / "out" / "demo.prj"), firstProject);
}

TEST(UserFiles, PathsWithANulByteAreRefusedByTheHost) {
  const std::string nul(1, '\0');
  for (const std::string& name : {"a" + nul + "b", ".." + nul, "deep\\x" + nul + "\\y"}) {
    SCOPED_TRACE(name.size());
    TempDir dir;
    writeBytes(dir.path() / "demo.mcp", lfLines({"subfolder_src=" + name}));
    fs::create_directory(dir.path() / "out");

    const ProcessResult result = runQuillbrook({"demo.mcp", "out"}, dir.path());

    EXPECT_EQ(result.exitCode, 1);
    // The NUL byte is shown, never written raw, on both channels.
    std::string shown = name;
    shown.replace(shown.find(nul), 1, "\\0");
    const std::string failed = result.output.substr(result.output.rfind("\nCould not") + 1);
    EXPECT_EQ(failed.substr(0, failed.find('\n')),
              "Could not create directory: " + dir.toolPath("out\\demo") + "\\" +
                  shown.substr(0, shown.find('\\', shown.find("\\0") + 2)));
    EXPECT_EQ(result.output.find(nul), std::string::npos);
    EXPECT_EQ(result.errors.find(nul), std::string::npos);
    EXPECT_NE(result.errors.find("holds a NUL byte"), std::string::npos) << result.errors;
    EXPECT_EQ(result.output.find("Completed"), std::string::npos);
    // Nothing was made under the cut-off names.
    EXPECT_FALSE(fs::exists(dir.path() / "out" / "demo" / "a"));
    EXPECT_FALSE(fs::exists(dir.path() / "out" / "demo" / "deep" / "x"));
    EXPECT_FALSE(fs::exists(dir.path() / "out" / "output"));
  }
}

#ifndef _WIN32
namespace {

// Runs a shell command line in `folder`; the tool is $Q.
// In a forked child: becomes the tool with `arguments`; never returns.
[[noreturn]] void execQuillbrook(const std::vector<std::string>& arguments) {
  std::vector<char*> argv{const_cast<char*>(QUILLBROOK_EXE)};
  for (const std::string& argument : arguments)
    argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  execv(QUILLBROOK_EXE, argv.data());
  _exit(127);
}

// Runs the tool with its standard output a pipe nobody reads any more, and
// SIGPIPE as a fresh process gets it; the exit status, -1 when killed.
int runWithClosedOutput(const std::vector<std::string>& arguments, const fs::path& folder) {
  int ends[2];
  if (pipe(ends) != 0)
    return -2;
  const pid_t child = fork();
  if (child == 0) {
    std::signal(SIGPIPE, SIG_DFL);
    dup2(ends[1], STDOUT_FILENO);
    close(ends[0]);
    close(ends[1]);
    if (chdir(folder.c_str()) != 0)
      _exit(127);
    execQuillbrook(arguments);
  }
  close(ends[0]);
  close(ends[1]);
  int status = 0;
  waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace

TEST(UserFiles, AnUnreadableCurrentDirectoryStopsRelativePaths) {
  TempDir dir;
  writeBytes(dir.path() / "demo.mcp", ProjectWithSettings);
  fs::create_directories(dir.path() / "gone");

  const ProcessResult relative =
      runShell("cd gone && rmdir ../gone && exec \"$Q\" demo.mcp " + dir.path().string() +
                   "/out 2>../err.txt",
               dir.path());
  // Absolute paths need no current directory and still convert.
  fs::create_directories(dir.path() / "gone");
  fs::create_directories(dir.path() / "out");
  const ProcessResult absolute =
      runShell("cd gone && rmdir ../gone && exec \"$Q\" " + dir.path().string() + "/demo.mcp " +
                   dir.path().string() + "/out -cp " + dir.path().string() + "/demo.mcp",
               dir.path());

  EXPECT_EQ(relative.exitCode, 1);
  EXPECT_EQ(relative.output, "Could not read the current directory\n");
  EXPECT_EQ(readBytes(dir.path() / "err.txt").rfind("Quillbrook: ", 0), 0u);
  EXPECT_EQ(absolute.exitCode, 0);
  EXPECT_TRUE(fs::exists(dir.path() / "out" / "demo.prj"));
}

TEST(UserFiles, AReaderThatGoesAwayDoesNotStopTheRun) {
  TempDir dir;
  writeBytes(dir.path() / "demo.mcp", ProjectWithSettings);
  writeBytes(dir.path() / "c.p_c", "");
  fs::create_directories(dir.path() / "heard");
  fs::create_directories(dir.path() / "unheard");
  ASSERT_EQ(runQuillbrook({"demo.mcp", "heard", "-cp", "c.p_c"}, dir.path()).exitCode, 0);

  EXPECT_EQ(runWithClosedOutput({"demo.mcp", "unheard", "-cp", "c.p_c"}, dir.path()), 0);
  const std::string heard = readBytes(dir.path() / "heard" / "demo.prj");
  std::string unheard = readBytes(dir.path() / "unheard" / "demo.prj");
  for (std::size_t at; (at = unheard.find("unheard")) != std::string::npos;)
    unheard.replace(at, 7, "heard");
  EXPECT_EQ(unheard, heard);
}

// The kernel refuses to read the first page of a process's own memory: a
// file that opens and then fails to read.
TEST(UserFiles, ATemplateThatFailsToReadIsNotCopied) {
  if (!fs::exists("/proc/self/mem"))
    GTEST_SKIP() << "no /proc/self/mem";
  TempDir dir;
  writeBytes(dir.path() / "demo.mcp", ProjectWithSettings);
  fs::create_directory(dir.path() / "out");

  const ProcessResult result =
      runQuillbrook({"demo.mcp", "out", "-ap", "/proc/self/mem"}, dir.path());

  EXPECT_EQ(result.exitCode, 0);
  EXPECT_NE(result.output.find("\nCouldnt open file\n"), std::string::npos);
  EXPECT_EQ(readBytes(dir.path() / "out" / "demo" / "person" / "demo.p_a"),
            crlfLines({"-i \"C:\\inc\""}));
}

// The project file fails the same way: a read error is not its end.
TEST(UserFiles, AProjectFileThatFailsToReadStopsTheRun) {
  if (!fs::exists("/proc/self/mem"))
    GTEST_SKIP() << "no /proc/self/mem";
  TempDir dir;
  fs::create_directory(dir.path() / "out");
  const ProcessResult result = runQuillbrook({"/proc/self/mem", "out", "-pn", "p"}, dir.path());
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(result.output.substr(result.output.find('\n') + 1),
            "Could not open file: \\proc\\self\\mem\n");
  EXPECT_NE(result.errors.find("Quillbrook: error: cannot read the project file /proc/self/mem: "),
            std::string::npos)
      << result.errors;
  EXPECT_FALSE(fs::exists(dir.path() / "out" / "p.prj"));
}

namespace {

// Bytes waiting in a pipe.
int pending(int readEnd) {
  int bytes = 0;
  return ioctl(readEnd, FIONREAD, &bytes) == 0 ? bytes : -1;
}

}  // namespace

// The current directory is read once, at the start. Here the run is held up
// writing warnings to a standard error nobody reads yet, the folder it was
// started in goes away meanwhile, and only then is the relative -cdb taken:
// it must still name a file in that folder (which fails), never one at the
// root.
TEST(UserFiles, TheCurrentDirectoryIsReadOnce) {
  TempDir dir;
  writeBytes(dir.path() / "demo.mcp", ProjectWithSettings);
  fs::create_directories(dir.path() / "out");
  fs::create_directories(dir.path() / "gone");
  const bool rootFileBefore = fs::exists("/cc.json");
  std::vector<std::string> arguments{arg(dir.path() / "demo.mcp"), arg(dir.path() / "out"), "-cp",
                                     arg(dir.path() / "demo.mcp")};
  // Each is warned about on standard error: far more than a pipe holds.
  for (int i = 0; i < 2000; ++i)
    arguments.push_back("ignored");
  arguments.insert(arguments.end(), {"-cdb", "cc.json"});

  int errors[2];
  ASSERT_EQ(pipe(errors), 0);
  const fs::path outputFile = dir.path() / "output.txt";
  const pid_t child = fork();
  if (child == 0) {
    dup2(errors[1], STDERR_FILENO);
    close(errors[0]);
    close(errors[1]);
    if (!freopen(outputFile.c_str(), "w", stdout) || chdir((dir.path() / "gone").c_str()) != 0)
      _exit(127);
    execQuillbrook(arguments);
  }
  close(errors[1]);
  // Wait until the pipe is full and the run is stuck writing to it.
  int previous = -1;
  for (int tries = 0; tries < 200; ++tries) {
    usleep(50 * 1000);
    const int now = pending(errors[0]);
    if (now >= 4096 && now == previous)
      break;
    previous = now;
  }
  fs::remove(dir.path() / "gone");
  char buffer[4096];
  while (read(errors[0], buffer, sizeof buffer) > 0) {
  }
  close(errors[0]);
  int status = 0;
  waitpid(child, &status, 0);

  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 1);
  const std::string output = readBytes(outputFile);
  EXPECT_EQ(output.substr(output.rfind('\n', output.size() - 2) + 1),
            "Could not write file: " + toolForm(dir.path() / "gone") + "\\cc.json\n");
  EXPECT_EQ(fs::exists("/cc.json"), rootFileBefore);
}
#endif
