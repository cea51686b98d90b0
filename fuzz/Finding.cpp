#include "fuzz/Finding.h"

#include <cstdio>

namespace tw::fuzz {

std::string Escaped(std::string_view bytes) {
  std::string out = "\"";
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x20 && byte < 0x7f && byte != '"' && byte != '\\') {
      out.push_back(c);
    } else {
      char hex[5];
      std::snprintf(hex, sizeof hex, "\\x%02x", byte);
      out.append(hex);
    }
  }
  out.push_back('"');
  return out;
}

}  // namespace tw::fuzz
