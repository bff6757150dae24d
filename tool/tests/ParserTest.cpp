#include <gtest/gtest.h>

#include "mcp/MplabProjectParser.h"
#include "support/ParsedProject.h"

using Files = std::vector<std::string>;

TEST(Parser, WorkedExampleFillsFoldersAndRoot) {
  ParsedProject project(lfLines({"dir_src=", "subfolder_src=drivers;app", "[FILE_SUBFOLDERS]",
                                 "file_000=drivers", "file_001=app", "file_002=.",
                                 "[GENERATED_FILES]", "[FILE_INFO]", "file_000=uart.c",
                                 "file_001=main.c", "file_002=C:\\lib\\board.h",
                                 "file_003=notes.txt"}),
                        "c,h");
  const std::string base = project.folder() + "\\";
  ASSERT_EQ(project.root().children.size(), 2u);
  EXPECT_EQ(project.child(0).name, "drivers");
  EXPECT_EQ(project.child(0).files.paths(), Files{base + "uart.c"});
  EXPECT_EQ(project.child(1).name, "app");
  EXPECT_EQ(project.child(1).files.paths(), Files{base + "main.c"});
  EXPECT_EQ(project.root().files.paths(), Files{"C:\\lib\\board.h"});
  EXPECT_EQ(project.root().sourcePath, project.folder());
  EXPECT_TRUE(project.child(0).sourcePath.empty());
}

TEST(Parser, UnrecognisedContentGivesAnEmptyModel) {
  ParsedProject project(lfLines({"[HEADER]", "magic_cookie={x}", "garbage without equals"}));
  EXPECT_TRUE(project.root().files.empty());
  EXPECT_TRUE(project.root().children.empty());
}

TEST(Parser, RunsSwallowTheLineThatEndsThem) {
  // The [FILE_INFO] header ends the folder run and is lost with it, so its
  // key lines reach the main loop and record nothing.
  ParsedProject project(lfLines({"subfolder_src=src", "[FILE_SUBFOLDERS]", "file_000=src",
                                 "[FILE_INFO]", "file_000=a.c", "file_001=b.c"}));
  ASSERT_EQ(project.root().children.size(), 1u);
  EXPECT_TRUE(project.child(0).files.empty());
  EXPECT_TRUE(project.root().files.empty());
}

TEST(Parser, FileInfoBeforeAnyFoldersGoesToTheRoot) {
  ParsedProject project(lfLines({"[FILE_INFO]", "file_000=a.c", "file_001=b.h", "x",
                                 "subfolder_src=src"}));
  EXPECT_EQ(project.root().files.paths(), (Files{"\\a.c", "\\b.h"}));
  ASSERT_EQ(project.root().children.size(), 1u);
  EXPECT_TRUE(project.child(0).files.empty());
}

TEST(Parser, EmptyFolderNamesNeverBecomeGroups) {
  ParsedProject project(lfLines({"subfolder_src=src;", "subfolder_src=", "[FILE_SUBFOLDERS]",
                                 "file_000=", "file_001=src", "x", "[FILE_INFO]",
                                 "file_000=lost.c", "file_001=kept.c"}));
  ASSERT_EQ(project.root().children.size(), 1u);
  EXPECT_EQ(project.child(0).files.paths(), Files{"\\kept.c"});
  EXPECT_TRUE(project.root().files.empty());
}

TEST(Parser, FoldersOfTheSameNameEachGetTheFiles) {
  ParsedProject project(lfLines({"subfolder_src=src;src", "[FILE_SUBFOLDERS]", "file_000=src",
                                 "x", "[FILE_INFO]", "file_000=a.c"}));
  ASSERT_EQ(project.root().children.size(), 2u);
  EXPECT_EQ(project.child(0).files.paths(), Files{"\\a.c"});
  EXPECT_EQ(project.child(1).files.paths(), Files{"\\a.c"});
}

TEST(Parser, UnresolvedKeysAreDropped) {
  ParsedProject project(lfLines({"subfolder_src=src", "[FILE_SUBFOLDERS]", "file_000=src",
                                 "file_001=src", "x", "[FILE_INFO]", "file_001=b.c"}));
  EXPECT_EQ(project.child(0).files.paths(), Files{"\\b.c"});
}

TEST(Parser, RejectedFilesLeaveNoTrace) {
  ParsedProject project(lfLines({"subfolder_src=src", "[FILE_SUBFOLDERS]", "file_000=src",
                                 "x", "[FILE_INFO]", "file_000=a.txt", "file_001=b.txt"}),
                        "c");
  EXPECT_TRUE(project.child(0).files.empty());
  EXPECT_TRUE(project.root().files.empty());
}

