// The pieces of a database entry that are about paths: cleaning, letter
// case on disk, "-map", and the include folders of projects whose sources
// build in their own folders.

#include <gtest/gtest.h>

#include <string_view>
#include <utility>
#include <vector>

#include "database/DatabasePath.h"
#include "text/ToolPath.h"
#include "settings/PathMap.h"
#include "mcp/SourceFolders.h"
#include "platform/Platform.h"
#include "support/ParsedProject.h"

namespace fs = std::filesystem;

TEST(DatabasePath, CleaningCollapsesSeparatorsAndDropsDotComponentsButKeepsDotDot) {
  const std::pair<const char*, const char*> cases[] = {
      {"\\a\\\\b\\.\\c.c", "\\a\\b\\c.c"},
      {"C:\\p\\\\.\\..\\inc\\", "C:\\p\\..\\inc\\"},
      {"\\a\\.", "\\a"},
      {".\\x", "x"},
      {".", "."},
      {"\\", "\\"},
      {"", ""},
  };
  for (const auto& [path, cleaned] : cases)
    EXPECT_EQ(cleanToolPath(path), cleaned) << path;
  EXPECT_EQ(cleanToolPath("\\\\server\\share"),
            platform::hasDrives() ? "\\\\server\\share" : "\\server\\share");
  EXPECT_TRUE(isDrivePath("c:\\x"));
  EXPECT_FALSE(isDrivePath("\\c:"));
}

#ifndef _WIN32
TEST(DatabasePath, LetterCaseIsTakenFromDiskWhereExactlyOneEntryMatches) {
  TempDir dir;
  fs::create_directories(dir.path() / "Microchip" / "Include");
  writeBytes(dir.path() / "Microchip" / "Include" / "Compiler.h", "");
  fs::create_directories(dir.path() / "Usb");
  fs::create_directories(dir.path() / "USB");
  writeBytes(dir.path() / "main.c", "");
  const std::string base = dir.toolPath();
  const std::pair<std::string, std::string> cases[] = {
      // One match per missing component: the names on disk.
      {base + "\\microchip\\INCLUDE\\compiler.H", base + "\\Microchip\\Include\\Compiler.h"},
      {base + "\\MICROCHIP\\include\\..\\Include", base + "\\Microchip\\Include\\..\\Include"},
      // Existing paths, ambiguous and missing components stay as written.
      {base + "\\Microchip\\Include", base + "\\Microchip\\Include"},
      {base + "\\usb\\x.h", base + "\\usb\\x.h"},
      {base + "\\microchip\\nothing.h", base + "\\microchip\\nothing.h"},
      // A file where a folder is needed.
      {base + "\\MAIN.C\\x.h", base + "\\MAIN.C\\x.h"},
      {"C:\\microchip", "C:\\microchip"},
  };
  for (const auto& [path, matched] : cases)
    EXPECT_EQ(platform::matchLetterCase(path), matched) << path;
  EXPECT_EQ(databasePath(base + "\\\\microchip\\.\\include"),
            platform::hostPath(base + "\\Microchip\\Include"));
}
#endif

TEST(PathMap, FirstFromThatStartsThePathAtAComponentBoundaryIsReplaced) {
  PathMap map;
  EXPECT_FALSE(map.add("no-equals", "\\cwd"));
  EXPECT_FALSE(map.add("=\\to", "\\cwd"));
  EXPECT_FALSE(map.add("C:\\from=", "\\cwd"));
  ASSERT_TRUE(map.add("C:\\C32=\\opt\\c32", "\\cwd"));
  ASSERT_TRUE(map.add("c:/c32/lib=\\never", "\\cwd"));
  ASSERT_TRUE(map.add("\\work\\p\\..\\MMB\\=\\work\\MMB\\", "\\cwd"));
  ASSERT_TRUE(map.add("\\unused=\\x", "\\cwd"));
  const std::pair<std::string, std::string> cases[] = {
      {"C:\\C32\\lib\\SDMMC.c", "\\opt\\c32\\lib\\SDMMC.c"},
      {"c:/c32", "\\opt\\c32"},
      {"C:\\C32x\\a.c", "C:\\C32x\\a.c"},
      {"\\work\\p\\\\..\\mmb\\MMB.c", "\\work\\MMB\\MMB.c"},
      {"\\work\\p\\..\\MMBx\\MMB.c", "\\work\\p\\..\\MMBx\\MMB.c"},
      {"D:\\C32\\a.c", "D:\\C32\\a.c"},
  };
  for (auto [path, mapped] : cases) {
    const std::string given = path;
    EXPECT_EQ(map.apply(path), given != mapped) << given;
    EXPECT_EQ(path, platform::pathArgument(mapped)) << given;
  }
  // The second never won over the first; the fourth matched nothing.
  EXPECT_EQ(map.unused(), (std::vector<std::string>{"c:/c32/lib=\\never", "\\unused=\\x"}));
}

TEST(SourceFolders, RelativeIncludesJoinEachSourceFolderThatHasThemOnce) {
  ParsedProject project(lfLines({"[HEADER]", "[PATH_INFO]", "BuildDirPolicy=BuildDirIsSourceDir", "dir_src=",
                                 "dir_inc=..\\Include;.;C:\\mcc18\\h;..\\absent", "[FILE_INFO]",
                                 "file_000=app\\main.c", "file_001=lib\\x.c", "file_002=app\\b.c",
                                 "file_003=Include\\only.h"}));
  const fs::path root = project.dir.path();
  fs::create_directories(root / "app");
  fs::create_directories(root / "lib");
  fs::create_directories(root / "Include");
  const std::string base = project.folder();
  const DatabaseRules build = project.model.rules;
  ASSERT_TRUE(build.sourceDirBuilds);
  std::vector<std::pair<std::size_t, std::string_view>> relative;
  for (const IncludeLine& line : build.includeLines)
    forEachIncludeItem(line, [&](std::size_t index, std::string_view item, bool isRelative) {
      if (isRelative)
        relative.emplace_back(index, item);
    });
  EXPECT_EQ(relative, (std::vector<std::pair<std::size_t, std::string_view>>{
                          {0, "..\\Include"}, {1, "."}, {3, "..\\absent"}}));
  // Folders in file order, each once; headers are not compiled there.
  EXPECT_EQ(sourceFolders(project.root()),
            (std::vector<std::string>{base + "\\app", base + "\\lib"}));
  // ".." from each source folder reaches Include; "." of the project folder
  // is listed already, the others are new; "..\absent" exists nowhere.
  EXPECT_EQ(sourceFolderIncludes(project.root(), build.includeLines),
            (std::vector<std::string>{base + "\\app\\..\\Include", base + "\\lib\\..\\Include",
                                      base + "\\app\\.", base + "\\lib\\."}));
}
