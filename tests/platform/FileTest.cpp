#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include <gtest/gtest.h>

#include "platform/ErrorCode.h"
#include "platform/File.h"
#include "support/FaultInjection.h"
#include "support/TempDir.h"

namespace tw {
namespace {

using test::ReadBytes;
using test::TempDir;

TEST(File, CreateReplacesAnExistingFileByAnEmptyOne) {
  TempDir dir;
  const std::string path = dir.Write("out.fasta", "old bytes");
  File file;
  ASSERT_TRUE(CreateForWriting(path, file).ok());
  EXPECT_EQ(file.Kind(), FileKind::Disk);
  EXPECT_EQ(ReadBytes(path), "");
  ASSERT_TRUE(file.Write("new", 3).ok());
  ASSERT_TRUE(file.Close().ok());
  EXPECT_EQ(ReadBytes(path), "new");
}

TEST(File, CreateRefusalsComeBeforeAnythingIsTruncated) {
  TempDir dir;
  const std::string readOnly = dir.Write("ro.fasta", "keep me");
  test::SetReadOnly(readOnly, true);
  const std::string folder = dir.MakeDir("folder.fasta");
  ASSERT_EQ(::mkfifo((dir / "fifo.fasta").c_str(), 0644), 0);

  struct Case {
    std::string path;
    int code;
  };
  const Case cases[] = {
      {readOnly, kErrAccessDenied},             // honoured even for root
      {folder, kErrAccessDenied},
      {dir / "fifo.fasta", kErrAccessDenied},   // refused, never waited on
      {dir / "missing/x.fasta", kErrPathNotFound},
  };
  for (const Case &c : cases) {
    File file;
    EXPECT_EQ(CreateForWriting(c.path, file).code, c.code) << c.path;
    EXPECT_FALSE(file.IsOpen());
  }
  EXPECT_EQ(ReadBytes(readOnly), "keep me");
}

TEST(File, CharacterDeviceIsWrittenThrough) {
  File file;
  ASSERT_TRUE(CreateForWriting("/dev/null", file).ok());
  EXPECT_EQ(file.Kind(), FileKind::Char);
}

TEST(File, LocksStandForSharing) {
  TempDir dir;
  const std::string path = dir.Write("a.seq", "ACGT");
  File writer;
  ASSERT_TRUE(CreateForWriting(path, writer).ok());

  File second;
  EXPECT_EQ(CreateForWriting(path, second).code, kErrSharingViolation);
  File reader;
  const Status status = OpenForReading(path, reader);
  EXPECT_EQ(status.code, kErrSharingViolation);
  EXPECT_NE(StatusText(status), "");

  ASSERT_TRUE(writer.Close().ok());
  EXPECT_TRUE(OpenForReading(path, reader).ok());
  File another;
  EXPECT_TRUE(OpenForReading(path, another).ok()) << "readers share";
}

TEST(File, OpenForReadingRefusesWhatIsNotARegularFile) {
  TempDir dir;
  ASSERT_EQ(::mkfifo((dir / "fifo.seq").c_str(), 0644), 0);
  struct Case {
    std::string path;
    int code;
    std::string text;
  };
  const Case cases[] = {
      {dir.path(), kErrAccessDenied, "Is a directory"},
      {dir / "fifo.seq", kErrAccessDenied, "Not a regular file"},
      {"/dev/zero", kErrAccessDenied, "Not a regular file"},
      {dir / "missing.seq", kErrFileNotFound, "No such file or directory"},
  };
  for (const Case &c : cases) {
    File file;
    const Status status = OpenForReading(c.path, file);
    EXPECT_EQ(status.code, c.code) << c.path;
    EXPECT_EQ(StatusText(status), c.text) << c.path;
  }
}

TEST(File, ReadExactlyReportsAFileThatEndsEarly) {
  TempDir dir;
  const std::string path = dir.Write("a.seq", "ACGT");
  File file;
  ASSERT_TRUE(OpenForReading(path, file).ok());
  EXPECT_EQ(file.Size(), 4u);
  char buffer[8];
  EXPECT_EQ(file.ReadExactly(buffer, 8).code, kErrReadBeyondEnd);
}

TEST(File, InterruptedCallsAreRetriedAndOtherFailuresReported) {
  TempDir dir;
  const std::string path = dir / "out.fasta";
  File file;
  ASSERT_TRUE(CreateForWriting(path, file).ok());
  {
    test::FailCall interrupted(test::SysCall::Write, EINTR);
    EXPECT_TRUE(file.Write("ACGT", 4).ok());
    EXPECT_EQ(interrupted.calls(), 2);
  }
  {
    test::FailCall full(test::SysCall::Write, ENOSPC);
    EXPECT_EQ(file.Write("ACGT", 4).code, kErrDiskFull);
  }
  {
    test::FailCall io(test::SysCall::Close, EIO);
    EXPECT_EQ(file.Close().code, kErrIoDevice);
  }
  EXPECT_FALSE(file.IsOpen());
  EXPECT_EQ(ReadBytes(path), "ACGT");
}

}  // namespace
}  // namespace tw