TEST(Parser, SourceDirectoryRules) {
  ParsedProject verbatim(lfLines({"dir_src=rel\\src\\", "[FILE_INFO]", "file_000=a.c",
                                  "file_001=\\b.c", "file_002=..\\c.c", "file_003=D:x.c",
                                  "file_004=\\\\server\\d.c"}));
  EXPECT_EQ(verbatim.root().files.paths(),
            (Files{"rel\\src\\\\a.c", "rel\\src\\\\\\b.c", "rel\\src\\\\..\\c.c", "D:x.c",
                   "rel\\src\\\\\\\\server\\d.c"}));

  ParsedProject later(lfLines({"dir_src=one", "dir_src=two", "[FILE_INFO]", "file_000=a.c"}));
  EXPECT_EQ(later.root().files.paths(), Files{"two\\a.c"});
}

TEST(Parser, ExtensionFilterComparesTheTextAfterTheLastDot) {
  MplabProjectParser parser;
  parser.setExtensions({"c"});
  EXPECT_TRUE(parser.acceptsFile("MAIN.C"));
  EXPECT_TRUE(parser.acceptsFile("x.c"));
  EXPECT_TRUE(parser.acceptsFile("c"));
  EXPECT_FALSE(parser.acceptsFile("x.cpp"));
  EXPECT_FALSE(parser.acceptsFile("dir.v2\\makefile"));
  EXPECT_FALSE(parser.acceptsFile("x.c "));

  parser.setExtensions({});
  EXPECT_TRUE(parser.acceptsFile("makefile"));
  parser.setExtensions({""});
  EXPECT_TRUE(parser.acceptsFile("trailing."));
  EXPECT_FALSE(parser.acceptsFile("x.c"));
}

TEST(Parser, ResolvedPathsMatchLaterKeysAsPlainEntries) {
  // An entry replaced by a path is compared again with later keys, exactly
  // as a scan over all entries would.
  ParsedProject project(lfLines({"subfolder_src=src", "[FILE_SUBFOLDERS]", "file_000=src",
                                 "x", "[FILE_INFO]", "file_000=C:file_9",
                                 "C:file_9=C:\\final.c"}));
  EXPECT_EQ(project.child(0).files.paths(), Files{"C:\\final.c"});
  EXPECT_TRUE(project.root().files.empty());
}

TEST(Parser, AnEntryRejectedWhenMatchedAgainLeavesItsFolder) {
  // The second entry's path matches a later key whose file the filter
  // rejects: the folder keeps only the first path, in its place.
  ParsedProject project(lfLines({"subfolder_src=src", "[FILE_SUBFOLDERS]", "file_000=src",
                                 "file_001=src", "x", "[FILE_INFO]", "file_000=C:file_a.c",
                                 "file_001=C:file_b.c", "C:file_b.c=notes.txt"}),
                        "c");
  EXPECT_EQ(project.child(0).files.paths(), Files{"C:file_a.c"});
  EXPECT_TRUE(project.root().files.empty());
}

TEST(Parser, KeysMatchByTheirWholeText) {
  // file_7 and file_007 name the same number but are different keys; a key
  // given twice is in both folders; once resolved, an entry no longer holds
  // its key, so the key's second [FILE_INFO] line goes to the root.
  ParsedProject project(lfLines({"subfolder_src=a;b;c", "[FILE_SUBFOLDERS]", "file_7=a",
                                 "file_007=b", "file_1=c", "file_1=a", "x", "[FILE_INFO]",
                                 "file_007=seven.c", "file_1=one.c", "file_1=again.c",
                                 "file_7=other.c"}));
  EXPECT_EQ(project.child(0).files.paths(), (Files{"\\other.c", "\\one.c"}));
  EXPECT_EQ(project.child(1).files.paths(), Files{"\\seven.c"});
  EXPECT_EQ(project.child(2).files.paths(), Files{"\\one.c"});
  EXPECT_EQ(project.root().files.paths(), Files{"\\again.c"});
}

TEST(Parser, AnEmptyKeyMatchesRejectedEntries) {
  // A rejected file leaves an empty entry, which a later empty key equals.
  ParsedProject project(lfLines({"subfolder_src=src", "[FILE_SUBFOLDERS]", "file_000=src",
                                 "x", "[FILE_INFO]", "file_000=a.txt", "=file_b.c"}),
                        "c");
  EXPECT_EQ(project.child(0).files.paths(), Files{"\\file_b.c"});
  EXPECT_TRUE(project.root().files.empty());
}

// Speed is measured by scripts/bench; this checks that a large project
// comes through whole.
TEST(Parser, LargeProjectsParseWhole) {
  const int count = 100000;
  std::string text = "subfolder_src=a;b\n[FILE_SUBFOLDERS]\n";
  for (int i = 0; i < count; ++i)
    text += "file_" + std::to_string(i) + (i % 3 ? "=a\n" : "=b\n");
  text += "[GENERATED_FILES]\n[FILE_INFO]\n";
  for (int i = 0; i < count; ++i)
    text += "file_" + std::to_string(i) + "=src\\f" + std::to_string(i) + ".c\n";
  ParsedProject project(text);
  EXPECT_EQ(project.child(0).files.size() + project.child(1).files.size(),
            static_cast<std::size_t>(count));
  EXPECT_EQ(project.child(1).files[0], "\\src\\f0.c");
}
