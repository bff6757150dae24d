// Conversions run with "-cdb": the database joins the Tarn project without
// changing it, and its failures stop the run like every other output's.

#include <gtest/gtest.h>

#include <algorithm>

#include <nlohmann/json.hpp>

#include "support/RunQuillbrook.h"

namespace fs = std::filesystem;

namespace {

using Lines = std::vector<std::string>;

// Forward slashes on POSIX hosts, the tool's own form on Windows.
std::string hostForm(const std::string& toolPath) {
#ifdef _WIN32
  return toolPath;
#else
  std::string text = toolPath;
  std::replace(text.begin(), text.end(), '\\', '/');
  return text;
#endif
}

Lines exampleArguments(const fs::path& out) {
  const fs::path examples = EXAMPLES_DIR;
  return {arg(examples / "motor" / "motor.mcp"), arg(out), "-cp",
          arg(examples / "personalities" / "pic18.p_c"), "-ext", "c,h"};
}

}  // namespace

TEST(DatabaseConversion, BundledExampleGetsItsDatabaseAndAnUnchangedProject) {
  TempDir dir;
  const fs::path out = dir.path() / "out";
  fs::create_directories(out);
  const ProcessResult plain = runQuillbrook(exampleArguments(out), dir.path());
  const std::vector<std::string> plainTree = listTree(out);
  const std::string plainProject = readBytes(out / "motor.prj");
  const std::string plainPersonality = readBytes(out / "motor" / "person" / "motor.p_a");
  fs::remove_all(out);
  fs::create_directories(out);
  Lines withDatabase = exampleArguments(out);
  withDatabase.insert(withDatabase.end(), {"-cdb", "db.json"});

  const ProcessResult result = runQuillbrook(withDatabase, dir.path());

  EXPECT_EQ(result.exitCode, 0);
  // The database is announced after the groups and before the end; the
  // relative "-cdb" value was made absolute.
  const std::string last = "Tarn/Tarn++ Project Completed!\n";
  ASSERT_EQ(plain.output.substr(plain.output.size() - last.size()), last);
  EXPECT_EQ(result.output, plain.output.substr(0, plain.output.size() - last.size()) +
                               "  Creating Compilation Database - " + dir.toolPath("db.json") +
                               "\n" + last);
  EXPECT_EQ(listTree(out), plainTree);
  EXPECT_EQ(readBytes(out / "motor.prj"), plainProject);
  EXPECT_EQ(readBytes(out / "motor" / "person" / "motor.p_a"), plainPersonality);

  const std::string motor = toolForm(fs::path(EXAMPLES_DIR) / "motor");
  const nlohmann::json database = nlohmann::json::parse(readBytes(dir.path() / "db.json"));
  Lines files;
  for (const nlohmann::json& entry : database) {
    EXPECT_EQ(entry["directory"], hostForm(motor));
    EXPECT_EQ(entry["arguments"].back(), entry["file"]);
    files.push_back(entry["file"]);
  }
  // Headers are in the project but not in the database; doubled
  // separators are cleaned away.
  EXPECT_EQ(files, (Lines{hostForm(motor + "\\app\\main.c"), hostForm(motor + "\\app\\control.c"),
                          hostForm(motor + "\\drivers\\pwm.c"),
                          hostForm(motor + "\\drivers\\adc.c")}));
  ASSERT_FALSE(database.empty());
  // A C18 project for the PIC18F4550: the compiler's own macros come first.
  // A drive path cannot name a folder on a host without drives.
  Lines arguments{"cc", "-I", hostForm(motor + "\\include"), "-I", hostForm(motor + "\\drivers")};
#ifdef _WIN32
  arguments.insert(arguments.end(), {"-I", "C:\\MCC18\\h"});
#endif
  arguments.insert(arguments.end(), {"-D__18CXX", "-D__18F4550", "-DBOARD_NAME=\"bench\"",
                                     "-DMOTOR_POLES=4", "-DPWM_KHZ=20", "-DUSE_ADC", "-c", files[0]});
  EXPECT_EQ(database[0]["arguments"].get<Lines>(), arguments);
}

