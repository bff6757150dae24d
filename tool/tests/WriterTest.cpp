// The writers on group trees the reader never builds: deeper trees, and
// settings below the root, where the analyser personality lookup matters.

#include <gtest/gtest.h>

#include "io/Errors.h"
#include "plan/OutputPlan.h"
#include "support/ParsedProject.h"
#include "platform/Platform.h"
#include "support/TestFiles.h"

namespace fs = std::filesystem;

namespace {

class WrittenTree {
public:
  WrittenTree() : settings(settingsFor(dir.toolPath("demo.mcp"), dir.toolPath("out"))) {
    fs::create_directory(dir.path() / "out");
    settings.projectName = "demo";
    model.rootGroup = std::make_unique<ProjectGroup>("demo");
    model.input = settings.sourceProject;
  }

  ProjectGroup& root() { return *model.rootGroup; }

  ProjectGroup& add(ProjectGroup& parent, const std::string& name) {
    parent.children.push_back(std::make_unique<ProjectGroup>(name));
    return *parent.children.back();
  }

  // The project file's "AnalPers=" values, in block order.
  std::vector<std::string> write() {
    testing::internal::CaptureStdout();
    try {
      ProjectConverter(settings).writeProject(model);
    } catch (...) {
      console = testing::internal::GetCapturedStdout();
      throw;
    }
    console = testing::internal::GetCapturedStdout();
    std::vector<std::string> values;
    const std::string prj = readBytes(dir.path() / "out" / "demo.prj");
    std::string::size_type at = 0;
    while ((at = prj.find("AnalPers=", at)) != std::string::npos) {
      at += 9;
      values.push_back(prj.substr(at, prj.find("\r\n", at) - at));
    }
    return values;
  }

  TempDir dir;
  ConversionSettings settings;
  ProjectModel model;
  std::string console;
};

using Paths = std::vector<std::string>;

}  // namespace

TEST(Writer, ChildrenUseTheNearestOwnAnalyserFile) {
  WrittenTree tree;
  ProjectGroup& root = tree.root();
  root.includePaths.add("C:\\inc");
  ProjectGroup& child = tree.add(root, "child");
  tree.add(child, "grandchild");

  const std::string own = tree.dir.toolPath("out\\demo\\person\\demo.p_a");
  EXPECT_EQ(tree.write(), (Paths{own, own, own}));
  EXPECT_TRUE(fs::is_directory(tree.dir.path() / "out/demo/child/grandchild/person"));
}

TEST(Writer, OwnFileIsNamedAfterTheLastPartOfTheGroupName) {
  WrittenTree tree;
  ProjectGroup& root = tree.root();
  tree.add(root, "lib/io").defines.set("X", "\"q\"");
  tree.add(root, "x\\y").defines.set("Y", "");

  const std::string shared = tree.dir.toolPath("out\\person\\demo.p_a");
  const std::string io = tree.dir.toolPath("out") + "\\demo\\lib/io\\person\\io.p_a";
  const std::string y = tree.dir.toolPath("out\\demo\\x\\y\\person\\y.p_a");
  EXPECT_EQ(tree.write(), (Paths{shared, io, y}));
  EXPECT_EQ(readBytes(tree.dir.path() / "out/demo/lib/io/person/io.p_a"), "-d \"X=\"q\"\"\r\n");
  EXPECT_EQ(readBytes(tree.dir.path() / "out/demo/x/y/person/y.p_a"), "-d \"Y\"\r\n");
}

TEST(Writer, GrandchildrenInheritTheOwnFileWhenTheLookupMissesIt) {
  // The parent's leaf rules disagree for "a/b\c": its own file is c.p_a, but
  // the child's lookup asks for "b\c.p_a". The handed-down path still names
  // the parent's file, never an empty path.
  WrittenTree tree;
  // The sibling "a" makes the folder "a/b" on the way possible.
  ProjectGroup& root = tree.root();
  tree.add(root, "a");
  ProjectGroup& parent = tree.add(root, "a/b\\c");
  parent.includePaths.add("C:\\inc");
  tree.add(parent, "g");

  const std::string shared = tree.dir.toolPath("out\\person\\demo.p_a");
  const std::string own = tree.dir.toolPath("out") + "\\demo\\a/b\\c\\person\\c.p_a";
  EXPECT_EQ(tree.write(), (Paths{shared, shared, own, own}));
  EXPECT_NE(tree.console.find("Tarn/Tarn++ Project Completed!"), std::string::npos);
}

