// The writers on group trees the reader never builds: deeper trees, and
// settings below the root, where the analyser personality lookup matters.

#include <gtest/gtest.h>

#include "ProjectConverter.h"
#include "support/TestFiles.h"

namespace fs = std::filesystem;

namespace {

class WrittenTree {
public:
  WrittenTree() : converter(dir.toolPath("demo.mcp"), dir.toolPath("out")) {
    fs::create_directory(dir.path() / "out");
    converter.projectName = "demo";
  }

  ProjectGroup& add(ProjectGroup& parent, const std::string& name) {
    parent.children.push_back(std::make_unique<ProjectGroup>(name, &converter));
    return *parent.children.back();
  }

  // The project file's "AnalPers=" values, in block order.
  std::vector<std::string> write() {
    testing::internal::CaptureStdout();
    try {
      converter.writeProject();
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
  ProjectConverter converter;
  std::string console;
};

using Paths = std::vector<std::string>;

}  // namespace

TEST(Writer, ChildrenUseTheNearestOwnAnalyserFile) {
  WrittenTree tree;
  ProjectGroup& root = *tree.converter.getRootGroup();
  root.includePaths.push_back("C:\\inc");
  ProjectGroup& child = tree.add(root, "child");
  tree.add(child, "grandchild");

  const std::string own = tree.dir.toolPath("out\\demo\\person\\demo.p_a");
  EXPECT_EQ(tree.write(), (Paths{own, own, own}));
  EXPECT_TRUE(fs::is_directory(tree.dir.path() / "out/demo/child/grandchild/person"));
}

TEST(Writer, OwnFileIsNamedAfterTheLastPartOfTheGroupName) {
  WrittenTree tree;
  ProjectGroup& root = *tree.converter.getRootGroup();
  tree.add(root, "lib/io").defines["X"] = "\"q\"";
  tree.add(root, "x\\y").defines["Y"] = "";

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
  ProjectGroup& root = *tree.converter.getRootGroup();
  tree.add(root, "a");
  ProjectGroup& parent = tree.add(root, "a/b\\c");
  parent.includePaths.push_back("C:\\inc");
  tree.add(parent, "g");

  const std::string shared = tree.dir.toolPath("out\\person\\demo.p_a");
  const std::string own = tree.dir.toolPath("out") + "\\demo\\a/b\\c\\person\\c.p_a";
  EXPECT_EQ(tree.write(), (Paths{shared, shared, own, own}));
  EXPECT_NE(tree.console.find("Tarn/Tarn++ Project Completed!"), std::string::npos);
}
