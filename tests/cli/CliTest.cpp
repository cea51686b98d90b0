// tidewell-cli end to end, on temporary folders.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/ChildCli.h"
#include "support/TempDir.h"

namespace tw {
namespace {

using test::ChildResult;
using test::Exists;
using test::ReadBytes;
using test::RunCli;
using test::TempDir;

TEST(Cli, DoneWritesTheFastaAndReportsOnStdout) {
  TempDir dir;
  dir.Write("a.seq", "ACGT\nGG");
  dir.Write("b.seq", "");
  dir.Write("c.seq", "TT\r\n\r\n");
  const ChildResult result = RunCli({dir.path(), "result"});
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.out, "Building your fasta files...\nDone!!!\n");
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(ReadBytes(dir / "result.fasta"),
            ">a.seq\r\nACGT\r\nGG\r\n>b.seq\r\n>c.seq\r\nTT\r\n\r\n");
}

TEST(Cli, EachEndingHasItsStatusAndMessage) {
  TempDir dir;
  const std::string empty = dir.MakeDir("empty");
  const std::string plate = dir.MakeDir("plate");
  dir.Write("plate/a.seq", "ACGT");
  const std::string sub = dir.MakeDir("plate/x.seq");
  struct Case {
    std::vector<std::string> args;
    int status;
    std::string out;
    std::string err;
  };
  const Case cases[] = {
      {{"", ""}, 1, "", "Please input the savefile name!\n"},
      {{plate, ""}, 1, "", "Please input the savefile name!\n"},
      {{"", "result"}, 1, "", "Please load your folder!\n"},
      {{plate, std::string(300, 'n')}, 1, "", "The savefile name is too long!\n"},
      {{empty, "result"}, 1, "", "No .seq files in this folder!\n"},
      {{dir / "gone", "result"}, 2, "", "Invalid filename.\n"},
      {{plate, "result"}, 2, "Building your fasta files...\n",
       "Cannot open file \"" + sub + "\". Is a directory.\n"},
  };
  for (const Case &c : cases) {
    const ChildResult result = RunCli(c.args);
    EXPECT_EQ(result.status, c.status) << c.err;
    EXPECT_EQ(result.out, c.out);
    EXPECT_EQ(result.err, c.err);
  }
  EXPECT_EQ(ReadBytes(empty + "/result.fasta"), "");
  EXPECT_FALSE(Exists(plate + "/result.fasta")) << "no partial output";
  EXPECT_TRUE(Exists(plate + "/a.seq"));
}

TEST(Cli, WrongCommandLinesAreRefused) {
  const std::vector<std::string> cases[] = {
      {}, {"folder"}, {"folder", "name", "extra"}, {"--deleet", "folder", "name"}, {"-x"},
  };
  for (const auto &args : cases) {
    const ChildResult result = RunCli(args);
    EXPECT_EQ(result.status, 64);
    EXPECT_EQ(result.out, "");
    EXPECT_NE(result.err.find("usage: tidewell-cli [--delete] FOLDER RESULT_NAME"),
              std::string::npos);
  }
  const ChildResult help = RunCli({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_EQ(help.out.rfind("usage: tidewell-cli", 0), 0u);
  const ChildResult version = RunCli({"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out.rfind("tidewell-cli ", 0), 0u);
}

TEST(Cli, DeleteRemovesTheSeqFilesOfTheTreeAfterTheOutputIsClosed) {
  TempDir dir;
  dir.Write("a.seq", "ACGT");
  dir.Write("sub/b.SEQ", "GG");
  dir.Write("sub/deeper/c.seq", "TT");
  dir.Write("sub/keep.txt", "kept");
  const ChildResult result = RunCli({"--delete", dir.path(), "out"});
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.out,
            "Building your fasta files...\nWaiting for delete seq files......\nDone!!!\n");
  EXPECT_EQ(ReadBytes(dir / "out.fasta"), ">a.seq\r\nACGT\r\n");
  EXPECT_FALSE(Exists(dir / "a.seq"));
  EXPECT_FALSE(Exists(dir / "sub/b.SEQ"));
  EXPECT_FALSE(Exists(dir / "sub/deeper/c.seq"));
  EXPECT_EQ(ReadBytes(dir / "sub/keep.txt"), "kept");
}

TEST(Cli, FolderIsUsedExactlyAsGiven) {
  TempDir dir;
  dir.Write("a.seq", "ACGT");
  const ChildResult result = RunCli({"--", ".", "-dashed"}, {}, dir.path());
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(ReadBytes(dir / "-dashed.fasta"), ">a.seq\r\nACGT\r\n");
  EXPECT_EQ(RunCli({"--", dir.path(), "--delete"}).status, 0);
  EXPECT_TRUE(Exists(dir / "--delete.fasta"));
  EXPECT_TRUE(Exists(dir / "a.seq"));
}

}  // namespace
}  // namespace tw
