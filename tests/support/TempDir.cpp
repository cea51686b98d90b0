#include "support/TempDir.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace fs = std::filesystem;

namespace tw::test {
namespace {

void MakeRemovable(const fs::path &root) {
  std::error_code ec;
  // Immutable and append-only attributes, set by some tests, block removal.
  std::system(("chattr -R -i -a '" + root.string() + "' >/dev/null 2>&1").c_str());
  for (auto it = fs::recursive_directory_iterator(root, ec); !ec && it != fs::end(it);
       it.increment(ec)) {
    if (!it->is_symlink()) ::chmod(it->path().c_str(), 0700);
  }
  ::chmod(root.c_str(), 0700);
}

}  // namespace

TempDir::TempDir() {
  std::string pattern = (fs::temp_directory_path() / "tidewell-test-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  path_ = pattern;
}

TempDir::~TempDir() {
  std::error_code ec;
  fs::remove_all(path_, ec);
  if (fs::exists(path_, ec)) {
    MakeRemovable(path_);
    fs::remove_all(path_, ec);
  }
}

std::string TempDir::Write(std::string_view relative, std::string_view bytes) const {
  const std::string path = *this / relative;
  fs::create_directories(fs::path(path).parent_path());
  WriteBytes(path, bytes);
  return path;
}

std::string TempDir::MakeDir(std::string_view relative) const {
  const std::string path = *this / relative;
  fs::create_directories(path);
  return path;
}

std::string ReadBytes(const std::string &path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

void WriteBytes(const std::string &path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) throw std::runtime_error("cannot write " + path);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

bool Exists(const std::string &path) {
  struct stat st;
  return ::lstat(path.c_str(), &st) == 0;
}

bool IsReadOnly(const std::string &path) {
  struct stat st;
  if (::lstat(path.c_str(), &st) != 0) throw std::runtime_error("no such entry " + path);
  return (st.st_mode & S_IWUSR) == 0;
}

void SetReadOnly(const std::string &path, bool readOnly) {
  struct stat st;
  if (::lstat(path.c_str(), &st) != 0) throw std::runtime_error("no such entry " + path);
  const mode_t mode = readOnly ? (st.st_mode & ~(S_IWUSR | S_IWGRP | S_IWOTH)) : (st.st_mode | S_IWUSR);
  ::chmod(path.c_str(), mode & 07777);
}

}  // namespace tw::test
