#include "platform/DirectorySearch.h"

#include <algorithm>

#include "platform/AsciiCase.h"
#include "platform/Path.h"

namespace tw {

bool MatchesPattern(std::string_view name, std::string_view pattern) {
  // Iterative wildcard match with one backtrack point for the last "*".
  std::size_t n = 0, p = 0;
  std::size_t starP = std::string_view::npos, starN = 0;
  while (n < name.size()) {
    if (p < pattern.size() && pattern[p] == '*') {
      starP = p++;
      starN = n;
    } else if (p < pattern.size() &&
               (pattern[p] == '?' || AsciiUpper(pattern[p]) == AsciiUpper(name[n]))) {
      ++p;
      ++n;
    } else if (starP != std::string_view::npos) {
      p = starP + 1;
      n = ++starN;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

bool EntryNameLess(std::string_view a, std::string_view b) {
  const std::size_t common = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < common; ++i) {
    const unsigned char ca = AsciiUpper(a[i]);
    const unsigned char cb = AsciiUpper(b[i]);
    if (ca != cb) return ca < cb;
  }
  if (a.size() != b.size()) return a.size() < b.size();
  return a < b;  // std::string_view compares as unsigned bytes
}

std::vector<DirEntry> FindEntries(std::string_view pathPattern) {
  const std::size_t slash = pathPattern.rfind(kPathSeparator);
  std::string folder;
  std::string_view pattern = pathPattern;
  if (slash != std::string_view::npos) {
    folder.assign(pathPattern.substr(0, slash));
    if (folder.empty()) folder.push_back(kPathSeparator);
    pattern = pathPattern.substr(slash + 1);
  } else {
    folder = ".";
  }

  Directory dir;
  if (!Directory::Open(folder, dir).ok()) return {};
  std::vector<DirEntry> entries = dir.Entries();
  std::erase_if(entries, [&](const DirEntry &e) { return !MatchesPattern(e.name, pattern); });
  return entries;
}

}  // namespace tw
