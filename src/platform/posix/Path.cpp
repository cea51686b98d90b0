#include <limits.h>
#include <stdlib.h>
#include <unistd.h>

#include <string>

#include "platform/Path.h"

namespace tw {

std::size_t MaxPathBytes() { return PATH_MAX - 1; }  // PATH_MAX counts the NUL
std::size_t MaxNameBytes() { return NAME_MAX; }

std::string AbsolutePath(std::string_view path) {
  if (!path.empty() && path.front() == kPathSeparator) return FoldAbsolutePath(path);
  std::string cwd;
  if (char *dir = ::getcwd(nullptr, 0)) {
    cwd = dir;
    ::free(dir);
  }
  return FoldAbsolutePath(JoinPath(cwd, path));
}

}  // namespace tw
