#include "fasta/FastaFile.h"

#include <algorithm>
#include <cstring>

#include "fasta/Failures.h"

namespace tw {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

void WritePending(FastaFile &file) {
  const std::size_t count = file.pending;
  file.pending = 0;  // a failed block is lost, the file stays open
  const Status status = file.handle.Write(file.buffer.get(), count);
  if (!status.ok()) throw EInOutError(status.code);
}

void Put(FastaFile &file, std::string_view bytes) {
  while (!bytes.empty()) {
    const std::size_t take = std::min(bytes.size(), file.blockSize - file.pending);
    std::memcpy(file.buffer.get() + file.pending, bytes.data(), take);
    file.pending += take;
    bytes.remove_prefix(take);
    if (file.pending == file.blockSize) WritePending(file);
  }
}

}  // namespace

void CreateFastaFile(FastaFile &file, const std::string &path, std::size_t blockSize) {
  file.path = path;
  file.open = false;
  file.created = false;
  file.pending = 0;
  file.writeThrough = false;
  file.blockSize = std::max<std::size_t>(blockSize, 1);
  file.buffer.reset(new char[file.blockSize]);  // no need to clear it

  const Status status = CreateForWriting(path, file.handle);
  if (!status.ok()) throw EInOutError(status.code);
  file.open = true;
  file.created = true;
  file.writeThrough = file.handle.Kind() == FileKind::Char;
}

void WriteFastaLineThroughBlocks(FastaFile &file, std::string_view text) {
  Put(file, text);
  Put(file, kLineEnd);
  if (file.writeThrough && file.pending > 0) WritePending(file);
}

void CloseFastaFile(FastaFile &file) {
  if (file.pending > 0) WritePending(file);
  file.open = false;
  const Status status = file.handle.Close();
  if (!status.ok()) throw EInOutError(status.code);
}

void DiscardFastaFile(FastaFile &file) noexcept {
  file.pending = 0;
  file.open = false;
  if (file.created && file.handle.Kind() == FileKind::Disk) {
    // Emptied first, through the descriptor: when the name cannot be removed
    // (a folder marked append-only) or no longer names this file, what stays
    // behind is empty, never half-written.
    file.handle.Truncate();
    if (file.handle.IsNamedBy(file.path)) {
      file.handle.Close();
      RemoveFile(file.path);
    }
  }
  file.handle.Close();
  file.created = false;
}

}  // namespace tw
