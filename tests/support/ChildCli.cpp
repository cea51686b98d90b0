#include "support/ChildCli.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <stdexcept>

#include "support/TempDir.h"

extern char **environ;

namespace tw::test {
namespace {

// UBSan's check of dynamic types tests whether memory can be read through a
// pipe, which needs two free descriptors; under a descriptor limit it takes
// valid objects for invalid ones. A child run with such a limit gets that
// one check suppressed; every other check stays on.
std::vector<std::string> ChildEnvironment(const ChildLimits &limits) {
  std::vector<std::string> env;
  std::string ubsan;
  for (char **entry = environ; *entry != nullptr; ++entry) {
    if (std::strncmp(*entry, "UBSAN_OPTIONS=", 14) == 0) {
      ubsan = *entry + 14;
    } else {
      env.emplace_back(*entry);
    }
  }
  if (limits.openFiles) {
    if (!ubsan.empty()) ubsan += ":";
    ubsan += "suppressions=" TIDEWELL_TEST_SUPPORT_DIR "/descriptor-limit.ubsan.supp";
  }
  if (!ubsan.empty()) env.push_back("UBSAN_OPTIONS=" + ubsan);
  return env;
}

std::vector<char *> Pointers(std::vector<std::string> &texts) {
  std::vector<char *> pointers;
  for (std::string &text : texts) pointers.push_back(text.data());
  pointers.push_back(nullptr);
  return pointers;
}

void SetLimit(int resource, rlim_t value) {
  struct rlimit limit;
  if (::getrlimit(resource, &limit) != 0) ::_exit(125);
  limit.rlim_cur = value;
  if (limit.rlim_max != RLIM_INFINITY && limit.rlim_max < value) limit.rlim_max = value;
  if (::setrlimit(resource, &limit) != 0) ::_exit(125);
}

}  // namespace

ChildLimits ChildLimits::FileSize(rlim_t bytes) {
  ChildLimits limits;
  limits.fileSize = bytes;
  return limits;
}

ChildLimits ChildLimits::OpenFiles(rlim_t descriptors) {
  ChildLimits limits;
  limits.openFiles = descriptors;
  return limits;
}

ChildLimits ChildLimits::Timeout(int seconds) {
  ChildLimits limits;
  limits.timeoutSeconds = seconds;
  return limits;
}

ChildResult RunCli(const std::vector<std::string> &args, const ChildLimits &limits,
                   const std::string &workingDir) {
  const char *cli = std::getenv("TIDEWELL_CLI");
  if (cli == nullptr) throw std::runtime_error("TIDEWELL_CLI is not set");

  // Everything the child needs is made before the fork.
  TempDir capture;
  const std::string outPath = capture / "out";
  const std::string errPath = capture / "err";
  std::vector<std::string> argv = {cli};
  argv.insert(argv.end(), args.begin(), args.end());
  std::vector<std::string> env = ChildEnvironment(limits);
  std::vector<char *> argvPointers = Pointers(argv);
  std::vector<char *> envPointers = Pointers(env);
  const int in = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
  const int out = ::open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  const int err = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (in < 0 || out < 0 || err < 0) throw std::runtime_error("cannot open the capture files");

  const pid_t pid = ::fork();
  if (pid < 0) throw std::runtime_error("fork failed");
  if (pid == 0) {
    if (!workingDir.empty() && ::chdir(workingDir.c_str()) != 0) ::_exit(126);
    ::dup2(in, STDIN_FILENO);
    ::dup2(out, STDOUT_FILENO);
    ::dup2(err, STDERR_FILENO);
    ::close_range(3, ~0U, 0);  // the limit must count the program's own descriptors only
    ::signal(SIGXFSZ, SIG_DFL);  // as a shell leaves it: the program must deal with it
    if (limits.fileSize) SetLimit(RLIMIT_FSIZE, *limits.fileSize);
    if (limits.openFiles) SetLimit(RLIMIT_NOFILE, *limits.openFiles);
    ::execve(argvPointers[0], argvPointers.data(), envPointers.data());
    ::_exit(127);
  }
  ::close(in);
  ::close(out);
  ::close(err);

  ChildResult result;
  int raw = 0;
  const std::time_t deadline = std::time(nullptr) + limits.timeoutSeconds;
  for (;;) {
    const pid_t done = ::waitpid(pid, &raw, WNOHANG);
    if (done == pid) break;
    if (done < 0 && errno != EINTR) throw std::runtime_error("waitpid failed");
    if (std::time(nullptr) > deadline) {
      ::kill(pid, SIGKILL);
      ::waitpid(pid, &raw, 0);
      result.hung = true;
      break;
    }
    const struct timespec pause = {0, 10 * 1000 * 1000};
    ::nanosleep(&pause, nullptr);
  }
  if (!result.hung && WIFEXITED(raw)) result.status = WEXITSTATUS(raw);
  if (!result.hung && WIFSIGNALED(raw)) result.signal = WTERMSIG(raw);
  result.out = ReadBytes(outPath);
  result.err = ReadBytes(errPath);
  return result;
}

}  // namespace tw::test
