#include "platform/ErrorCode.h"

namespace tw {

Status StatusFromErrno(int errnum, ErrnoContext context) {
  return Status{ErrorCodeFromErrno(errnum, context), errnum, nullptr};
}

std::string StatusText(const Status &status) {
  if (status.detail != nullptr) return status.detail;
  return SystemErrorText(status.errnum);
}

std::string TrimSystemText(std::string text) {
  while (!text.empty()) {
    const unsigned char last = static_cast<unsigned char>(text.back());
    if (last > 0x20 && last != '.') break;
    text.pop_back();
  }
  return text;
}

}  // namespace tw
