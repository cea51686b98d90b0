// Too many open files. Real for tidewell-cli under a descriptor limit on its
// own process (ulimit -n). Such a limit reaches the listing first: listing
// a folder takes two descriptors while the output holds one, and reading a
// sequence file takes one after the listing has let go of its own, so under
// a real limit a run either lists nothing or reads everything. The failure
// of the one open of a sequence file, or of the output, is therefore placed
// through the platform seam.
#include <cerrno>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/ChildCli.h"
#include "hardening/Fasta.h"
#include "hardening/InProcessRun.h"
#include "hardening/Tree.h"
#include "support/FaultInjection.h"

namespace tw {
namespace {

using namespace test;

Records ThreeFiles() {
  return {{"a.seq", Bases(200)}, {"b.seq", Bases(100, 'C')}, {"c.seq", Bases(50, 'G')}};
}

TEST(OpenFiles, DescriptorLimitOfTheProcess) {
  const Records records = ThreeFiles();
  // Standard input, output and error take three; the output one more.
  for (const rlim_t limit : {4, 5, 6, 7, 8, 64}) {
    SCOPED_TRACE(testing::Message() << "ulimit -n " << limit);
    Plate plate;
    for (const auto &[name, bytes] : records) plate.Write(name, bytes);
    plate.Write("sub/d.seq", "deeper");
    const Tree before = Snapshot(plate.folder);

    const ChildResult result = RunCli({"--delete", plate.folder, "out"}, ChildLimits::OpenFiles(limit));
    EXPECT_EQ(result.signal, 0);
    EXPECT_TRUE(plate.OutsideIsUntouched());
    Tree after = Snapshot(plate.folder);
    if (result.status == 1) {
      // The listing could not open the folder: the design's answer for a
      // folder that cannot be searched. The output stays, empty; no .seq
      // file is touched.
      EXPECT_EQ(result.err, "No .seq files in this folder!\n");
      EXPECT_EQ(after.erase("out.fasta"), 1u);
      EXPECT_EQ(ReadBytes(plate / "out.fasta"), "");
      EXPECT_EQ(after, before);
    } else {
      EXPECT_EQ(result.status, 0) << result.err;
      EXPECT_EQ(ReadBytes(plate / "out.fasta"), ExpectedFasta(records));
      EXPECT_FALSE(Exists(plate / "a.seq"));
    }
    if (limit == 4) {
      EXPECT_EQ(result.status, 1) << "no descriptor is left to list the folder";
    }
    if (limit == 64) {
      EXPECT_EQ(result.status, 0);
    }
  }
}

TEST(OpenFiles, EachOpenOfARunThroughTheSeam) {
  // The opens of a three-file run, in order: the output, the folder and its
  // listing, then a.seq, b.seq, c.seq.
  struct Case {
    int nth;
    Ending ending;
    std::string shown;  // {} stands for the folder's path, <text> for the system's
    bool outputStays;
  };
  const Case cases[] = {
      {1, Ending::Failed, "Too many open files.", false},
      {2, Ending::Stopped, "No .seq files in this folder!", true},
      {3, Ending::Stopped, "No .seq files in this folder!", true},
      {4, Ending::Failed, "Cannot open file \"{}/a.seq\". <text>.", false},
      {6, Ending::Failed, "Cannot open file \"{}/c.seq\". <text>.", false},
  };
  const std::pair<int, std::string> errors[] = {
      {EMFILE, "Too many open files"},
      {ENFILE, "Too many open files in system"},
  };
  for (const auto &[errnum, text] : errors) {
    for (const Case &c : cases) {
      SCOPED_TRACE(testing::Message() << "open " << c.nth << " fails with errno " << errnum);
      Plate plate;
      for (const auto &[name, bytes] : ThreeFiles()) plate.Write(name, bytes);
      const Tree before = Snapshot(plate.folder);
      HookedHost host(plate.folder, "out");
      Outcome outcome;
      {
        FailCall fail(SysCall::Open, errnum, c.nth);
        outcome = RunInProcess(host);
      }
      std::string shown = c.shown;
      if (const auto at = shown.find("{}"); at != std::string::npos) shown.replace(at, 2, plate.folder);
      if (const auto at = shown.find("<text>"); at != std::string::npos) shown.replace(at, 6, text);
      EXPECT_EQ(outcome.ending, c.ending);
      EXPECT_EQ(outcome.shown, shown);
      Tree after = Snapshot(plate.folder);
      EXPECT_EQ(after.erase("out.fasta"), c.outputStays ? 1u : 0u);
      EXPECT_EQ(after, before) << "every .seq kept, no partial output";
      EXPECT_TRUE(plate.OutsideIsUntouched());
    }
  }
}

}  // namespace
}  // namespace tw
