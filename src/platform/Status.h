// The one error type of the platform layer.
//
// Every call that can fail gives a Status: code 0 for success, otherwise the
// error code of the same meaning on the system the tool was designed for
// (see ErrorCode.h), the errno it came from, and, for refusals the layer
// makes itself, a fixed text that stands in for the system's.
//
//   OpenForReading("/no/such")  => Status{2, ENOENT}
//   OpenForReading("/tmp")      => Status{5, EISDIR}
#pragma once

namespace tw {

struct Status {
  int code = 0;
  int errnum = 0;
  const char *detail = nullptr;  // static text, used instead of errnum's

  bool ok() const { return code == 0; }
  static Status Ok() { return {}; }
};

}  // namespace tw
