#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include <gtest/gtest.h>

#include "fasta/FastaFile.h"
#include "fasta/Failures.h"
#include "fasta/LineList.h"
#include "fasta/SeqFile.h"
#include "fasta/ShownMessage.h"
#include "support/FaultInjection.h"
#include "support/TempDir.h"

namespace tw {
namespace {

using test::ReadBytes;
using test::TempDir;

off_t SizeOnDisk(const std::string &path) {
  struct stat st;
  EXPECT_EQ(::stat(path.c_str(), &st), 0);
  return st.st_size;
}

// The message the user would see for the failure fn raises.
template <class Fn>
std::string ShownFailure(Fn fn) {
  try {
    fn();
  } catch (const Failure &failure) {
    return ShownMessage(failure.what());
  }
  return "no failure";
}

void WriteRecord(FastaFile &out, const std::string &folder, const std::string &name,
                 LineList &lines) {
  ReadSeqFile(folder + "/" + name, lines);
  WriteFastaLine(out, ">" + name);
  for (std::size_t i = 0; i < lines.size(); ++i) WriteFastaLine(out, lines[i]);
}

TEST(FastaFile, WorkedExampleGivesItsFortyBytesWhateverTheBlock) {
  TempDir dir;
  dir.Write("a.seq", "ACGT\nGG");
  dir.Write("b.seq", "");
  dir.Write("c.seq", "TT\r\n\r\n");
  const std::string expected =
      ">a.seq\r\nACGT\r\nGG\r\n>b.seq\r\n>c.seq\r\nTT\r\n\r\n";
  ASSERT_EQ(expected.size(), 40u);

  for (std::size_t block : {kFastaBlockSize, std::size_t{1}, std::size_t{7}, std::size_t{1} << 20}) {
    FastaFile out;
    LineList lines;
    CreateFastaFile(out, dir / "out.fasta", block);
    for (const char *name : {"a.seq", "b.seq", "c.seq"}) WriteRecord(out, dir.path(), name, lines);
    CloseFastaFile(out);
    EXPECT_EQ(ReadBytes(dir / "out.fasta"), expected) << "block " << block;
  }
}

TEST(FastaFile, CreatingEmptiesAnExistingFile) {
  TempDir dir;
  const std::string path = dir.Write("out.fasta", std::string(1000, 'X'));
  FastaFile out;
  CreateFastaFile(out, path);
  WriteFastaLine(out, "A");
  CloseFastaFile(out);
  EXPECT_EQ(ReadBytes(path), "A\r\n");
}

TEST(FastaFile, CreateFailuresCarryTheirMessages) {
  TempDir dir;
  const std::string readOnly = dir.Write("ro.fasta", "precious");
  test::SetReadOnly(readOnly, true);
  FastaFile out;
  EXPECT_EQ(ShownFailure([&] { CreateFastaFile(out, readOnly); }), "File access denied.");
  EXPECT_EQ(ReadBytes(readOnly), "precious");
  EXPECT_EQ(ShownFailure([&] { CreateFastaFile(out, dir / "gone/x.fasta"); }),
            "Invalid filename.");
  EXPECT_FALSE(out.open);
}

TEST(FastaFile, OutputReachesTheDiskInWholeBlocks) {
  TempDir dir;
  const std::string path = dir / "out.fasta";
  FastaFile out;
  CreateFastaFile(out, path);
  std::size_t written = 0;
  for (int i = 0; i < 50; ++i) {
    const std::string line(static_cast<std::size_t>(i % 13) * 7, 'A');
    WriteFastaLine(out, line);
    written += line.size() + 2;
    const off_t size = SizeOnDisk(path);
    EXPECT_EQ(size % 128, 0) << "after line " << i;
    EXPECT_EQ(static_cast<std::size_t>(size), written / 128 * 128);
  }
  CloseFastaFile(out);
  EXPECT_EQ(static_cast<std::size_t>(SizeOnDisk(path)), written);
}

TEST(FastaFile, AnOutputOfExactly128BytesIsOnDiskBeforeClose) {
  TempDir dir;
  const std::string path = dir / "out.fasta";
  FastaFile out;
  CreateFastaFile(out, path);
  WriteFastaLine(out, std::string(126, 'C'));
  EXPECT_EQ(SizeOnDisk(path), 128);
  EXPECT_EQ(out.pending, 0u);
  {
    test::FailCall noMoreWrites(test::SysCall::Write, EIO, 1, true);
    CloseFastaFile(out);
    EXPECT_EQ(noMoreWrites.calls(), 0) << "close has nothing left to write";
  }
}

TEST(FastaFile, LinkToDevFullIsWrittenThroughAndFailsAtOnce) {
  TempDir dir;
  const std::string path = dir / "out.fasta";
  ASSERT_EQ(::symlink("/dev/full", path.c_str()), 0);
  FastaFile out;
  CreateFastaFile(out, path);
  EXPECT_TRUE(out.writeThrough);
  EXPECT_EQ(ShownFailure([&] { WriteFastaLine(out, ">a.seq"); }), "I/O error 112.");
  EXPECT_TRUE(out.open) << "a failed block leaves the file open";
  CloseFastaFile(out);
  EXPECT_FALSE(out.open);
}

TEST(FastaFile, AFifoNamedLikeTheOutputIsRefusedWithoutWaiting) {
  TempDir dir;
  const std::string path = dir / "out.fasta";
  ASSERT_EQ(::mkfifo(path.c_str(), 0644), 0);
  FastaFile out;
  EXPECT_EQ(ShownFailure([&] { CreateFastaFile(out, path); }), "File access denied.");
}

TEST(FastaFile, AFailedBlockIsLostAndTheBlocksBeforeItStay) {
  TempDir dir;
  const std::string path = dir / "out.fasta";
  FastaFile out;
  CreateFastaFile(out, path);
  test::FailCall secondWrite(test::SysCall::Write, ENOSPC, 2);
  WriteFastaLine(out, std::string(126, 'A'));  // block 1
  EXPECT_EQ(ShownFailure([&] { WriteFastaLine(out, std::string(126, 'G')); }), "I/O error 112.");
  EXPECT_EQ(out.pending, 0u);
  WriteFastaLine(out, "T");
  CloseFastaFile(out);
  EXPECT_EQ(ReadBytes(path), std::string(126, 'A') + "\r\nT\r\n");
}

TEST(FastaFile, FailedLastWriteAtCloseLeavesItOpenForASecondClose) {
  TempDir dir;
  FastaFile out;
  CreateFastaFile(out, dir / "out.fasta");
  WriteFastaLine(out, "ACGT");
  {
    test::FailCall full(test::SysCall::Write, EDQUOT);
    EXPECT_EQ(ShownFailure([&] { CloseFastaFile(out); }), "I/O error 112.");
  }
  EXPECT_TRUE(out.open);
  CloseFastaFile(out);
  EXPECT_FALSE(out.handle.IsOpen());
}

TEST(FastaFile, FailedCloseIsReportedAndTheFileIsClosedAllTheSame) {
  TempDir dir;
  FastaFile out;
  CreateFastaFile(out, dir / "out.fasta");
  test::FailCall io(test::SysCall::Close, EIO);
  EXPECT_EQ(ShownFailure([&] { CloseFastaFile(out); }), "I/O error 1117.");
  EXPECT_FALSE(out.open);
  EXPECT_FALSE(out.handle.IsOpen());
}

TEST(FastaFile, DiscardRemovesTheOutputButNeverWhatALinkPointsAt) {
  TempDir dir;
  FastaFile out;
  CreateFastaFile(out, dir / "out.fasta");
  WriteFastaLine(out, std::string(300, 'A'));
  DiscardFastaFile(out);
  EXPECT_FALSE(test::Exists(dir / "out.fasta"));

  const std::string target = dir.Write("elsewhere.fasta", "");
  ASSERT_EQ(::symlink(target.c_str(), (dir / "link.fasta").c_str()), 0);
  CreateFastaFile(out, dir / "link.fasta");
  WriteFastaLine(out, std::string(300, 'A'));
  DiscardFastaFile(out);
  EXPECT_TRUE(test::Exists(dir / "link.fasta"));
  EXPECT_EQ(ReadBytes(target), "") << "no partial output left behind";
}

}  // namespace
}  // namespace tw
