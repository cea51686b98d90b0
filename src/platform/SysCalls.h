// The seam between the platform layer and the system.
//
// Every system call the layer makes goes through the table that Sys()
// returns. Tests swap one entry (ScopedSysCalls) to make, say, the third
// write fail with ENOSPC, where the real system cannot be brought to fail
// that way. Nothing outside src/platform/ calls the system directly.
#pragma once

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/types.h>

#include <cstddef>

namespace tw::sys {

struct SysCalls {
  int (*open)(const char *path, int flags, mode_t mode);
  int (*openat)(int dirfd, const char *path, int flags, mode_t mode);
  ssize_t (*read)(int fd, void *buffer, size_t count);
  ssize_t (*write)(int fd, const void *buffer, size_t count);
  int (*close)(int fd);
  int (*fstat)(int fd, struct stat *st);
  int (*fstatat)(int dirfd, const char *path, struct stat *st, int flags);
  int (*ftruncate)(int fd, off_t length);
  int (*setlock)(int fd, const struct flock *lock);  // F_OFD_SETLK
  int (*setflags)(int fd, int flags);               // F_SETFL
  int (*unlinkat)(int dirfd, const char *path, int flags);
  int (*fchmodat)(int dirfd, const char *path, mode_t mode, int flags);
  ssize_t (*getdents)(int fd, void *buffer, size_t count);
};

// The table in force.
const SysCalls &Sys();

// The table of the real system calls.
const SysCalls &RealSysCalls();

// Puts a table in force for its own lifetime (tests only; not thread-safe).
class ScopedSysCalls {
 public:
  explicit ScopedSysCalls(const SysCalls &calls);
  ~ScopedSysCalls();
  ScopedSysCalls(const ScopedSysCalls &) = delete;
  ScopedSysCalls &operator=(const ScopedSysCalls &) = delete;

 private:
  const SysCalls *previous_;
  SysCalls calls_;
};

}  // namespace tw::sys
