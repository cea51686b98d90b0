#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "fasta/Failures.h"
#include "fasta/LineList.h"
#include "fasta/SeqFile.h"
#include "platform/Path.h"
#include "platform/SysCalls.h"
#include "support/FaultInjection.h"
#include "support/TempDir.h"

namespace tw {
namespace {

using Lines = std::vector<std::string>;
using namespace std::string_literals;

Lines ToVector(const LineList &list) {
  Lines lines;
  for (std::size_t i = 0; i < list.size(); ++i) lines.emplace_back(list[i]);
  return lines;
}

std::string OpenFailure(const std::string &path) {
  LineList lines;
  try {
    ReadSeqFile(path, lines);
  } catch (const EFOpenError &e) {
    return e.what();
  }
  return "no failure";
}

TEST(SeqFile, SplitRule) {
  struct Case {
    std::string bytes;
    Lines lines;
  };
  const std::string longLine(100, 'A');  // beyond one 16-byte scan
  const Case cases[] = {
      {"", {}},
      {"ACGT", {"ACGT"}},
      {"ACGT\r\n", {"ACGT"}},
      {"ACGT\nGG", {"ACGT", "GG"}},
      {"A\rB", {"A", "B"}},
      {"A\r\n\r\n", {"A", ""}},
      {"A\n\rB", {"A", "", "B"}},
      {"A\r\r\nB", {"A", "", "B"}},
      {"\r\n", {""}},
      {"A\0B\nC"s, {"A"}},
      {"\0ACGT\n"s, {}},
      {longLine + "\n" + longLine + "\0tail"s, {longLine, longLine}},
      {"\xEF\xBB\xBF>x \t\n\x80\xFF", {"\xEF\xBB\xBF>x \t", "\x80\xFF"}},
  };
  LineList list;
  for (const Case &c : cases) {
    list.Assign(c.bytes);
    EXPECT_EQ(ToVector(list), c.lines) << "input of " << c.bytes.size() << " bytes";
  }
}

// The rule byte by byte, as plainly as it can be written.
Lines ModelSplit(const std::string &text) {
  Lines lines;
  std::size_t pos = 0;
  while (pos < text.size() && text[pos] != '\0') {
    std::size_t end = pos;
    while (end < text.size() && text[end] != '\r' && text[end] != '\n' && text[end] != '\0') ++end;
    lines.push_back(text.substr(pos, end - pos));
    pos = end;
    if (pos < text.size() && text[pos] == '\r') ++pos;
    if (pos < text.size() && text[pos] == '\n') ++pos;
  }
  return lines;
}

TEST(SeqFile, SplitAgreesWithTheRuleOnEveryShortInputAndAcrossBlockEdges) {
  const char alphabet[] = {'A', '\r', '\n', '\0'};
  LineList list;
  for (int length = 0; length <= 6; ++length) {
    int combinations = 1;
    for (int i = 0; i < length; ++i) combinations *= 4;
    for (int n = 0; n < combinations; ++n) {
      std::string tail;
      for (int i = 0, k = n; i < length; ++i, k /= 4) tail.push_back(alphabet[k % 4]);
      // Placed at the start, and straddling the 64-byte scan blocks.
      for (std::size_t prefix : {0, 61, 62, 63, 64, 127}) {
        const std::string text = std::string(prefix, 'G') + tail;
        list.Assign(text);
        ASSERT_EQ(ToVector(list), ModelSplit(text)) << "prefix " << prefix << ", tail #" << n;
      }
    }
  }
}

TEST(SeqFile, ReadingReplacesTheListAndReusesIt) {
  test::TempDir dir;
  const std::string big = dir.Write("big.seq", std::string(5000, 'G') + "\nTT");
  const std::string small = dir.Write("small.seq", "A\nC\n");
  LineList lines;
  ReadSeqFile(big, lines);
  EXPECT_EQ(ToVector(lines), (Lines{std::string(5000, 'G'), "TT"}));
  ReadSeqFile(small, lines);
  EXPECT_EQ(ToVector(lines), (Lines{"A", "C"}));
}

TEST(SeqFile, FilesThatCannotBeOpenedNameTheirAbsolutePath) {
  test::TempDir dir;
  const std::string sub = dir.MakeDir("sub.seq");
  ASSERT_EQ(::mkfifo((dir / "fifo.seq").c_str(), 0644), 0);
  EXPECT_EQ(OpenFailure(sub), "Cannot open file \"" + sub + "\". Is a directory");
  EXPECT_EQ(OpenFailure(dir.path() + "//./sub.seq"),
            "Cannot open file \"" + sub + "\". Is a directory");
  EXPECT_EQ(OpenFailure(dir / "gone.seq"),
            "Cannot open file \"" + dir / "gone.seq" + "\". No such file or directory");
  EXPECT_EQ(OpenFailure(dir / "fifo.seq"),
            "Cannot open file \"" + dir / "fifo.seq" + "\". Not a regular file");
}

TEST(SeqFile, AFailedOpenLeavesTheListAsItWas) {
  test::TempDir dir;
  LineList lines;
  lines.Assign("keep\nme");
  EXPECT_THROW(ReadSeqFile(dir / "gone.seq", lines), EFOpenError);
  EXPECT_EQ(ToVector(lines), (Lines{"keep", "me"}));
}

TEST(SeqFile, AReadThatFailsOrComesUpShortIsNeverSilent) {
  test::TempDir dir;
  const std::string path = dir.Write("a.seq", "ACGT\nGG\n");
  LineList lines;
  lines.Assign("old");
  {
    test::FailCall io(test::SysCall::Read, EIO);
    try {
      ReadSeqFile(path, lines);
      ADD_FAILURE() << "no failure";
    } catch (const EInOutError &e) {
      EXPECT_EQ(e.code(), 1117);
    }
    EXPECT_TRUE(lines.empty());
  }
  {
    // The file shrinks between opening and reading: the read ends early.
    sys::SysCalls shrunk = sys::RealSysCalls();
    shrunk.read = [](int, void *, size_t) -> ssize_t { return 0; };
    sys::ScopedSysCalls scope(shrunk);
    try {
      ReadSeqFile(path, lines);
      ADD_FAILURE() << "no failure";
    } catch (const EInOutError &e) {
      EXPECT_STREQ(e.what(), "Read beyond end of file");
    }
  }
}

}  // namespace
}  // namespace tw
