// Failures the real system will not give on demand, through the platform
// layer's seam (platform/SysCalls.h).
//
//   FailCall fail(SysCall::Write, ENOSPC, /*nth=*/3);   // the 3rd write fails
//   ... code under test ...
//   EXPECT_EQ(fail.calls(), 3);
#pragma once

#include "platform/SysCalls.h"

namespace tw::test {

enum class SysCall { Open, Read, Write, Close, Unlink, Getdents, Ftruncate };

class FailCall {
 public:
  // The nth call (1-based) of the kind fails with errnum; with every = true,
  // the nth and every later one do.
  FailCall(SysCall call, int errnum, int nth = 1, bool every = false);
  ~FailCall();
  FailCall(const FailCall &) = delete;
  FailCall &operator=(const FailCall &) = delete;

  int calls() const;  // calls of the kind seen so far

 private:
  sys::ScopedSysCalls *scope_;
};

}  // namespace tw::test
