#include <unistd.h>

#include <gtest/gtest.h>

#include "platform/DirectorySearch.h"
#include "support/TempDir.h"

namespace tw {
namespace {

TEST(DirectorySearch, PatternsIgnoreAsciiCase) {
  struct Case {
    const char *name;
    const char *pattern;
    bool matches;
  };
  const Case cases[] = {
      {"a.seq", "*.seq", true},       {"Sample.SEQ", "*.seq", true},
      {"b.Seq", "*.seq", true},       {".seq", "*.seq", true},
      {"x.seq.bak", "*.seq", false},  {"x.sequence", "*.seq", false},
      {"seq", "*.seq", false},        {"a.b.seq", "*.seq", true},
      {"A01.seq", "A??.seq", true},   {"A1.seq", "A??.seq", false},
      {"anything", "*", true},        {"", "*", true},
      {"\xC3\xA9.seq", "*.SEQ", true}, {"\xC3\xA9.seq", "\xC3\x89.seq", false},
  };
  for (const Case &c : cases) {
    EXPECT_EQ(MatchesPattern(c.name, c.pattern), c.matches) << c.name << " ~ " << c.pattern;
  }
}

TEST(DirectorySearch, EntriesComeInCaseFoldedByteOrder) {
  test::TempDir dir;
  for (const char *name : {"b.seq", "B2.seq", "a.seq", "_x.seq", "A.seq", "Z.seq", "~t.seq"}) {
    dir.Write(name, "");
  }
  std::vector<std::string> names;
  for (const DirEntry &e : FindEntries(dir / "*.seq")) names.push_back(e.name);
  // '_' (0x5F) sorts after the capitals it is compared with, '~' last.
  const std::vector<std::string> expected = {"A.seq", "a.seq", "b.seq", "B2.seq",
                                             "Z.seq", "_x.seq", "~t.seq"};
  EXPECT_EQ(names, expected);
}

TEST(DirectorySearch, YieldsEveryKindAndNeverTakesALinkForAFolder) {
  test::TempDir dir;
  dir.Write(".hidden.seq", "");
  dir.MakeDir("sub.seq");
  dir.MakeDir("real");
  ASSERT_EQ(::symlink((dir / "real").c_str(), (dir / "link.seq").c_str()), 0);
  ASSERT_EQ(::symlink("/nowhere", (dir / "dangling.seq").c_str()), 0);

  const std::vector<DirEntry> expected = {
      {".hidden.seq", false}, {"dangling.seq", false}, {"link.seq", false}, {"sub.seq", true}};
  EXPECT_EQ(FindEntries(dir / "*.seq"), expected);
}

TEST(DirectorySearch, AFolderThatCannotBeSearchedYieldsNothing) {
  test::TempDir dir;
  EXPECT_TRUE(FindEntries(dir / "missing/*.seq").empty());
  EXPECT_TRUE(FindEntries(dir / "*.seq").empty());
}

}  // namespace
}  // namespace tw
