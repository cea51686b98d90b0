// Files: creating the output, opening an input, reading, writing, closing.
//
// These stand in for the designed file API with its access, sharing and
// creation semantics:
//   - CreateForWriting replaces a file by an empty one, but refuses, before
//     anything is truncated, a folder, a FIFO, a socket, a block device and a
//     file whose owner-write bit is clear (the read-only mark, honoured even
//     for root). It holds an advisory write lock while the file is open.
//   - OpenForReading refuses a folder and everything but a regular file, and
//     holds an advisory read lock while the file is open.
//   - Neither ever blocks: nodes are opened with O_NONBLOCK, then tested.
//   - A lock held by another descriptor is the sharing violation, code 32.
//
//   CreateForWriting("/tmp/out.fasta", f)    => ok, f.Kind() == FileKind::Disk
//   CreateForWriting("/dev/full", f)         => ok, f.Kind() == FileKind::Char
//   CreateForWriting("/no/such/x.fasta", f)  => Status{3, ENOENT}
//   OpenForReading("/tmp", f)                => Status{5, EISDIR}
#pragma once

#include <sys/types.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "platform/Status.h"

namespace tw {

enum class FileKind { Disk, Char };

class File {
 public:
  File() = default;
  ~File();
  File(File &&other) noexcept;
  File &operator=(File &&other) noexcept;
  File(const File &) = delete;
  File &operator=(const File &) = delete;

  bool IsOpen() const { return fd_ >= 0; }
  FileKind Kind() const { return kind_; }
  std::uint64_t Size() const { return size_; }  // at opening

  // Writes all of data, retrying EINTR and continuing short writes.
  Status Write(const char *data, std::size_t size);

  // Reads exactly `size` bytes from the current position into `buffer`.
  // Fewer bytes before the end of the file give code 100 (read beyond end).
  Status ReadExactly(char *buffer, std::size_t size);

  // Releases the descriptor; the file is closed even when this fails.
  Status Close();

  // Empties a disk file through its descriptor (used to leave nothing of a
  // partial output behind when it cannot be removed by name).
  Status Truncate();

  // True when `path`, not following a link, still names this disk file.
  bool IsNamedBy(const std::string &path) const;

 private:
  friend Status CreateForWriting(const std::string &path, File &file);
  friend Status OpenForReading(const std::string &path, File &file);

  int fd_ = -1;
  FileKind kind_ = FileKind::Disk;
  std::uint64_t size_ = 0;
  dev_t device_ = 0;
  ino_t inode_ = 0;
};

Status CreateForWriting(const std::string &path, File &file);
Status OpenForReading(const std::string &path, File &file);

// Removes the file a path names, without following a link.
Status RemoveFile(const std::string &path);

}  // namespace tw
