#include "platform/Directory.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <utility>

#include "platform/DirectorySearch.h"
#include "platform/ErrorCode.h"
#include "platform/SysCalls.h"

namespace tw {
namespace {

constexpr int kDirFlags = O_RDONLY | O_DIRECTORY | O_CLOEXEC | O_NOCTTY;

bool IsDot(const char *name) {
  return name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
}

}  // namespace

Directory::~Directory() { Close(); }

Directory::Directory(Directory &&other) noexcept { *this = std::move(other); }

Directory &Directory::operator=(Directory &&other) noexcept {
  if (this != &other) {
    Close();
    fd_ = std::exchange(other.fd_, -1);
    device_ = other.device_;
    inode_ = other.inode_;
  }
  return *this;
}

void Directory::Close() {
  if (fd_ >= 0) sys::Sys().close(std::exchange(fd_, -1));
}

Status Directory::Adopt(int fd) {
  struct stat st;
  if (sys::Sys().fstat(fd, &st) != 0) {
    const Status status = StatusFromErrno(errno);
    sys::Sys().close(fd);
    return status;
  }
  fd_ = fd;
  device_ = st.st_dev;
  inode_ = st.st_ino;
  return Status::Ok();
}

Status Directory::Open(const std::string &path, Directory &dir) {
  dir.Close();
  const int fd = sys::Sys().open(path.c_str(), kDirFlags, 0);
  if (fd < 0) return StatusFromErrno(errno);
  return dir.Adopt(fd);
}

Status Directory::OpenSubfolder(const std::string &name, Directory &sub) const {
  sub.Close();
  const int fd = sys::Sys().openat(fd_, name.c_str(), kDirFlags | O_NOFOLLOW, 0);
  if (fd < 0) return StatusFromErrno(errno);
  return sub.Adopt(fd);
}

std::vector<DirEntry> Directory::Entries() const {
  std::vector<DirEntry> entries;
  if (fd_ < 0) return entries;
  // Read from the start, whatever an earlier listing left behind.
  const int fd = sys::Sys().openat(fd_, ".", kDirFlags, 0);
  if (fd < 0) return entries;

  alignas(struct dirent64) char buffer[32 * 1024];
  for (;;) {
    const ssize_t got = sys::Sys().getdents(fd, buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) break;  // the end, or a failure that ends the listing
    for (ssize_t offset = 0; offset < got;) {
      const auto *d = reinterpret_cast<const struct dirent64 *>(buffer + offset);
      offset += d->d_reclen;
      if (IsDot(d->d_name)) continue;
      bool isFolder = d->d_type == DT_DIR;
      if (d->d_type == DT_UNKNOWN) {
        struct stat st;
        isFolder = sys::Sys().fstatat(fd_, d->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0 &&
                   S_ISDIR(st.st_mode);
      }
      entries.push_back(DirEntry{d->d_name, isFolder});
    }
  }
  sys::Sys().close(fd);
  std::sort(entries.begin(), entries.end(),
            [](const DirEntry &a, const DirEntry &b) { return EntryNameLess(a.name, b.name); });
  return entries;
}

void Directory::ClearReadOnly(const std::string &name) const {
  struct stat st;
  if (sys::Sys().fstatat(fd_, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) return;
  if (S_ISLNK(st.st_mode) || (st.st_mode & S_IWUSR) != 0) return;
  // Never follows a link: one swapped in since the test fails with ENOTSUP,
  // which counts as nothing to change.
  sys::Sys().fchmodat(fd_, name.c_str(), (st.st_mode & 07777) | S_IWUSR, AT_SYMLINK_NOFOLLOW);
}

Status Directory::DeleteFile(const std::string &name) const {
  if (sys::Sys().unlinkat(fd_, name.c_str(), 0) == 0) return Status::Ok();
  return StatusFromErrno(errno);
}

}  // namespace tw
