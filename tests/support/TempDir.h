// A temporary folder for one test, removed with everything in it (read-only
// marks and immutable attributes notwithstanding) when the test ends.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace tw::test {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir &) = delete;
  TempDir &operator=(const TempDir &) = delete;

  const std::string &path() const { return path_; }
  std::string operator/(std::string_view name) const { return path_ + "/" + std::string(name); }

  // Writes a file (making its folders), returns its path.
  std::string Write(std::string_view relative, std::string_view bytes) const;
  std::string MakeDir(std::string_view relative) const;

 private:
  std::string path_;
};

std::string ReadBytes(const std::string &path);
void WriteBytes(const std::string &path, std::string_view bytes);
bool Exists(const std::string &path);  // without following a link
bool IsReadOnly(const std::string &path);
void SetReadOnly(const std::string &path, bool readOnly);

}  // namespace tw::test
