#include "fasta/SeqFile.h"

#include <new>

#include "fasta/Failures.h"
#include "platform/ErrorCode.h"
#include "platform/File.h"
#include "platform/Path.h"

namespace tw {
namespace {

constexpr int kErrNotEnoughMemory = 8;

}  // namespace

void ReadSeqFile(const std::string &path, LineList &lines) {
  File file;
  Status status = OpenForReading(path, file);
  if (!status.ok()) throw EFOpenError(AbsolutePath(path), StatusText(status));

  const std::uint64_t size = file.Size();
  char *room = nullptr;
  try {
    room = lines.Prepare(static_cast<std::size_t>(size));
  } catch (const std::bad_alloc &) {
    throw EInOutError(kErrNotEnoughMemory);
  }
  status = file.ReadExactly(room, static_cast<std::size_t>(size));
  if (!status.ok()) throw EInOutError(status.code);
  lines.SplitPrepared(static_cast<std::size_t>(size));
  file.Close();  // a read-only descriptor has nothing left to lose
}

}  // namespace tw
