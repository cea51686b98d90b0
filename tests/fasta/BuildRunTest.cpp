#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "fasta/BuildRun.h"
#include "fasta/FakeHost.h"
#include "support/FaultInjection.h"
#include "support/TempDir.h"

namespace tw {
namespace {

using test::Exists;
using test::Ending;
using test::FakeHost;
using test::Outcome;
using test::RunInProcess;
using test::ReadBytes;
using test::TempDir;
using Strings = std::vector<std::string>;

// A host whose window shows what an earlier run left behind.
FakeHost HostWithHistory(const std::string &folder, const std::string &name) {
  FakeHost host;
  host.folder = folder;
  host.resultName = name;
  host.position = 7;
  host.max = 9;
  host.log = {"typed by the user"};
  host.seqFileList = {"earlier.seq"};
  return host;
}

void ExpectWindowUnchanged(const FakeHost &host) {
  EXPECT_EQ(host.position, 7);
  EXPECT_EQ(host.max, 9);
  EXPECT_EQ(host.log, Strings{"typed by the user"});
  EXPECT_EQ(host.seqFileList, Strings{"earlier.seq"});
}

TEST(BuildRun, RefusedRunsShowOneMessageAndChangeNothing) {
  TempDir dir;
  dir.Write("a.seq", "ACGT");
  struct Case {
    std::string folder;
    std::string name;
    std::string message;
  };
  const Case cases[] = {
      {"", "", "Please input the savefile name!"},
      {dir.path(), "", "Please input the savefile name!"},
      {"", "result", "Please load your folder!"},
      {dir.path(), std::string(300, 'n'), "The savefile name is too long!"},
      {dir.path(), "sub/" + std::string(260, 'n'), "The savefile name is too long!"},
      {dir.path(), std::string(5000, 'n'), "The savefile name is too long!"},
  };
  for (const Case &c : cases) {
    FakeHost host = HostWithHistory(c.folder, c.name);
    EXPECT_EQ(RunInProcess(host).ending, Ending::Stopped);
    EXPECT_EQ(host.messages, Strings{c.message});
    ExpectWindowUnchanged(host);
  }
  EXPECT_EQ(test::ReadBytes(dir / "a.seq"), "ACGT");
}

TEST(BuildRun, CompleteRunWritesEveryRecordInListingOrder) {
  TempDir dir;
  dir.Write("b.seq", "GG\r\n");
  dir.Write("a.seq", "ACGT\nTT");
  dir.Write("Sample.SEQ", ">looks like a header\n");
  dir.Write("empty.seq", "");
  dir.Write("notes.txt", "not listed");
  dir.Write("sub/deep.seq", "not listed either");
  const std::string output = dir / "run 1 .fasta";

  FakeHost host = HostWithHistory(dir.path(), "run 1 ");
  host.onEvent = [&](const std::string &event) {
    if (event == "list") {
      EXPECT_TRUE(Exists(output)) << "the output is created before the listing";
      EXPECT_EQ(ReadBytes(output), "");
    }
  };
  ASSERT_EQ(RunInProcess(host).ending, Ending::Done);

  EXPECT_EQ(ReadBytes(output),
            ">a.seq\r\nACGT\r\nTT\r\n"
            ">b.seq\r\nGG\r\n"
            ">empty.seq\r\n"
            ">Sample.SEQ\r\n>looks like a header\r\n");
  EXPECT_EQ(host.seqFileList, (Strings{"a.seq", "b.seq", "empty.seq", "Sample.SEQ"}));
  EXPECT_EQ(host.min, 0);
  EXPECT_EQ(host.max, 4);
  EXPECT_EQ(host.position, 4);
  EXPECT_EQ(host.log, Strings{"Building your fasta files..."});
  EXPECT_EQ(host.messages, Strings{"Done!!!"});
  EXPECT_EQ(host.events.back(), "message:Done!!!");
  EXPECT_TRUE(Exists(dir / "sub/deep.seq"));

  // A second run with fewer files ends with the bar full at the new count.
  std::filesystem::remove(dir / "b.seq");
  ASSERT_EQ(RunInProcess(host).ending, Ending::Done);
  EXPECT_EQ(host.max, 3);
  EXPECT_EQ(host.position, 3);
}

TEST(BuildRun, DeletionComesOnlyAfterTheOutputIsClosed) {
  TempDir dir;
  dir.Write("a.seq", std::string(300, 'A'));
  dir.Write("sub/b.SEQ", "GG");
  dir.Write("notes.txt", "kept");
  const std::string output = dir / "out.fasta";
  const std::string expected = ">a.seq\r\n" + std::string(300, 'A') + "\r\n";

  FakeHost host = HostWithHistory(dir.path(), "out");
  host.deleteOption = true;
  host.onEvent = [&](const std::string &event) {
    if (event == "log:Waiting for delete seq files......") {
      EXPECT_EQ(ReadBytes(output), expected) << "closed, whole, before the deletion";
      EXPECT_TRUE(Exists(dir / "a.seq"));
    }
  };
  ASSERT_EQ(RunInProcess(host).ending, Ending::Done);

  EXPECT_FALSE(Exists(dir / "a.seq"));
  EXPECT_FALSE(Exists(dir / "sub/b.SEQ"));
  EXPECT_TRUE(Exists(dir / "sub"));
  EXPECT_EQ(ReadBytes(dir / "notes.txt"), "kept");
  EXPECT_EQ(ReadBytes(output), expected);
  EXPECT_EQ(host.log,
            (Strings{"Building your fasta files...", "Waiting for delete seq files......"}));
  EXPECT_EQ(host.events.back(), "message:Done!!!");
}

TEST(BuildRun, OutputToADeviceNeverLeadsToTheDeletion) {
  TempDir dir;
  dir.Write("a.seq", "ACGT");
  ASSERT_EQ(::symlink("/dev/null", (dir / "out.fasta").c_str()), 0);
  FakeHost host = HostWithHistory(dir.path(), "out");
  host.deleteOption = true;
  ASSERT_EQ(RunInProcess(host).ending, Ending::Done);
  EXPECT_EQ(ReadBytes(dir / "a.seq"), "ACGT") << "the only copy is kept";
  EXPECT_EQ(host.log, Strings{"Building your fasta files..."});
  EXPECT_EQ(host.messages, Strings{"Done!!!"});
}

TEST(BuildRun, NoSeqFilesLeavesAnEmptyOutputAndTheLogAsItWas) {
  TempDir dir;
  const std::string output = dir.Write("out.fasta", "an earlier result");
  dir.Write("sub/deep.seq", "ACGT");
  FakeHost host = HostWithHistory(dir.path(), "out");
  host.deleteOption = true;

  EXPECT_EQ(RunInProcess(host).ending, Ending::Stopped);
  EXPECT_EQ(host.messages, Strings{"No .seq files in this folder!"});
  EXPECT_EQ(ReadBytes(output), "");
  EXPECT_EQ(host.position, 0);
  EXPECT_EQ(host.min, 0);
  EXPECT_EQ(host.max, 0);
  EXPECT_EQ(host.log, Strings{"typed by the user"});
  EXPECT_TRUE(host.seqFileList.empty());
  EXPECT_TRUE(Exists(dir / "sub/deep.seq"));
}

TEST(BuildRun, AnOutputThatCannotBeCreatedEndsTheRunBeforeAnythingChanges) {
  TempDir dir;
  dir.Write("a.seq", "ACGT");
  const std::string output = dir.Write("out.fasta", "precious");
  test::SetReadOnly(output, true);
  FakeHost host = HostWithHistory(dir.path(), "out");

  const Outcome outcome = RunInProcess(host);
  EXPECT_EQ(outcome.ending, Ending::Failed);
  EXPECT_EQ(outcome.shown, "File access denied.");
  EXPECT_EQ(ReadBytes(output), "precious");
  ExpectWindowUnchanged(host);
  EXPECT_TRUE(host.events.empty());
}

TEST(BuildRun, AnEntryThatCannotBeReadEndsTheRunWithoutDeletionOrPartialOutput) {
  TempDir dir;
  dir.Write("a.seq", "ACGT");
  const std::string sub = dir.MakeDir("m.seq");
  dir.Write("z.seq", "TT");
  FakeHost host = HostWithHistory(dir.path(), "out");
  host.deleteOption = true;

  const Outcome outcome = RunInProcess(host);
  EXPECT_EQ(outcome.ending, Ending::Failed);
  EXPECT_EQ(outcome.shown, "Cannot open file \"" + sub + "\". Is a directory.");
  EXPECT_EQ(host.seqFileList, (Strings{"a.seq", "m.seq", "z.seq"}));
  EXPECT_EQ(host.position, 2) << "the bar shows the file reached";
  EXPECT_EQ(host.log, Strings{"Building your fasta files..."});
  EXPECT_TRUE(host.messages.empty());
  EXPECT_FALSE(Exists(dir / "out.fasta"));
  EXPECT_TRUE(Exists(dir / "a.seq"));
  EXPECT_TRUE(Exists(dir / "z.seq"));
}

TEST(BuildRun, WriteAndCloseFailuresRemoveTheOutputAndSkipTheDeletion) {
  struct Case {
    test::SysCall call;
    int errnum;
    std::string shown;
  };
  const Case cases[] = {
      {test::SysCall::Write, ENOSPC, "I/O error 112."},
      {test::SysCall::Write, EIO, "I/O error 1117."},
  };
  for (const Case &c : cases) {
    TempDir dir;
    dir.Write("a.seq", std::string(1000, 'A'));
    FakeHost host = HostWithHistory(dir.path(), "out");
    host.deleteOption = true;
    Outcome outcome;
    {
      test::FailCall fail(c.call, c.errnum, 3);
      outcome = RunInProcess(host);
    }
    EXPECT_EQ(outcome.ending, Ending::Failed);
    EXPECT_EQ(outcome.shown, c.shown);
    EXPECT_FALSE(Exists(dir / "out.fasta"));
    EXPECT_TRUE(Exists(dir / "a.seq"));
    EXPECT_TRUE(host.messages.empty());
  }
}

TEST(BuildRun, ACloseThatFailsIsAFailureToo) {
  TempDir dir;
  dir.Write("a.seq", "ACGT");
  FakeHost host = HostWithHistory(dir.path(), "out");
  host.deleteOption = true;
  Outcome outcome;
  {
    // The closes of a one-file run: the listing's two descriptors, the
    // sequence file, then the output.
    test::FailCall fail(test::SysCall::Close, EIO, 4);
    outcome = RunInProcess(host);
    EXPECT_EQ(fail.calls(), 4);
  }
  EXPECT_EQ(outcome.ending, Ending::Failed);
  EXPECT_EQ(outcome.shown, "I/O error 1117.");
  EXPECT_FALSE(Exists(dir / "out.fasta"));
  EXPECT_TRUE(Exists(dir / "a.seq"));
  EXPECT_TRUE(host.messages.empty());
}

TEST(BuildRun, PathsJoinTheFolderAndNameAsTheyAre) {
  EXPECT_EQ(OutputPath("/data/plate", "out"), "/data/plate/out.fasta");
  EXPECT_EQ(OutputPath("/data/plate", "out.fasta"), "/data/plate/out.fasta.fasta");
  EXPECT_EQ(OutputPath("/data/plate", "  "), "/data/plate/  .fasta");
  EXPECT_EQ(OutputPath("/", "out"), "//out.fasta");
  EXPECT_EQ(SeqListingPattern("/"), "//*.seq");
  EXPECT_FALSE(OutputPathTooLong("/data", std::string(249, 'n')));
  EXPECT_TRUE(OutputPathTooLong("/data", std::string(250, 'n')));
}

}  // namespace
}  // namespace tw
