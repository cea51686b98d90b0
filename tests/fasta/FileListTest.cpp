#include <gtest/gtest.h>

#include "fasta/FileList.h"
#include "support/TempDir.h"

namespace tw {
namespace {

using Strings = std::vector<std::string>;

TEST(FileList, ListsEveryMatchingEntryOfTheFolderOnly) {
  test::TempDir dir;
  for (const char *name : {"b.seq", "A.SEQ", ".hidden.seq", "c.Seq", "x.seq.bak", "seq",
                           "x.sequence", "notes.txt"}) {
    dir.Write(name, "");
  }
  test::SetReadOnly(dir.Write("ro.seq", ""), true);
  dir.MakeDir("folder.seq");
  dir.Write("sub/deep.seq", "");

  StringList list = {"kept.seq"};
  FindFilesToList(dir / "*.seq", list);
  EXPECT_EQ(list, (Strings{"kept.seq", ".hidden.seq", "A.SEQ", "b.seq", "c.Seq", "folder.seq",
                           "ro.seq"}));

  LoadSeqFileList(dir.path(), list);
  EXPECT_EQ(list.front(), ".hidden.seq") << "the load empties the list first";
  EXPECT_EQ(list.size(), 6u);

  LoadSeqFileList(dir / "missing", list);
  EXPECT_TRUE(list.empty());
}

TEST(FileList, PatternLettersIgnoreCase) {
  test::TempDir dir;
  dir.Write("a.seq", "");
  dir.Write("B.SEQ", "");
  StringList list;
  FindFilesToList(dir / "*.SEQ", list);
  EXPECT_EQ(list, (Strings{"a.seq", "B.SEQ"}));
}

}  // namespace
}  // namespace tw
