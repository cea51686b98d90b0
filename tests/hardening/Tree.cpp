#include "hardening/Tree.h"

#include <sys/stat.h>

#include <filesystem>
#include <functional>

namespace fs = std::filesystem;

namespace tw::test {
namespace {

constexpr std::string_view kCanary = "outside the plate: never touched\n";
constexpr std::string_view kNeighbour = ">next door\nACGT\n";

std::string Kind(const fs::path &path) {
  struct stat st;
  if (::lstat(path.c_str(), &st) != 0) return "gone while looked at";
  if (S_ISLNK(st.st_mode)) return "link -> " + fs::read_symlink(path).string();
  if (S_ISDIR(st.st_mode)) return "folder";
  if (S_ISFIFO(st.st_mode)) return "fifo";
  if (S_ISSOCK(st.st_mode)) return "socket";
  if (S_ISCHR(st.st_mode)) return "character device";
  if (S_ISREG(st.st_mode)) return FileEntry(ReadBytes(path));
  return "other";
}

}  // namespace

std::string FileEntry(std::string_view bytes) {
  if (bytes.size() <= 200) return "file \"" + std::string(bytes) + "\"";
  return "file of " + std::to_string(bytes.size()) + " bytes, digest " +
         std::to_string(std::hash<std::string_view>()(bytes));
}

Tree Snapshot(const std::string &root) {
  Tree tree;
  std::error_code ec;
  for (auto it = fs::recursive_directory_iterator(root, ec); !ec && it != fs::end(it);
       it.increment(ec)) {
    // Lexically: a link is a name in the tree, never followed.
    tree[it->path().lexically_relative(root).string()] = Kind(it->path());
  }
  return tree;
}

Plate::Plate() : folder(root.MakeDir("plate")) {
  root.Write("canary.seq", kCanary);
  root.Write("next/door.seq", kNeighbour);
}

std::string Plate::Write(std::string_view name, std::string_view bytes) const {
  return root.Write("plate/" + std::string(name), bytes);
}

bool Plate::OutsideIsUntouched() const {
  Tree outside = Snapshot(root.path());
  std::erase_if(outside, [](const auto &entry) {
    return entry.first == "plate" || entry.first.rfind("plate/", 0) == 0;
  });
  const Tree expected = {
      {"canary.seq", FileEntry(kCanary)},
      {"next", "folder"},
      {"next/door.seq", FileEntry(kNeighbour)},
  };
  return outside == expected;
}

}  // namespace tw::test
