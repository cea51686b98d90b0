#include "platform/Path.h"

#include <vector>

namespace tw {

std::string JoinPath(std::string_view folder, std::string_view name) {
  std::string path;
  path.reserve(folder.size() + 1 + name.size());
  path.append(folder);
  path.push_back(kPathSeparator);
  path.append(name);
  return path;
}

std::string FoldAbsolutePath(std::string_view absolute) {
  std::vector<std::string_view> parts;
  std::size_t start = 0;
  while (start <= absolute.size()) {
    std::size_t end = absolute.find(kPathSeparator, start);
    if (end == std::string_view::npos) end = absolute.size();
    const std::string_view part = absolute.substr(start, end - start);
    if (part == "..") {
      if (!parts.empty()) parts.pop_back();
    } else if (!part.empty() && part != ".") {
      parts.push_back(part);
    }
    start = end + 1;
  }
  std::string folded;
  for (const std::string_view part : parts) {
    folded.push_back(kPathSeparator);
    folded.append(part);
  }
  if (folded.empty()) folded.push_back(kPathSeparator);
  return folded;
}

}  // namespace tw