TEST(DatabaseConversion, DatabaseThatCannotBeWrittenStopsTheRun) {
  TempDir dir;
  writeBytes(dir.path() / "demo.mcp", lfLines({"[FILE_INFO]", "file_000=C:\\a.c"}));
  Lines unwritable = {dir.toolPath("missing\\db.json")};
#ifndef _WIN32
  unwritable.push_back("\\dev\\full");  // opens, but the write fails
#endif
  for (const std::string& path : unwritable) {
    const ProcessResult result = runQuillbrook({"demo.mcp", ".", "-cdb", hostForm(path)}, dir.path());
    EXPECT_EQ(result.exitCode, 1) << path;
    EXPECT_NE(result.output.find("Could not write file: " + path + "\n"), std::string::npos)
        << result.output;
    EXPECT_EQ(result.output.find("Completed"), std::string::npos) << path;
    EXPECT_TRUE(fs::exists(dir.path() / "demo.prj"));
  }
  EXPECT_FALSE(fs::exists(dir.path() / "missing"));
}

#ifndef _WIN32
// Standard error is not captured by the process runner, so a shell sends it
// to a file.
TEST(DatabaseConversion, Windows1252NameIsConvertedWithOneWarningOnStandardError) {
  TempDir dir;
  writeBytes(dir.path() / "demo.mcp",
             lfLines({"[HEADER]", "[PATH_INFO]", "dir_src=", "[SUITE_INFO]",
                      "suite_guid={5B7D72DD-9861-47BD-9F60-2BE967BF8416}",
                      "[FILE_INFO]", "file_000=caf\xE9.c", "file_001=na\xEFve.c"}));
  writeBytes(dir.path() / "caf\xE9.c", "");
  writeBytes(dir.path() / "na\xEFve.c", "");
  writeBytes(dir.path() / "pic.p_c", "");
  const ProcessResult result = runProcess(
      "/bin/sh",
      {"-c", "exec \"$0\" \"$@\" 2>errors.txt", QUILLBROOK_EXE, "demo.mcp", ".", "-cp", "pic.p_c",
       "-cdb", "db.json"},
      dir.path().string());

  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.output.find("warning"), std::string::npos);
  const std::string errors = readBytes(dir.path() / "errors.txt");
  EXPECT_EQ(errors.rfind("Quillbrook: warning: ", 0), 0u) << errors;
  EXPECT_EQ(std::count(errors.begin(), errors.end(), '\n'), 1) << errors;
  EXPECT_NE(errors.find("/caf\xC3\xA9.c\n"), std::string::npos) << errors;
  const nlohmann::json database = nlohmann::json::parse(readBytes(dir.path() / "db.json"));
  ASSERT_EQ(database.size(), 2u);
  EXPECT_EQ(database[1]["file"], hostForm(dir.toolPath("na\xC3\xAFve.c")));
}
#endif

// A project built from each source's folder, written where its library
// lived in "C:\Lib": -map points that at this machine in the project file,
// the personality and the database alike.
TEST(DatabaseConversion, SourceFolderBuildsAndMappedPathsReachEveryOutput) {
  TempDir dir;
  fs::create_directories(dir.path() / "p" / "app");
  fs::create_directories(dir.path() / "p" / "inc");
  fs::create_directories(dir.path() / "lib" / "h");
  writeBytes(dir.path() / "p" / "app" / "main.c", "");
  writeBytes(dir.path() / "lib" / "util.c", "");
  writeBytes(dir.path() / "p" / "demo.mcp",
             lfLines({"[HEADER]", "device=PIC32MX460F512L", "[PATH_INFO]",
                      "BuildDirPolicy=BuildDirIsSourceDir", "dir_src=", "dir_inc=..\\inc;C:\\Lib\\h",
                      "[FILE_INFO]", "file_000=app\\main.c", "file_001=C:\\Lib\\util.c",
                      "[SUITE_INFO]", "suite_guid={14495C23-81F8-43F3-8A44-859C583D7760}"}));
  writeBytes(dir.path() / "t.p_a", "template\r\n");
  writeBytes(dir.path() / "c.p_c", "");
  const ProcessResult result = runQuillbrook(
      {arg(dir.path() / "p" / "demo.mcp"), ".", "-cp", "c.p_c", "-ap", "t.p_a", "-cdb", "db.json", "-map",
       "c:/lib=" + arg(dir.path() / "lib"), "-map", "C:\\Nowhere=x"},
      dir.path());
  ASSERT_EQ(result.exitCode, 0) << result.output;
  const std::string project = dir.toolPath("p") + "\\";
  const std::string lib = dir.toolPath("lib");
  EXPECT_NE(readBytes(dir.path() / "demo.prj").find("\r\n" + lib + "\\util.c\r\n"),
            std::string::npos);
  // The Part's lines, then the include folder as seen from app, then the template.
  EXPECT_EQ(readBytes(dir.path() / "demo" / "person" / "demo.p_a"),
            crlfLines({"-i \"" + project + "..\\inc\"", "-i \"" + lib + "\\h\"",
                       "-i \"" + project + "\\app\\..\\inc\"", "template"}));
  const nlohmann::json database = nlohmann::json::parse(readBytes(dir.path() / "db.json"));
  ASSERT_EQ(database.size(), 2u);
  EXPECT_EQ(database[0]["directory"], hostForm(project + "app"));
  EXPECT_EQ(database[0]["arguments"].get<Lines>(),
            (Lines{"cc", "-I", hostForm(project + "app\\..\\inc"), "-I", hostForm(lib + "\\h"),
                   "-D__C32__", "-D__PIC32MX__", "-D__32MX460F512L__", "-c",
                   hostForm(project + "app\\main.c")}));
  EXPECT_EQ(database[1]["directory"], hostForm(lib));
  EXPECT_EQ(database[1]["arguments"][2], hostForm(dir.toolPath("lib") + "\\..\\inc"));
#ifndef _WIN32
  EXPECT_EQ(result.errors, "Quillbrook: warning: -map \"C:\\Nowhere=x\" matched no path of the "
                           "project\n");
#endif
}

