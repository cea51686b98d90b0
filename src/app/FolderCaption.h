// What the folder display (Label5) shows for a chosen folder: the path on
// one line when it has at most 50 characters, otherwise its first 50
// characters, CR LF and the rest, however long the rest is. Characters are
// UTF-8 code points, so no character is ever cut in two.
//
//   FolderCaption("/data/plate1")         => "/data/plate1"
//   FolderCaption(<50 characters>)        => the same 50 characters
//   FolderCaption(<51 characters>)        => <first 50> "\r\n" <the 51st>
//   FolderCaption(<120 characters>)       => <first 50> "\r\n" <the other 70>
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tw {

inline constexpr std::size_t kFolderCaptionLineLength = 50;
inline constexpr std::string_view kFolderCaptionBreak = "\r\n";

std::string FolderCaption(std::string_view path);

}  // namespace tw
