#include "support/FaultInjection.h"

#include <cerrno>

namespace tw::test {
namespace {

// The seam holds plain function pointers, so the plan lives here.
struct Plan {
  SysCall call;
  int errnum;
  int nth;
  bool every;
  int seen;
};
Plan plan;

bool ShouldFail() {
  ++plan.seen;
  if (plan.seen == plan.nth || (plan.every && plan.seen > plan.nth)) {
    errno = plan.errnum;
    return true;
  }
  return false;
}

sys::SysCalls Faulty(SysCall call) {
  sys::SysCalls calls = sys::RealSysCalls();
  switch (call) {
    case SysCall::Open:
      calls.open = [](const char *path, int flags, mode_t mode) {
        return ShouldFail() ? -1 : sys::RealSysCalls().open(path, flags, mode);
      };
      calls.openat = [](int dirfd, const char *path, int flags, mode_t mode) {
        return ShouldFail() ? -1 : sys::RealSysCalls().openat(dirfd, path, flags, mode);
      };
      break;
    case SysCall::Read:
      calls.read = [](int fd, void *buffer, size_t count) -> ssize_t {
        return ShouldFail() ? -1 : sys::RealSysCalls().read(fd, buffer, count);
      };
      break;
    case SysCall::Write:
      calls.write = [](int fd, const void *buffer, size_t count) -> ssize_t {
        return ShouldFail() ? -1 : sys::RealSysCalls().write(fd, buffer, count);
      };
      break;
    case SysCall::Close:
      // The descriptor is released even when close reports a failure.
      calls.close = [](int fd) {
        const int result = sys::RealSysCalls().close(fd);
        return ShouldFail() ? -1 : result;
      };
      break;
    case SysCall::Unlink:
      calls.unlinkat = [](int dirfd, const char *path, int flags) {
        return ShouldFail() ? -1 : sys::RealSysCalls().unlinkat(dirfd, path, flags);
      };
      break;
    case SysCall::Getdents:
      calls.getdents = [](int fd, void *buffer, size_t count) -> ssize_t {
        return ShouldFail() ? -1 : sys::RealSysCalls().getdents(fd, buffer, count);
      };
      break;
    case SysCall::Ftruncate:
      calls.ftruncate = [](int fd, off_t length) {
        return ShouldFail() ? -1 : sys::RealSysCalls().ftruncate(fd, length);
      };
      break;
  }
  return calls;
}

}  // namespace

FailCall::FailCall(SysCall call, int errnum, int nth, bool every) {
  plan = Plan{call, errnum, nth, every, 0};
  scope_ = new sys::ScopedSysCalls(Faulty(call));
}

FailCall::~FailCall() { delete scope_; }

int FailCall::calls() const { return plan.seen; }

}  // namespace tw::test
