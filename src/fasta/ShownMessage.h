// How a failure's message reaches the user: "." is appended when the
// message is not empty and its last byte, unsigned, is above ".".
//
//   "File access denied"  => "File access denied."
//   "I/O error 112"       => "I/O error 112."
//   "Done!!!"             => "Done!!!"
//   "Ends in a stop."     => "Ends in a stop."
//   ""                    => ""
#pragma once

#include <string>
#include <string_view>

namespace tw {

std::string ShownMessage(std::string_view message);

}  // namespace tw