// An empty "dir_inc=" item gave MPLAB's compiler no -I, so the database
// has none; the analyser personality keeps the line it always wrote, in
// both build-folder policies.
TEST(DatabaseConversion, EmptyIncludeItemsGiveNoDatabaseFolder) {
  struct Case {
    const char* dirInc;
    Lines personalityItems;  // each joined to the project folder
    Lines databaseFolders;   // below the project folder
  };
  const Case cases[] = {
      {"", {""}, {}},
      {"inc;;h", {"inc", "", "h"}, {"inc", "h"}},
      {"inc;", {"inc", ""}, {"inc"}},
      {";inc", {"", "inc"}, {"inc"}},
      {"inc; ;\t", {"inc", " ", "\t"}, {"inc"}},
      {"inc;.", {"inc", "."}, {"inc", "."}},
  };
  for (const char* policy : {"BuildDirIsProjectDir", "BuildDirIsSourceDir"}) {
    for (const Case& test : cases) {
      SCOPED_TRACE(std::string(policy) + " dir_inc=" + test.dirInc);
      TempDir dir;
      writeBytes(dir.path() / "main.c", "");
      writeBytes(dir.path() / "c.p_c", "");
      writeBytes(dir.path() / "p.mcp",
                 crlfLines({"[HEADER]", "device=PIC18F4550", "[PATH_INFO]",
                            std::string("BuildDirPolicy=") + policy, "dir_src=",
                            std::string("dir_inc=") + test.dirInc, "[FILE_INFO]",
                            "file_000=main.c", "[SUITE_INFO]",
                            "suite_guid={5B7D72DD-9861-47BD-9F60-2BE967BF8416}"}));
      const ProcessResult result =
          runQuillbrook({"p.mcp", ".", "-cp", "c.p_c", "-cdb", "db.json"}, dir.path());
      ASSERT_EQ(result.exitCode, 0) << result.output << result.errors;

      const nlohmann::json database = nlohmann::json::parse(readBytes(dir.path() / "db.json"));
      ASSERT_EQ(database.size(), 1u);
      const Lines arguments = database[0]["arguments"].get<Lines>();
      Lines folders;
      for (std::size_t i = 0; i + 1 < arguments.size(); ++i) {
        if (arguments[i] == "-I")
          folders.push_back(arguments[i + 1]);
      }
      Lines expected;
      for (const std::string& folder : test.databaseFolders)
        expected.push_back(hostForm(folder == "." ? dir.toolPath() : dir.toolPath(folder)));
      EXPECT_EQ(folders, expected);
      Lines personality;
      for (const std::string& item : test.personalityItems)
        personality.push_back("-i \"" + dir.toolPath() + "\\" + item + "\"");
      const std::string written = readBytes(dir.path() / "p" / "person" / "p.p_a");
      EXPECT_EQ(written.substr(0, crlfLines(personality).size()), crlfLines(personality));
    }
  }
}
