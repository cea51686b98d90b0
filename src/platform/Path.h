// Paths.
//
// The tool joins a folder, a separator and a name and does nothing else: no
// separator is tested for, added at an end or removed.
//   JoinPath("/data/plate1", "A01.seq") => "/data/plate1/A01.seq"
//   JoinPath("/", "A01.seq")            => "//A01.seq"
//
// AbsolutePath makes a path absolute lexically: relative paths are taken
// from the working folder, "." and ".." and doubled separators are folded,
// and no link is resolved.
//   AbsolutePath("//data/./x/../a.seq") => "/data/a.seq"
//   AbsolutePath("a.seq")               => "<working folder>/a.seq"
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tw {

inline constexpr char kPathSeparator = '/';

// The longest path and the longest name component the system accepts.
std::size_t MaxPathBytes();
std::size_t MaxNameBytes();

std::string JoinPath(std::string_view folder, std::string_view name);

std::string AbsolutePath(std::string_view path);

// The lexical folding alone, for an absolute path.
std::string FoldAbsolutePath(std::string_view absolute);

}  // namespace tw
