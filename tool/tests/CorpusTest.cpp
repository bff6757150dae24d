// Every real project file of the shared corpus must convert, with and
// without "-sw".

#include <gtest/gtest.h>

#include "support/RunQuillbrook.h"

namespace fs = std::filesystem;

namespace {

std::size_t definitionLines(const fs::path& out, const std::string& name) {
  const fs::path own = out / name / "person" / (name + ".p_a");
  if (!fs::exists(own))
    return 0;
  const std::string text = readBytes(own);
  std::size_t count = 0;
  for (std::size_t at = text.find("-d \""); at != std::string::npos;
       at = text.find("-d \"", at + 1))
    ++count;
  return count;
}

}  // namespace

TEST(Corpus, EveryRealProjectConvertsWithAndWithoutSwitches) {
  const fs::path corpus = CORPUS_DIR;
  if (!fs::is_directory(corpus))
    GTEST_SKIP() << "no corpus of real project files at " << corpus.string();
  TempDir dir;
  writeBytes(dir.path() / "c.p_c", "");
  int converted = 0;
  int gained = 0;
  for (const auto& entry : fs::directory_iterator(corpus)) {
    if (entry.path().extension() != ".mcp")
      continue;
    const std::string name = entry.path().stem().string();
    SCOPED_TRACE(name);
    // Short folders: the long corpus names come twice more below them, and
    // Windows paths are limited in length.
    const std::string number = std::to_string(converted);
    const fs::path plainOut = dir.path() / ("p" + number);
    const fs::path switchedOut = dir.path() / ("s" + number);
    fs::create_directory(plainOut);
    fs::create_directory(switchedOut);
    const ProcessResult plain = runQuillbrook(
        {arg(entry.path()), arg(plainOut), "-cp", "c.p_c", "-ext", "c,h,asm,inc"}, dir.path());
    const ProcessResult switched = runQuillbrook(
        {arg(entry.path()), arg(switchedOut), "-cp", "c.p_c", "-ext", "c,h,asm,inc", "-sw"},
        dir.path());
    EXPECT_EQ(plain.exitCode, 0) << plain.output << plain.errors;
    EXPECT_EQ(switched.exitCode, 0) << switched.output << switched.errors;
    EXPECT_TRUE(fs::exists(plainOut / (name + ".prj")));
    EXPECT_TRUE(fs::exists(switchedOut / (name + ".prj")));
    EXPECT_EQ(switched.errors.find("-sw"), std::string::npos) << switched.errors;
    // A project told to have unread switches gains definitions with "-sw".
    const bool warned = plain.errors.find("\"-sw\" reads them") != std::string::npos;
    const std::size_t before = definitionLines(plainOut, name);
    const std::size_t after = definitionLines(switchedOut, name);
    EXPECT_EQ(warned, after > before) << plain.errors;
    gained += after > before ? 1 : 0;
    ++converted;
  }
  EXPECT_GT(converted, 0);
  EXPECT_GT(gained, 0);
}
