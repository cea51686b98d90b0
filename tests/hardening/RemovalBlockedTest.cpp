// Entries the system refuses to remove even for root: a folder marked
// append-only (chattr +a: entries may be made in it, none removed) and an
// immutable sequence file (chattr +i). Real where the file system has these
// flags; skipped elsewhere.
//
// A run that fails where its partial output cannot be removed must still
// leave nothing half-written: the output is emptied first. A deletion that
// the system refuses ends the clean-up, and the run still ends with
// "Done!!!": the FASTA file was closed whole before it began.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/ChildCli.h"
#include "hardening/Fasta.h"
#include "hardening/InProcessRun.h"
#include "support/Nodes.h"
#include "hardening/Tree.h"

namespace tw {
namespace {

using namespace test;

// Clears the flags again before the plate is removed.
class Flagged {
 public:
  Flagged(std::string path, FileFlag flag) : path_(std::move(path)), flag_(flag) {
    set_ = SetFileFlag(path_, flag_, true);
  }
  ~Flagged() {
    if (set_) SetFileFlag(path_, flag_, false);
  }
  bool set() const { return set_; }

 private:
  std::string path_;
  FileFlag flag_;
  bool set_;
};

TEST(RemovalBlocked, FailedRunInAnAppendOnlyFolderLeavesNoPartialOutput) {
  // Through tidewell-cli, with a first file larger than its 1 MiB block, so
  // that a whole block is on the disk when the subfolder m.seq fails.
  Plate plate;
  const std::string first = Bases((1 << 20) + 5000);
  plate.Write("a.seq", first);
  plate.root.MakeDir("plate/m.seq");
  Flagged appendOnly(plate.folder, FileFlag::AppendOnly);
  if (!appendOnly.set()) GTEST_SKIP() << "no append-only flag on this file system";

  const ChildResult result = RunCli({"--delete", plate.folder, "out"});
  EXPECT_EQ(result.status, 2);
  EXPECT_EQ(result.err, "Cannot open file \"" + (plate / "m.seq") + "\". Is a directory.\n");
  EXPECT_EQ(Snapshot(plate.folder),
            (Tree{{"a.seq", FileEntry(first)}, {"m.seq", "folder"}, {"out.fasta", FileEntry("")}}))
      << "the output, which cannot be removed here, is left empty";
  EXPECT_TRUE(plate.OutsideIsUntouched());
}

TEST(RemovalBlocked, FolderMadeAppendOnlyDuringTheWindowsRun) {
  Plate plate;
  plate.Write("a.seq", Bases(300));
  plate.root.MakeDir("plate/m.seq");
  HookedHost host(plate.folder, "out");
  bool flagged = false;
  host.onEvent = [&](const std::string &event) {
    if (event == "log:Building your fasta files...") {
      flagged = SetFileFlag(plate.folder, FileFlag::AppendOnly, true);
    }
  };
  const Outcome outcome = RunInProcess(host);
  if (flagged) SetFileFlag(plate.folder, FileFlag::AppendOnly, false);
  if (!flagged) GTEST_SKIP() << "no append-only flag on this file system";
  EXPECT_EQ(outcome.ending, Ending::Failed);
  EXPECT_EQ(outcome.shown, "Cannot open file \"" + (plate / "m.seq") + "\". Is a directory.");
  EXPECT_EQ(ReadBytes(plate / "out.fasta"), "") << "two 128-byte blocks had been written";
  EXPECT_TRUE(Exists(plate / "a.seq"));
}

TEST(RemovalBlocked, DeletionRefusedAfterAWholeOutput) {
  struct Case {
    const char *what;
    const char *flagged;  // relative to the plate; "" for the folder itself
    FileFlag flag;
    Tree left;            // besides out.fasta
  };
  const Case cases[] = {
      {"the folder is append-only", "", FileFlag::AppendOnly,
       {{"a.seq", FileEntry("A\n")}, {"b.seq", FileEntry("C\n")}, {"c.seq", FileEntry("G\n")}}},
      // The walk stops at the first refusal: c.seq comes after b.seq.
      {"b.seq is immutable", "b.seq", FileFlag::Immutable,
       {{"b.seq", FileEntry("C\n")}, {"c.seq", FileEntry("G\n")}}},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.what);
    Plate plate;
    plate.Write("a.seq", "A\n");
    plate.Write("b.seq", "C\n");
    plate.Write("c.seq", "G\n");
    const std::string path = *c.flagged ? plate / c.flagged : plate.folder;
    Flagged flag(path, c.flag);
    if (!flag.set()) GTEST_SKIP() << "no such flag on this file system";

    const ChildResult result = RunCli({"--delete", plate.folder, "out"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out,
              "Building your fasta files...\nWaiting for delete seq files......\nDone!!!\n");
    EXPECT_EQ(result.err, "");
    Tree left = c.left;
    left["out.fasta"] = FileEntry(ExpectedFasta({{"a.seq", "A\n"}, {"b.seq", "C\n"}, {"c.seq", "G\n"}}));
    EXPECT_EQ(Snapshot(plate.folder), left);
    EXPECT_TRUE(plate.OutsideIsUntouched());
  }
}

}  // namespace
}  // namespace tw
