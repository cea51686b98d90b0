// The failures the system raises. Each carries the message the user sees
// (before the "." rule of ShownMessage.h).
//
//   EInOutError(5)   .what() => "File access denied"
//   EInOutError(112) .what() => "I/O error 112"
//   EFOpenError("/plate/x.seq", "Is a directory")
//                    .what() => "Cannot open file \"/plate/x.seq\". Is a directory"
//   EAbort()         .what() => "Operation aborted"   (never shown)
#pragma once

#include <stdexcept>
#include <string>

namespace tw {

class Failure : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The silent stop: an action that has told the user why it cannot go on.
class EAbort : public Failure {
 public:
  EAbort() : Failure("Operation aborted") {}
};

class EInOutError : public Failure {
 public:
  explicit EInOutError(int code);
  int code() const { return code_; }

 private:
  int code_;
};

class EFOpenError : public Failure {
 public:
  EFOpenError(const std::string &fullPath, const std::string &systemText);
};

// The message of an EInOutError of a given code.
std::string InOutErrorMessage(int code);

}  // namespace tw
