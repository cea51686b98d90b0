// tidewell-cli (the program named by TIDEWELL_CLI) run in a child process,
// with limits the system enforces on that process alone, and a timeout that
// catches a hang: a child still running after it is killed and reported as
// hung, never waited on for ever.
//
//   RunCli({folder, "out"}, ChildLimits::FileSize(4096))  => {status 2, err "I/O error 112.\n"}
#pragma once

#include <sys/resource.h>

#include <optional>
#include <string>
#include <vector>

namespace tw::test {

struct ChildLimits {
  std::optional<rlim_t> fileSize;   // RLIMIT_FSIZE, in bytes (ulimit -f)
  std::optional<rlim_t> openFiles;  // RLIMIT_NOFILE (ulimit -n)
  int timeoutSeconds = 60;

  static ChildLimits FileSize(rlim_t bytes);
  static ChildLimits OpenFiles(rlim_t descriptors);
  static ChildLimits Timeout(int seconds);
};

struct ChildResult {
  int status = -1;  // the exit status, when the child exited
  int signal = 0;   // the signal that ended it, when one did
  bool hung = false;
  std::string out;
  std::string err;
};

// The child starts in workingDir, or in the test's own folder when empty.
ChildResult RunCli(const std::vector<std::string> &args, const ChildLimits &limits = {},
                   const std::string &workingDir = {});

}  // namespace tw::test
