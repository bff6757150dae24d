// Every real project file of the shared corpus must convert.

#include <gtest/gtest.h>

#include "support/RunQuillbrook.h"

namespace fs = std::filesystem;

TEST(Corpus, EveryRealProjectConverts) {
  const fs::path corpus = CORPUS_DIR;
  if (!fs::is_directory(corpus))
    GTEST_SKIP() << "no corpus of real project files at " << corpus.string();
  TempDir dir;
  writeBytes(dir.path() / "c.p_c", "");
  int converted = 0;
  for (const auto& entry : fs::directory_iterator(corpus)) {
    if (entry.path().extension() != ".mcp")
      continue;
    SCOPED_TRACE(entry.path().filename().string());
    const fs::path out = dir.path() / entry.path().stem();
    fs::create_directory(out);
    const ProcessResult result = runQuillbrook(
        {arg(entry.path()), arg(out), "-cp", "c.p_c", "-ext", "c,h,asm,inc"}, dir.path());
    EXPECT_EQ(result.exitCode, 0) << result.output;
    EXPECT_TRUE(fs::exists(out / (entry.path().stem().string() + ".prj")));
    ++converted;
  }
  EXPECT_GT(converted, 0);
}
