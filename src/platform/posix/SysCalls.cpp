#include "platform/SysCalls.h"

#include <dirent.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace tw::sys {
namespace {

const SysCalls kReal = {
    [](const char *path, int flags, mode_t mode) { return ::open(path, flags, mode); },
    [](int dirfd, const char *path, int flags, mode_t mode) {
      return ::openat(dirfd, path, flags, mode);
    },
    [](int fd, void *buffer, size_t count) { return ::read(fd, buffer, count); },
    [](int fd, const void *buffer, size_t count) { return ::write(fd, buffer, count); },
    [](int fd) { return ::close(fd); },
    [](int fd, struct stat *st) { return ::fstat(fd, st); },
    [](int dirfd, const char *path, struct stat *st, int flags) {
      return ::fstatat(dirfd, path, st, flags);
    },
    [](int fd, off_t length) { return ::ftruncate(fd, length); },
    [](int fd, const struct flock *lock) { return ::fcntl(fd, F_OFD_SETLK, lock); },
    [](int fd, int flags) { return ::fcntl(fd, F_SETFL, flags); },
    [](int dirfd, const char *path, int flags) { return ::unlinkat(dirfd, path, flags); },
    [](int dirfd, const char *path, mode_t mode, int flags) {
      return ::fchmodat(dirfd, path, mode, flags);
    },
    [](int fd, void *buffer, size_t count) {
      return static_cast<ssize_t>(::getdents64(fd, buffer, count));
    },
};

const SysCalls *current = &kReal;

}  // namespace

const SysCalls &Sys() { return *current; }
const SysCalls &RealSysCalls() { return kReal; }

ScopedSysCalls::ScopedSysCalls(const SysCalls &calls) : previous_(current), calls_(calls) {
  current = &calls_;
}

ScopedSysCalls::~ScopedSysCalls() { current = previous_; }

}  // namespace tw::sys
