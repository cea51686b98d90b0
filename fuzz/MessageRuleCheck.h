// Fuzz check of the message rule (ShownMessage) and of the texts that go
// through it, against a model written apart from them:
//   - ShownMessage appends "." exactly when the message is not empty and its
//     last byte, unsigned, is above "."; applying it twice changes nothing;
//   - TrimSystemText cuts every trailing byte from 0x00 to 0x20 and every
//     trailing ".", and nothing else;
//   - the message of a file that cannot be opened, built from a path and a
//     trimmed system text, is shown as the model puts it together;
//   - the message of an I/O failure of any code is the table's text, or
//     "I/O error <code>", and is always shown with a final ".".
//
// The input is read as: the first four bytes (when there are four) a code,
// little-endian; the whole input a message; its two halves a path and a
// system text.
//
//   ModelShown("I/O error 112") => "I/O error 112."
//   ModelShown("Done!!!")       => "Done!!!"
//   ModelTrimmed("Denied.\r\n") => "Denied"
#pragma once

#include <string>
#include <string_view>

#include "fuzz/Finding.h"

namespace tw::fuzz {

std::string ModelShown(std::string_view message);
std::string ModelTrimmed(std::string_view text);
std::string ModelInOutMessage(int code);

Finding CheckMessageRule(std::string_view input);

}  // namespace tw::fuzz