namespace {

// The host call that is made to fail, and the project file as it stood on
// disk at that moment.
std::string failingPath;
std::string projectFile;
std::string projectFileAtFailure;

bool failAndLook(platform::HostCall call, const std::string& path) {
  if (path != failingPath ||
      (call != platform::HostCall::MakeDirectory && call != platform::HostCall::OpenForWriting))
    return false;
  projectFileAtFailure = readBytes(projectFile);
  return true;
}

std::string lastLineOf(const std::string& text) {
  if (text.size() < 2 || text.compare(text.size() - 2, 2, "\r\n") != 0)
    return "(no whole last line)";
  const std::string::size_type end = text.size() - 2;
  const std::string::size_type start = text.rfind("\r\n", end - 1);
  return text.substr(start + 2, end - start - 2);
}

}  // namespace

// The project file is buffered, but when a folder is made or another file
// opened, every line written before is already in it.
TEST(Writer, TheProjectFileIsOnDiskBeforeEachFolderAndFile) {
  struct Case {
    std::string failing;   // below out\ (tool form)
    std::string lastLine;  // of the project file at that moment; "@" stands for out\ .
  };
  const Case cases[] = {
      // Folder of the second child: the first child's block is complete.
      {"demo\\b", "EndContainedFilesMarker"},
      {"demo\\b\\output\\", "EndContainedFilesMarker"},
      // The own analyser file, opened after its "AnalPers=" line.
      {"demo\\person\\demo.p_a", "AnalPers=@demo\\person\\demo.p_a"},
      // The default files: message before "SubsPers=", compiler before "CompPers=".
      {"person\\demo.p_s", "OutputPath=@demo\\output\\"},
      {"person\\demo.p_c", "AnalPers=@demo\\person\\demo.p_a"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.failing);
    WrittenTree tree;
    ProjectGroup& root = tree.root();
    root.includePaths.add("C:\\inc");
    root.files = {"C:\\src\\main.c"};
    for (const std::string name : {"a", "b"}) {
      ProjectGroup& child = tree.add(root, name);
      // More than a buffer's worth.
      for (int i = 0; i < 3000; ++i)
        child.files.add("C:\\src\\" + name + "\\file" + std::to_string(i) + ".c");
    }
    const std::string out = tree.dir.toolPath("out") + "\\";
    failingPath = out + c.failing;
    projectFile = (tree.dir.path() / "out" / "demo.prj").string();
    projectFileAtFailure = "(not reached)";
    platform::setFaultHook(failAndLook);
    EXPECT_THROW(tree.write(), IOERROR);
    platform::setFaultHook(nullptr);

    std::string expected = c.lastLine;
    if (expected.find('@') != std::string::npos)
      expected.replace(expected.find('@'), 1, out);
    EXPECT_EQ(lastLineOf(projectFileAtFailure), expected);
    // Nothing came after it, and nothing before it was lost.
    EXPECT_TRUE(readBytes(projectFile) == projectFileAtFailure);
    if (c.failing.rfind("demo\\b", 0) == 0)
      EXPECT_NE(projectFileAtFailure.find("C:\\src\\a\\file2999.c\r\nEndContainedFilesMarker\r\n"),
                std::string::npos);
  }
}

#ifndef _WIN32
// A link planted in the destination after the run was checked (while its
// console was stalled, say) must not lead group folders elsewhere; one that
// was there when the run was checked is the user's own.
TEST(Writer, AFolderLinkThatAppearsDuringTheRunIsRefused) {
  for (const bool before : {false, true}) {
    SCOPED_TRACE(before ? "link there at the check" : "link planted after the check");
    WrittenTree tree;
    tree.add(tree.root(), "child");
    fs::create_directories(tree.dir.path() / "elsewhere");
    const fs::path link = tree.dir.path() / "out" / "demo";
    if (before)
      fs::create_directory_symlink(tree.dir.path() / "elsewhere", link);
    OutputPlan plan(tree.settings, tree.model);
    plan.refuseUnsafeOutputs();
    if (!before)
      fs::create_directory_symlink(tree.dir.path() / "elsewhere", link);
    const std::string child = tree.dir.toolPath("out\\demo\\child");
    if (before) {
      EXPECT_NO_THROW(plan.refuseMovedFolder(child));
      continue;
    }
    try {
      plan.refuseMovedFolder(child);
      ADD_FAILURE() << "not refused";
    } catch (const IOERROR& error) {
      EXPECT_EQ(error.getCode(), IOERROR::CannotCreateDirectory);
      EXPECT_EQ(error.getPath(), child);
    }
  }
}
#endif
