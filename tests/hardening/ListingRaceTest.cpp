// The folder changing between the listing and the reading of its files:
// a sequence file removed or replaced by another kind of entry, the folder
// itself removed or moved away while the run goes on. The changes are real,
// made on the disk at a chosen moment by the test's host (the window's run,
// 128-byte blocks, the delete option on); only the moment is the test's.
//
// A failing run shows the one message, writes no "Done!!!", deletes nothing
// and leaves no part of its output; what the change left stays as it was.
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "hardening/Fasta.h"
#include "hardening/InProcessRun.h"
#include "support/Nodes.h"
#include "hardening/Tree.h"

namespace fs = std::filesystem;

namespace tw {
namespace {

using namespace test;

// Ends the test binary if a run blocks, so that a hang fails instead of
// waiting for ever.
class HangGuard {
 public:
  HangGuard() { ::alarm(120); }
  ~HangGuard() { ::alarm(0); }
};

Records Plate3() { return {{"a.seq", Bases(300)}, {"b.seq", Bases(200, 'C')}, {"c.seq", "TT\n"}}; }

std::string WithFolder(std::string text, const std::string &folder) {
  if (const auto at = text.find("{}"); at != std::string::npos) text.replace(at, 2, folder);
  return text;
}

void Replace(const std::string &path, const std::function<void()> &make) {
  fs::remove(path);
  make();
}

TEST(ListingRace, SequenceFileChangedAfterTheListing) {
  HangGuard guard;
  struct Case {
    const char *what;
    int atFile;  // 0: right after the listing; k: as the bar steps to file k
    std::function<void(const Plate &)> change;
    std::string shown;  // {} stands for the folder
  };
  const Case cases[] = {
      {"b.seq removed", 0, [](const Plate &p) { fs::remove(p / "b.seq"); },
       "Cannot open file \"{}/b.seq\". No such file or directory."},
      {"b.seq removed after a.seq's record", 2, [](const Plate &p) { fs::remove(p / "b.seq"); },
       "Cannot open file \"{}/b.seq\". No such file or directory."},
      {"b.seq replaced by a folder", 0,
       [](const Plate &p) { Replace(p / "b.seq", [&] { fs::create_directory(p / "b.seq"); }); },
       "Cannot open file \"{}/b.seq\". Is a directory."},
      {"b.seq replaced by a FIFO", 2,
       [](const Plate &p) { Replace(p / "b.seq", [&] { MakeFifo(p / "b.seq"); }); },
       "Cannot open file \"{}/b.seq\". Not a regular file."},
      {"b.seq replaced by a socket", 0,
       [](const Plate &p) { Replace(p / "b.seq", [&] { MakeSocket(p / "b.seq"); }); },
       "Cannot open file \"{}/b.seq\". No such device or address."},
      {"b.seq replaced by a link to /dev/zero", 2,
       [](const Plate &p) { Replace(p / "b.seq", [&] { MakeLink("/dev/zero", p / "b.seq"); }); },
       "Cannot open file \"{}/b.seq\". Not a regular file."},
      {"b.seq replaced by a dangling link", 0,
       [](const Plate &p) { Replace(p / "b.seq", [&] { MakeLink("gone.seq", p / "b.seq"); }); },
       "Cannot open file \"{}/b.seq\". No such file or directory."},
      {"c.seq replaced by a link to a folder outside", 3,
       [](const Plate &p) { Replace(p / "c.seq", [&] { MakeLink(p.root / "next", p / "c.seq"); }); },
       "Cannot open file \"{}/c.seq\". Is a directory."},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.what);
    Plate plate;
    for (const auto &[name, bytes] : Plate3()) plate.Write(name, bytes);
    Tree changed;
    HookedHost host(plate.folder, "out");
    const auto change = [&] {
      c.change(plate);
      changed = Snapshot(plate.folder);
      changed.erase("out.fasta");  // the output must not outlive the failure
    };
    if (c.atFile == 0) {
      host.onEvent = [&](const std::string &event) {
        if (event == "log:Building your fasta files...") change();
      };
    } else {
      host.onStep = [&](int file) {
        if (file == c.atFile) change();
      };
    }

    const Outcome outcome = RunInProcess(host);
    EXPECT_EQ(outcome.ending, Ending::Failed);
    EXPECT_EQ(outcome.shown, WithFolder(c.shown, plate.folder));
    EXPECT_TRUE(host.messages.empty()) << "no Done!!!";
    EXPECT_EQ(Snapshot(plate.folder), changed) << "no output, no deletion";
    EXPECT_TRUE(plate.OutsideIsUntouched());
  }
}

TEST(ListingRace, SequenceFileSwappedForALinkToAFileOutside) {
  // Not a failure: a link is read like the file it names. The deletion then
  // removes the link, never the file outside.
  Plate plate;
  for (const auto &[name, bytes] : Plate3()) plate.Write(name, bytes);
  HookedHost host(plate.folder, "out");
  host.onStep = [&](int file) {
    if (file == 2) Replace(plate / "b.seq", [&] { MakeLink(plate.root / "canary.seq", plate / "b.seq"); });
  };
  const Outcome outcome = RunInProcess(host);
  EXPECT_EQ(outcome.ending, Ending::Done);
  EXPECT_EQ(outcome.shown, "Done!!!");
  Records records = Plate3();
  records[1].second = ReadBytes(plate.root / "canary.seq");
  EXPECT_EQ(ReadBytes(plate / "out.fasta"), ExpectedFasta(records));
  EXPECT_EQ(Snapshot(plate.folder), (Tree{{"out.fasta", FileEntry(ExpectedFasta(records))}}));
  EXPECT_TRUE(plate.OutsideIsUntouched());
}

TEST(ListingRace, FolderRemovedWhileTheRunGoesOn) {
  struct Case {
    const char *what;
    int atFile;
    std::string shown;
  };
  const Case cases[] = {
      {"right after the listing", 0, "Cannot open file \"{}/a.seq\". No such file or directory."},
      {"after the first record", 2, "Cannot open file \"{}/b.seq\". No such file or directory."},
      {"before the last file", 3, "Cannot open file \"{}/c.seq\". No such file or directory."},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.what);
    Plate plate;
    for (const auto &[name, bytes] : Plate3()) plate.Write(name, bytes);
    HookedHost host(plate.folder, "out");
    const auto remove = [&] { fs::remove_all(plate.folder); };
    if (c.atFile == 0) {
      host.onEvent = [&](const std::string &event) {
        if (event == "log:Building your fasta files...") remove();
      };
    } else {
      host.onStep = [&](int file) {
        if (file == c.atFile) remove();
      };
    }
    const Outcome outcome = RunInProcess(host);
    EXPECT_EQ(outcome.ending, Ending::Failed);
    EXPECT_EQ(outcome.shown, WithFolder(c.shown, plate.folder));
    EXPECT_FALSE(Exists(plate.folder)) << "nothing is made again where the folder was";
    EXPECT_TRUE(plate.OutsideIsUntouched());
  }
}

TEST(ListingRace, FolderMovedAwayWhileTheRunGoesOn) {
  // The output can no longer be removed by its path; what was written of it
  // is emptied through its descriptor, so the moved folder holds an empty
  // output and every one of its .seq files.
  Plate plate;
  for (const auto &[name, bytes] : Plate3()) plate.Write(name, bytes);
  const std::string moved = plate.root / "moved";
  HookedHost host(plate.folder, "out");
  host.onStep = [&](int file) {
    if (file == 3) fs::rename(plate.folder, moved);
  };
  const Outcome outcome = RunInProcess(host);
  EXPECT_EQ(outcome.ending, Ending::Failed);
  EXPECT_EQ(outcome.shown,
            "Cannot open file \"" + plate.folder + "/c.seq\". No such file or directory.");
  Tree expected;
  for (const auto &[name, bytes] : Plate3()) expected[name] = FileEntry(bytes);
  expected["out.fasta"] = FileEntry("");
  EXPECT_EQ(Snapshot(moved), expected);
  EXPECT_FALSE(Exists(plate.folder));
}

}  // namespace
}  // namespace tw
