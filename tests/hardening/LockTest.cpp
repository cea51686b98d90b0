// Files held by another run or program, through the advisory locks that
// stand for sharing: real locks, taken by the test's own process on the
// same files, against tidewell-cli in a child process and against the
// window's run in this one.
#include <fcntl.h>
#include <unistd.h>

#include <string>

#include <gtest/gtest.h>

#include "support/ChildCli.h"
#include "hardening/Fasta.h"
#include "hardening/InProcessRun.h"
#include "hardening/Tree.h"
#include "platform/File.h"

namespace tw {
namespace {

using namespace test;

// A write lock on a sequence file, as a program that writes it holds one;
// the file's bytes are left alone.
class WriteLock {
 public:
  explicit WriteLock(const std::string &path) : fd_(::open(path.c_str(), O_RDWR | O_CLOEXEC)) {
    struct flock lock = {};
    lock.l_type = F_WRLCK;
    lock.l_whence = SEEK_SET;
    locked_ = fd_ >= 0 && ::fcntl(fd_, F_OFD_SETLK, &lock) == 0;
  }
  ~WriteLock() {
    if (fd_ >= 0) ::close(fd_);
  }
  bool locked() const { return locked_; }

 private:
  int fd_;
  bool locked_ = false;
};

TEST(Locks, OutputHeldByAnotherRun) {
  Plate plate;
  plate.Write("a.seq", Bases(300));
  // The other run has created the output and written its first block.
  File other;
  ASSERT_TRUE(CreateForWriting(plate / "out.fasta", other).ok());
  const std::string partial = ">other.seq\r\nACGT\r\n";
  ASSERT_TRUE(other.Write(partial.data(), partial.size()).ok());
  const Tree before = Snapshot(plate.folder);

  const ChildResult result = RunCli({"--delete", plate.folder, "out"});
  EXPECT_EQ(result.status, 2);
  EXPECT_EQ(result.out, "");
  EXPECT_EQ(result.err, "I/O error 32.\n");

  HookedHost host(plate.folder, "out");
  const Outcome outcome = RunInProcess(host);
  EXPECT_EQ(outcome.ending, Ending::Failed);
  EXPECT_EQ(outcome.shown, "I/O error 32.");
  EXPECT_TRUE(host.events.empty()) << "refused before the listing";

  EXPECT_EQ(Snapshot(plate.folder), before) << "the other run's bytes kept, nothing deleted";
  EXPECT_TRUE(plate.OutsideIsUntouched());
  ASSERT_TRUE(other.Close().ok());
  EXPECT_EQ(RunCli({plate.folder, "out"}).status, 0) << "free again once the other run closed";
}

TEST(Locks, SequenceFileHeldForWritingByAnotherProgram) {
  Plate plate;
  plate.Write("a.seq", Bases(300));
  plate.Write("b.seq", "being written\n");
  plate.Write("c.seq", "TT\n");
  WriteLock writer(plate / "b.seq");
  ASSERT_TRUE(writer.locked());
  const Tree before = Snapshot(plate.folder);
  const std::string shown =
      "Cannot open file \"" + (plate / "b.seq") + "\". The file is in use by another process.";

  const ChildResult result = RunCli({"--delete", plate.folder, "out"});
  EXPECT_EQ(result.status, 2);
  EXPECT_EQ(result.err, shown + "\n");

  HookedHost host(plate.folder, "out");
  const Outcome outcome = RunInProcess(host);
  EXPECT_EQ(outcome.ending, Ending::Failed);
  EXPECT_EQ(outcome.shown, shown);

  EXPECT_EQ(Snapshot(plate.folder), before);
  EXPECT_TRUE(plate.OutsideIsUntouched());
}

}  // namespace
}  // namespace tw
