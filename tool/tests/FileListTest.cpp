#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "model/FileList.h"
#include "model/PathStore.h"

namespace {

using Strings = std::vector<std::string>;

}  // namespace

// Lists sharing one store keep their own paths, whatever the lengths: parts
// of every size up to past a whole large block, interleaved between lists,
// joined to a shared folder or kept whole, then reordered and replaced.
TEST(FileList, ListsSharingAStoreKeepTheirOwnPaths) {
  const auto store = std::make_shared<PathStore>();
  const FileList::Folder source = std::make_shared<const std::string>("C:\\src");
  FileList first(store);
  FileList second(store);
  Strings expectFirst;
  Strings expectSecond;
  const std::vector<std::size_t> lengths = {0, 1, 255, 256, 300, 70000, 3 << 20, 10, 64 * 1024};
  for (std::size_t i = 0; i < lengths.size(); ++i) {
    const std::string part(lengths[i], static_cast<char>('a' + i));
    if (i % 2 == 0) {
      first.add(source, part);
      expectFirst.push_back("C:\\src\\" + part);
    } else {
      first.add(part);
      expectFirst.push_back(part);
    }
    second.add(source, part + "!");
    expectSecond.push_back("C:\\src\\" + part + "!");
  }
  EXPECT_EQ(first.paths(), expectFirst);
  EXPECT_EQ(second.paths(), expectSecond);

  first.select({3, 0, 3});
  EXPECT_EQ(first.paths(), (Strings{expectFirst[3], expectFirst[0], expectFirst[3]}));
  second.replace(1, "D:\\mapped.c");
  expectSecond[1] = "D:\\mapped.c";
  EXPECT_EQ(second.paths(), expectSecond);

  // A list made empty gets a store of its own.
  const FileList own = {"a.c", "", "C:\\b.c"};
  EXPECT_EQ(own.paths(), (Strings{"a.c", "", "C:\\b.c"}));

  // Paths lying in kept texts, short ones held inside their strings among
  // them, stay where they were kept while more texts come.
  FileList kept;
  Strings expectKept;
  for (const std::string& text : Strings{"inc", std::string(5000, 'k'), "x"}) {
    const std::string_view held = kept.keep(LargeText(text));
    kept.addKept(held);
    kept.addKept(source, held.substr(1));
    expectKept.insert(expectKept.end(), {text, "C:\\src\\" + text.substr(1)});
  }
  kept.add("copied");
  expectKept.push_back("copied");
  EXPECT_EQ(kept.paths(), expectKept);
}

// A copied path keeps only its file name; its folder is shared. Paths in
// the folder of the one before, folders taking turns (held once each, not
// once a turn), backslashes at either end or doubled, no backslash at all,
// two shared folders of the same text, a list moved away mid-run: every
// path reads back byte for byte.
TEST(FileList, PathsSharingFoldersReadBackAsAdded) {
  const auto store = std::make_shared<PathStore>();
  const FileList::Folder source = std::make_shared<const std::string>("C:\\src");
  const FileList::Folder sameText = std::make_shared<const std::string>("C:\\src");
  const Strings parts = {"a\\x.c", "a\\y.c", "b\\x.c", "a\\z.c", "b\\y.c", "\\lead.c",
                         "trail\\", "\\", "a\\\\two.c", "plain.c", "", "..\\up\\a\\x.c"};
  FileList list(store);
  Strings expect;
  for (const std::string& part : parts) {
    list.add(source, part);
    list.add(sameText, part);
    list.add(part);
    expect.insert(expect.end(), {"C:\\src\\" + part, "C:\\src\\" + part, part});
  }
  FileList moved = std::move(list);
  moved.add(source, "a\\after.c");
  expect.push_back("C:\\src\\a\\after.c");
  EXPECT_EQ(moved.paths(), expect);

  // Folders taking turns a thousand times are held once each.
  FileList turns(store);
  for (int i = 0; i < 1000; ++i)
    turns.add(source, i % 2 == 0 ? "a\\x.c" : "b\\x.c");
  const std::size_t heldBefore = store->folderCount();
  for (int i = 0; i < 1000; ++i)
    turns.add(source, i % 2 == 0 ? "a\\y.c" : "b\\y.c");
  EXPECT_EQ(store->folderCount(), heldBefore);
  EXPECT_EQ(turns[1999], "C:\\src\\b\\y.c");
}
