#include "fuzz/MessageRuleCheck.h"

#include <cstdint>
#include <cstring>

#include "fasta/Failures.h"
#include "fasta/ShownMessage.h"
#include "platform/ErrorCode.h"

namespace tw::fuzz {
namespace {

bool IsCut(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte <= 0x20 || byte == 0x2e;
}

int CodeOf(std::string_view input) {
  std::uint32_t code = 0;
  for (std::size_t i = 0; i < 4 && i < input.size(); ++i) {
    code |= static_cast<std::uint32_t>(static_cast<unsigned char>(input[i])) << (8 * i);
  }
  int signedCode;
  std::memcpy(&signedCode, &code, sizeof signedCode);
  return signedCode;
}

}  // namespace

std::string ModelShown(std::string_view message) {
  if (message.empty()) return {};
  const unsigned last = static_cast<unsigned char>(message.back());
  return last > 0x2e ? std::string(message) + "." : std::string(message);
}

std::string ModelTrimmed(std::string_view text) {
  std::size_t keep = text.size();
  while (keep > 0 && IsCut(text[keep - 1])) --keep;
  return std::string(text.substr(0, keep));
}

std::string ModelInOutMessage(int code) {
  switch (code) {
    case 2: return "File not found";
    case 3: return "Invalid filename";
    case 4: return "Too many open files";
    case 5: return "File access denied";
    case 100: return "Read beyond end of file";
    case 101: return "Disk full";
    case 106: return "Invalid numeric input";
    default: return "I/O error " + std::to_string(code);
  }
}

Finding CheckMessageRule(std::string_view input) {
  const std::string shown = ShownMessage(input);
  if (shown != ModelShown(input)) {
    return "ShownMessage(" + Escaped(input) + ") gave " + Escaped(shown);
  }
  if (ShownMessage(shown) != shown) {
    return "ShownMessage is not stable: " + Escaped(input) + " => " + Escaped(shown) + " => " +
           Escaped(ShownMessage(shown));
  }

  const std::string trimmed = TrimSystemText(std::string(input));
  if (trimmed != ModelTrimmed(input)) {
    return "TrimSystemText(" + Escaped(input) + ") gave " + Escaped(trimmed);
  }

  // Paths and the system's texts never hold a NUL (a failure's message is
  // a C string), so those inputs stop short of this part.
  const std::string_view path = input.substr(0, input.size() / 2);
  const std::string_view rawText = input.substr(input.size() / 2);
  if (input.find('\0') == std::string_view::npos) {
    const std::string openShown =
        ShownMessage(EFOpenError(std::string(path), TrimSystemText(std::string(rawText))).what());
    const std::string openWant =
        ModelShown("Cannot open file \"" + std::string(path) + "\". " + ModelTrimmed(rawText));
    if (openShown != openWant) {
      return "the message of an unopenable file " + Escaped(path) + " gave " +
             Escaped(openShown) + ", the model " + Escaped(openWant);
    }
  }

  const int code = CodeOf(input);
  const std::string ioShown = ShownMessage(EInOutError(code).what());
  const std::string ioWant = ModelInOutMessage(code) + ".";
  if (ioShown != ioWant) {
    return "the I/O failure " + std::to_string(code) + " is shown as " + Escaped(ioShown);
  }
  return {};
}

}  // namespace tw::fuzz
