// The disk filling up while the output's blocks are written. Real where the
// system gives it even to root: /dev/full behind a link named like the
// output, a file-size limit on tidewell-cli's process (EFBIG, and SIGXFSZ,
// which must not kill it), a small tmpfs that really runs out of room.
// Through the platform seam for the window's 128-byte blocks, where the
// real failures cannot be placed at a chosen block.
//
// Whatever fails, the user gets "I/O error 112.", tidewell-cli exits with 2,
// no part of the output is left, every sequence file is kept (the deletion
// is never reached) and nothing outside the folder changes.
#include <sys/wait.h>

#include <cerrno>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/ChildCli.h"
#include "hardening/Fasta.h"
#include "hardening/InProcessRun.h"
#include "support/Nodes.h"
#include "hardening/Tree.h"
#include "support/FaultInjection.h"

namespace tw {
namespace {

using namespace test;

constexpr std::size_t kMiB = 1 << 20;
constexpr const char *kBuilding = "Building your fasta files...\n";

Records SmallPlate() { return {{"a.seq", Bases(700)}, {"b.seq", Bases(300, 'C')}}; }

// Three files that make an output of more than two of tidewell-cli's 1 MiB
// blocks, so that whole blocks are on the disk before the one that fails.
Records LargePlate() {
  return {{"a.seq", Bases(900 * 1024)}, {"b.seq", Bases(800 * 1024, 'G')},
          {"c.seq", Bases(700 * 1024, 'T')}};
}

void Fill(const Plate &plate, const Records &records) {
  for (const auto &[name, bytes] : records) plate.Write(name, bytes);
}

TEST(DiskFull, DevFullBehindALinkNamedLikeTheOutput) {
  Plate plate;
  Fill(plate, SmallPlate());
  MakeLink("/dev/full", plate / "out.fasta");
  const Tree before = Snapshot(plate.folder);

  const ChildResult result = RunCli({"--delete", plate.folder, "out"});
  EXPECT_EQ(result.status, 2);
  EXPECT_EQ(result.out, kBuilding);
  EXPECT_EQ(result.err, "I/O error 112.\n");
  EXPECT_EQ(Snapshot(plate.folder), before) << "the link stays, the .seq files too";
  EXPECT_TRUE(plate.OutsideIsUntouched());

  HookedHost host(plate.folder, "out");
  const Outcome outcome = RunInProcess(host);
  EXPECT_EQ(outcome.ending, Ending::Failed);
  EXPECT_EQ(outcome.shown, "I/O error 112.");
  EXPECT_EQ(Snapshot(plate.folder), before);
}

TEST(DiskFull, FileSizeLimitOfTheProcess) {
  const std::size_t small = ExpectedFasta(SmallPlate()).size();
  const std::size_t large = ExpectedFasta(LargePlate()).size();
  struct Case {
    const char *what;
    Records plate;
    rlim_t limit;
    bool fits;
  };
  const Case cases[] = {
      // The limit holds for the program's messages too, so it stays above
      // the few bytes they take.
      {"not even the first 128 bytes may be written", SmallPlate(), 64, false},
      {"the limit is far below the output", SmallPlate(), 512, false},
      {"one byte short", SmallPlate(), small - 1, false},
      {"exactly the output", SmallPlate(), small, true},
      {"whole 1 MiB blocks written before the limit", LargePlate(), 2 * kMiB + 4096, false},
      {"one byte short of a large output", LargePlate(), large - 1, false},
      {"exactly a large output", LargePlate(), large, true},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.what);
    Plate plate;
    Fill(plate, c.plate);
    const Tree before = Snapshot(plate.folder);

    const ChildResult result = RunCli({"--delete", plate.folder, "out"}, ChildLimits::FileSize(c.limit));
    EXPECT_EQ(result.signal, 0) << "SIGXFSZ must not end the program";
    EXPECT_TRUE(plate.OutsideIsUntouched());
    if (c.fits) {
      EXPECT_EQ(result.status, 0) << result.err;
      EXPECT_EQ(ReadBytes(plate / "out.fasta"), ExpectedFasta(c.plate));
      EXPECT_FALSE(Exists(plate / "a.seq")) << "deleted after the output was closed";
      continue;
    }
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.out, kBuilding);
    EXPECT_EQ(result.err, "I/O error 112.\n");
    EXPECT_EQ(Snapshot(plate.folder), before) << "no partial output, every .seq kept";
  }
}

