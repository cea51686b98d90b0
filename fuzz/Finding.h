// What a fuzz check reports: empty when the input behaves, otherwise the
// first disagreement between the code and its model, with the input shown
// byte for byte so that it can be read in a CI log.
#pragma once

#include <string>
#include <string_view>

namespace tw::fuzz {

using Finding = std::string;

// The bytes as a C string literal: printable ASCII as is, the rest as \xHH.
//   "A\r\n\xff" => "\"A\\x0d\\x0a\\xff\""
std::string Escaped(std::string_view bytes);

}  // namespace tw::fuzz
