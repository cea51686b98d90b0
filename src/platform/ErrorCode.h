// Error codes and their texts.
//
// The tool's messages are chosen by the error codes of the system it was
// designed for. The layer turns errno into the code of the same meaning in
// one table, so that the same cause gives the same message everywhere.
//
//   ErrorCodeFromErrno(ENOENT, ErrnoContext::Opening)  => 2
//   ErrorCodeFromErrno(ENOENT, ErrnoContext::Creating) => 3
//   ErrorCodeFromErrno(ENOSPC, ...)                    => 112
//   SystemErrorText(EISDIR)                            => "Is a directory"
#pragma once

#include <string>

#include "platform/Status.h"

namespace tw {

inline constexpr int kErrFileNotFound = 2;
inline constexpr int kErrPathNotFound = 3;
inline constexpr int kErrTooManyOpenFiles = 4;
inline constexpr int kErrAccessDenied = 5;
inline constexpr int kErrGeneralFailure = 31;
inline constexpr int kErrSharingViolation = 32;
inline constexpr int kErrReadBeyondEnd = 100;
inline constexpr int kErrDiskFull = 112;
inline constexpr int kErrInvalidName = 123;
inline constexpr int kErrFilenameTooLong = 206;
inline constexpr int kErrIoDevice = 1117;

// What the failed call was doing: a missing entry means "file not found"
// when the path had to exist, "invalid filename" (a folder of the path is
// missing) when it was being created.
enum class ErrnoContext { Opening, Creating, Locking };

int ErrorCodeFromErrno(int errnum, ErrnoContext context = ErrnoContext::Opening);

// The status of a failed call, from errno.
Status StatusFromErrno(int errnum, ErrnoContext context = ErrnoContext::Opening);

// The system's English text for errnum, without trailing blanks, control
// characters and full stops.
std::string SystemErrorText(int errnum);

// SystemErrorText of the status's errnum, or its own detail text.
std::string StatusText(const Status &status);

// Cuts every trailing byte from 0x00 to 0x20 and every trailing ".".
//   "Access is denied.\r\n" => "Access is denied"
std::string TrimSystemText(std::string text);

}  // namespace tw