// Runs tidewell-cli on the plate with the plate's whole root on a tmpfs of
// `size`, mounted in a mount namespace of its own, and puts what the tmpfs
// held afterwards back in the root. False when this system gives no such
// mount (no unshare, no CAP_SYS_ADMIN).
bool RunOnSmallDisk(const Plate &plate, const std::string &size, ChildResult &result) {
  const char *cli = std::getenv("TIDEWELL_CLI");
  if (cli == nullptr) throw std::runtime_error("TIDEWELL_CLI is not set");
  if (std::system("unshare --mount --propagation private true >/dev/null 2>&1") != 0) return false;
  TempDir capture;
  const std::string script =
      "root=$1; cli=$2; size=$3; capture=$4\n"
      "mkdir \"$capture/stash\" && cp -a \"$root\"/. \"$capture/stash\"/ || exit 97\n"
      "mount -t tmpfs -o size=\"$size\" tidewell-small-disk \"$root\" || exit 99\n"
      "cp -a \"$capture/stash\"/. \"$root\"/ || exit 98\n"
      "\"$cli\" \"$root/plate\" out >\"$capture/out\" 2>\"$capture/err\" </dev/null\n"
      "echo $? >\"$capture/status\"\n"
      "rm -rf \"$capture/stash\" && mkdir \"$capture/stash\" && cp -a \"$root\"/. \"$capture/stash\"/\n"
      "umount \"$root\" && rm -rf \"$root\"/* && cp -a \"$capture/stash\"/. \"$root\"/ || exit 96\n";
  const std::string command = "unshare --mount --propagation private sh -c '" + script +
                              "' sh '" + plate.root.path() + "' '" + cli + "' '" + size + "' '" +
                              capture.path() + "'";
  const int raw = std::system(command.c_str());
  const int code = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  if (code == 99) return false;
  if (code != 0) throw std::runtime_error("the small disk could not be set up: " + std::to_string(code));
  result.status = std::stoi(ReadBytes(capture / "status"));
  result.out = ReadBytes(capture / "out");
  result.err = ReadBytes(capture / "err");
  return true;
}

TEST(DiskFull, SmallTmpfsRunsOutOfRoom) {
  struct Case {
    const char *what;
    Records plate;
    const char *size;
  };
  const Case cases[] = {
      {"the one block at the close does not fit (four pages hold the plate)", SmallPlate(), "16k"},
      {"whole blocks fit, a later one does not", LargePlate(), "4m"},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.what);
    Plate plate;
    Fill(plate, c.plate);
    const Tree before = Snapshot(plate.folder);
    ChildResult result;
    if (!RunOnSmallDisk(plate, c.size, result)) GTEST_SKIP() << "no tmpfs mount for this process";
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.out, kBuilding);
    EXPECT_EQ(result.err, "I/O error 112.\n");
    EXPECT_EQ(Snapshot(plate.folder), before);
    EXPECT_TRUE(plate.OutsideIsUntouched());
  }
}

TEST(DiskFull, WindowBlocksThroughTheSeam) {
  struct Case {
    int errnum;
    int nth;  // the write that fails: 1 is the first 128-byte block
    bool every;
  };
  const Case cases[] = {
      {ENOSPC, 1, false}, {ENOSPC, 4, false}, {ENOSPC, 2, true},
      {EDQUOT, 3, false}, {EFBIG, 5, false},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(testing::Message() << "errno " << c.errnum << ", write " << c.nth);
    Plate plate;
    Fill(plate, SmallPlate());
    const Tree before = Snapshot(plate.folder);
    HookedHost host(plate.folder, "out");
    Outcome outcome;
    {
      FailCall fail(SysCall::Write, c.errnum, c.nth, c.every);
      outcome = RunInProcess(host);
      EXPECT_GE(fail.calls(), c.nth);
    }
    EXPECT_EQ(outcome.ending, Ending::Failed);
    EXPECT_EQ(outcome.shown, "I/O error 112.");
    EXPECT_TRUE(host.messages.empty()) << "no Done!!!";
    EXPECT_EQ(host.log, std::vector<std::string>{"Building your fasta files..."});
    EXPECT_EQ(Snapshot(plate.folder), before);
    EXPECT_TRUE(plate.OutsideIsUntouched());
  }
}

}  // namespace
}  // namespace tw
