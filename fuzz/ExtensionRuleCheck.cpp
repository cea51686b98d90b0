#include "fuzz/ExtensionRuleCheck.h"

#include "cleanup/DeleteFilesByExt.h"
#include "platform/DirectorySearch.h"

namespace tw::fuzz {
namespace {

bool IsAsciiLetter(unsigned char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// True when the text after the leading "." holds nothing that the listing's
// pattern or the extension rule reads as special.
bool PlainExtension(std::string_view wanted) {
  return !wanted.empty() && wanted.front() == '.' &&
         wanted.find_first_of(".\\:*?", 1) == std::string_view::npos;
}

std::string Yes(bool b) { return b ? "true" : "false"; }

}  // namespace

std::string ModelNormalised(std::string_view wanted) {
  for (const char c : wanted) {
    if (c == '.') return std::string(wanted);
  }
  return "." + std::string(wanted);
}

std::string ModelExtensionOf(std::string_view name) {
  for (std::size_t i = name.size(); i > 0; --i) {
    const char c = name[i - 1];
    if (c == '.') return std::string(name.substr(i - 1));
    if (c == '\\' || c == ':') return {};
  }
  return {};
}

bool ModelSameExtension(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const auto x = static_cast<unsigned char>(a[i]);
    const auto y = static_cast<unsigned char>(b[i]);
    // Equal, or the two cases of one ASCII letter (they differ in bit 0x20).
    if (x != y && !((x ^ y) == 0x20 && IsAsciiLetter(x) && IsAsciiLetter(y))) return false;
  }
  return true;
}

Finding CheckExtensionRule(std::string_view input) {
  const std::size_t slash = input.find('/');
  const std::string_view wanted = slash == std::string_view::npos ? "seq" : input.substr(0, slash);
  const std::string_view name = slash == std::string_view::npos ? input : input.substr(slash + 1);
  const std::string context = " (wanted " + Escaped(wanted) + ", name " + Escaped(name) + ")";

  const std::string normalised = NormaliseWantedExtension(wanted);
  if (normalised != ModelNormalised(wanted)) {
    return "NormaliseWantedExtension gave " + Escaped(normalised) + context;
  }

  const std::string_view extension = ExtensionOf(name);
  if (extension != ModelExtensionOf(name)) {
    return "ExtensionOf gave " + Escaped(extension) + context;
  }
  if (!extension.empty() && extension.data() != name.data() + name.size() - extension.size()) {
    return "ExtensionOf gave a text that is not the end of the name" + context;
  }

  const bool same = SameExtension(extension, normalised);
  if (same != ModelSameExtension(extension, normalised)) {
    return "SameExtension(" + Escaped(extension) + ", " + Escaped(normalised) + ") gave " +
           Yes(same) + context;
  }
  if (same != SameExtension(normalised, extension)) return "SameExtension is not symmetric" + context;
  if (!SameExtension(name, name)) return "SameExtension of a text with itself is false" + context;

  if (PlainExtension(normalised) && name.find('\0') == std::string_view::npos) {
    const std::string pattern = "*" + normalised;
    const bool listed = MatchesPattern(name, pattern);
    if (listed != same) {
      return "the listing (" + Escaped(pattern) + ": " + Yes(listed) +
             ") and the deletion (" + Yes(same) + ") disagree" + context;
    }
  }
  return {};
}

}  // namespace tw::fuzz
