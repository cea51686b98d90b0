#include "platform/Terminal.h"

#include <unistd.h>

namespace tw {

bool IsTerminal(StdStream stream) {
  return ::isatty(stream == StdStream::Output ? STDOUT_FILENO : STDERR_FILENO) == 1;
}

}  // namespace tw
