#include "support/Nodes.h"

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <stdexcept>

namespace tw::test {

void MakeFifo(const std::string &path) {
  if (::mkfifo(path.c_str(), 0644) != 0) throw std::runtime_error("mkfifo " + path);
}

void MakeSocket(const std::string &path) {
  struct sockaddr_un address = {};
  address.sun_family = AF_UNIX;
  if (path.size() >= sizeof address.sun_path) throw std::runtime_error("socket path too long");
  std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
  const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) throw std::runtime_error("socket");
  const int bound = ::bind(fd, reinterpret_cast<const struct sockaddr *>(&address), sizeof address);
  ::close(fd);  // the node stays; nobody listens on it
  if (bound != 0) throw std::runtime_error("bind " + path);
}

void MakeLink(const std::string &target, const std::string &path) {
  if (::symlink(target.c_str(), path.c_str()) != 0) throw std::runtime_error("symlink " + path);
}

bool SetFileFlag(const std::string &path, FileFlag flag, bool on) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return false;
  const int bit = flag == FileFlag::AppendOnly ? FS_APPEND_FL : FS_IMMUTABLE_FL;
  int flags = 0;
  bool done = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
  if (done) {
    flags = on ? (flags | bit) : (flags & ~bit);
    done = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
  }
  ::close(fd);
  return done;
}

}  // namespace tw::test
