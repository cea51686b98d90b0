// The one letter-case rule of the file system as the tool sees it: ASCII
// a-z are turned into capitals; no other byte is folded and no locale is
// consulted.
//
//   AsciiUpper('q')  => 'Q'      AsciiUpper('\xE9') => '\xE9'
#pragma once

namespace tw {

inline unsigned char AsciiUpper(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return (byte >= 'a' && byte <= 'z') ? static_cast<unsigned char>(byte - ('a' - 'A')) : byte;
}

}  // namespace tw
