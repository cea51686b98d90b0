#include <unistd.h>

#include <gtest/gtest.h>

#include "platform/Path.h"

namespace tw {
namespace {

TEST(Path, JoinAddsOneSeparatorAndNothingElse) {
  EXPECT_EQ(JoinPath("/data/plate", "a.seq"), "/data/plate/a.seq");
  EXPECT_EQ(JoinPath("/", "a.seq"), "//a.seq");
  EXPECT_EQ(JoinPath("/data/", "a.seq"), "/data//a.seq");
  EXPECT_EQ(JoinPath("rel", "a\\b.seq"), "rel/a\\b.seq");
}

TEST(Path, AbsolutePathFoldsLexically) {
  const std::pair<const char *, const char *> cases[] = {
      {"/data/plate/a.seq", "/data/plate/a.seq"},
      {"//data//plate/./a.seq", "/data/plate/a.seq"},
      {"/data/x/../plate/a.seq", "/data/plate/a.seq"},
      {"/../a.seq", "/a.seq"},
      {"/data/plate/", "/data/plate"},
      {"/", "/"},
  };
  for (const auto &[in, out] : cases) EXPECT_EQ(AbsolutePath(in), out) << in;

  char *cwd = ::getcwd(nullptr, 0);
  ASSERT_NE(cwd, nullptr);
  const std::string expected = FoldAbsolutePath(std::string(cwd) + "/sub/a.seq");
  ::free(cwd);
  EXPECT_EQ(AbsolutePath("./sub/x/../a.seq"), expected);
}

}  // namespace
}  // namespace tw
