#include "platform/File.h"

#include <cerrno>
#include <climits>
#include <utility>

#include "platform/ErrorCode.h"
#include "platform/SysCalls.h"

namespace tw {
namespace {

constexpr const char *kNotRegularText = "Not a regular file";
constexpr const char *kLockedText = "The file is in use by another process";

bool IsReadOnly(const struct stat &st) { return (st.st_mode & S_IWUSR) == 0; }

// Takes an advisory lock of the open file description, never waiting.
Status Lock(int fd, short type) {
  struct flock lock = {};
  lock.l_type = type;
  lock.l_whence = SEEK_SET;
  if (sys::Sys().setlock(fd, &lock) == 0) return Status::Ok();
  const int err = errno;
  Status status = StatusFromErrno(err, ErrnoContext::Locking);
  if (status.code == kErrSharingViolation) status.detail = kLockedText;
  return status;
}

Status CloseQuietly(int fd, Status status) {
  sys::Sys().close(fd);
  return status;
}

Status ClearNonBlocking(int fd, int flags) {
  if (sys::Sys().setflags(fd, flags & ~O_NONBLOCK) == 0) return Status::Ok();
  return StatusFromErrno(errno);
}

}  // namespace

File::~File() {
  if (fd_ >= 0) sys::Sys().close(fd_);
}

File::File(File &&other) noexcept { *this = std::move(other); }

File &File::operator=(File &&other) noexcept {
  if (this != &other) {
    if (fd_ >= 0) sys::Sys().close(fd_);
    fd_ = std::exchange(other.fd_, -1);
    kind_ = other.kind_;
    size_ = other.size_;
    device_ = other.device_;
    inode_ = other.inode_;
  }
  return *this;
}

Status CreateForWriting(const std::string &path, File &file) {
  const sys::SysCalls &sys = sys::Sys();
  file = File();

  // Refusals come before anything is created or truncated.
  struct stat st;
  if (sys.fstatat(AT_FDCWD, path.c_str(), &st, 0) == 0) {
    if (S_ISDIR(st.st_mode)) return {kErrAccessDenied, EISDIR, nullptr};
    if (S_ISREG(st.st_mode) && IsReadOnly(st)) return {kErrAccessDenied, EACCES, nullptr};
    if (!S_ISREG(st.st_mode) && !S_ISCHR(st.st_mode)) {
      return {kErrAccessDenied, 0, kNotRegularText};  // a FIFO, socket or block device
    }
  }

  const int flags = O_WRONLY | O_CREAT | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
  const int fd = sys.open(path.c_str(), flags, 0666);
  if (fd < 0) return StatusFromErrno(errno, ErrnoContext::Creating);

  if (sys.fstat(fd, &st) != 0) return CloseQuietly(fd, StatusFromErrno(errno));
  const bool isChar = S_ISCHR(st.st_mode);
  if (!S_ISREG(st.st_mode) && !isChar) {
    return CloseQuietly(fd, {kErrAccessDenied, 0, kNotRegularText});
  }
  // The path may have been swapped between the test above and the open.
  if (!isChar && IsReadOnly(st)) return CloseQuietly(fd, {kErrAccessDenied, EACCES, nullptr});

  // O_NONBLOCK means nothing to a regular file; a device gets its blocking
  // writes back.
  if (isChar) {
    if (Status status = ClearNonBlocking(fd, flags); !status.ok()) return CloseQuietly(fd, status);
  } else {
    if (Status status = Lock(fd, F_WRLCK); !status.ok()) return CloseQuietly(fd, status);
    // An empty file is left alone: truncating it anyway would make ext4
    // flush the whole output to disk at close, as if replacing a file.
    if (st.st_size > 0 && sys.ftruncate(fd, 0) != 0) {
      return CloseQuietly(fd, StatusFromErrno(errno));
    }
  }

  file.fd_ = fd;
  file.kind_ = isChar ? FileKind::Char : FileKind::Disk;
  file.size_ = 0;
  file.device_ = st.st_dev;
  file.inode_ = st.st_ino;
  return Status::Ok();
}

Status OpenForReading(const std::string &path, File &file) {
  const sys::SysCalls &sys = sys::Sys();
  file = File();

  const int flags = O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
  const int fd = sys.open(path.c_str(), flags, 0);
  if (fd < 0) return StatusFromErrno(errno, ErrnoContext::Opening);

  struct stat st;
  if (sys.fstat(fd, &st) != 0) return CloseQuietly(fd, StatusFromErrno(errno));
  if (S_ISDIR(st.st_mode)) return CloseQuietly(fd, {kErrAccessDenied, EISDIR, nullptr});
  if (!S_ISREG(st.st_mode)) return CloseQuietly(fd, {kErrAccessDenied, 0, kNotRegularText});

  // Only regular files get this far, and O_NONBLOCK means nothing to them.
  if (Status status = Lock(fd, F_RDLCK); !status.ok()) return CloseQuietly(fd, status);

  file.fd_ = fd;
  file.kind_ = FileKind::Disk;
  file.size_ = static_cast<std::uint64_t>(st.st_size);
  file.device_ = st.st_dev;
  file.inode_ = st.st_ino;
  return Status::Ok();
}

Status File::Write(const char *data, std::size_t size) {
  while (size > 0) {
    const ssize_t written = sys::Sys().write(fd_, data, size);
    if (written < 0) {
      if (errno == EINTR) continue;
      return StatusFromErrno(errno);
    }
    if (written == 0) return {kErrDiskFull, ENOSPC, nullptr};
    data += written;
    size -= static_cast<std::size_t>(written);
  }
  return Status::Ok();
}

Status File::ReadExactly(char *buffer, std::size_t size) {
  while (size > 0) {
    const std::size_t chunk = size < SSIZE_MAX ? size : static_cast<std::size_t>(SSIZE_MAX);
    const ssize_t got = sys::Sys().read(fd_, buffer, chunk);
    if (got < 0) {
      if (errno == EINTR) continue;
      return StatusFromErrno(errno);
    }
    if (got == 0) return {kErrReadBeyondEnd, 0, "Read beyond end of file"};
    buffer += got;
    size -= static_cast<std::size_t>(got);
  }
  return Status::Ok();
}

Status File::Close() {
  const int fd = std::exchange(fd_, -1);
  if (fd < 0) return Status::Ok();
  // close is never retried: the descriptor is gone whatever it returns.
  if (sys::Sys().close(fd) == 0 || errno == EINTR) return Status::Ok();
  return StatusFromErrno(errno);
}

Status File::Truncate() {
  if (fd_ < 0 || kind_ != FileKind::Disk) return Status::Ok();
  if (sys::Sys().ftruncate(fd_, 0) == 0) return Status::Ok();
  return StatusFromErrno(errno);
}

bool File::IsNamedBy(const std::string &path) const {
  struct stat st;
  if (sys::Sys().fstatat(AT_FDCWD, path.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) return false;
  return S_ISREG(st.st_mode) && st.st_dev == device_ && st.st_ino == inode_;
}

Status RemoveFile(const std::string &path) {
  if (sys::Sys().unlinkat(AT_FDCWD, path.c_str(), 0) == 0) return Status::Ok();
  return StatusFromErrno(errno);
}

}  // namespace tw
