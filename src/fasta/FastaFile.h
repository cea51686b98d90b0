// The FASTA file the build run writes.
//
// Output goes through a buffer of a fixed block size: the file receives one
// write for each full block while the run goes on, and the rest at close.
// A character device (/dev/null, a terminal) is written through: each line
// reaches it as soon as its line end is in the buffer. Every line ends in
// CR LF; texts go in byte for byte. The bytes are the same whatever the
// block size.
//
//   CreateFastaFile(f, "/plate/run1.fasta");
//   WriteFastaLine(f, ">a.seq");   WriteFastaLine(f, "ACGT");
//   CloseFastaFile(f);             => the file holds ">a.seq\r\nACGT\r\n"
//
// Each operation raises EInOutError with the code of the failed step.
#pragma once

#include <cstddef>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

#include "platform/File.h"

namespace tw {

// The block of the window's runs.
inline constexpr std::size_t kFastaBlockSize = 128;

struct FastaFile {
  std::string path;
  bool open = false;
  bool created = false;  // CreateFastaFile succeeded: the file is ours
  File handle;
  std::unique_ptr<char[]> buffer;
  std::size_t blockSize = kFastaBlockSize;
  std::size_t pending = 0;
  bool writeThrough = false;
};

// Creates (or empties) the file at path and opens it for output.
void CreateFastaFile(FastaFile &file, const std::string &path,
                     std::size_t blockSize = kFastaBlockSize);

// The general path of WriteFastaLine: a line that fills the block, or a
// file written through.
void WriteFastaLineThroughBlocks(FastaFile &file, std::string_view text);

// Writes text and the line end CR LF after the bytes written before.
inline void WriteFastaLine(FastaFile &file, std::string_view text) {
  // Most lines fit in the room left in the block: one copy, nothing written.
  if (!file.writeThrough && text.size() + 2 < file.blockSize - file.pending) {
    char *at = file.buffer.get() + file.pending;
    std::memcpy(at, text.data(), text.size());
    at[text.size()] = '\r';
    at[text.size() + 1] = '\n';
    file.pending += text.size() + 2;
    return;
  }
  WriteFastaLineThroughBlocks(file, text);
}

// Writes the pending bytes and releases the file. When the last write
// fails the file stays open with nothing pending, so a second call
// releases it.
void CloseFastaFile(FastaFile &file);

// After a failure: empties the file, releases it and removes it, so that no
// partial output can be taken for a whole one. What cannot be removed by
// name (reached through a link, or in a folder that forbids removal) stays
// behind empty. A character device is left as it is. Never raises.
void DiscardFastaFile(FastaFile &file) noexcept;

}  // namespace tw
