// The errno half of the error-code table.
#include <cerrno>
#include <cstring>

#include "platform/ErrorCode.h"

namespace tw {

int ErrorCodeFromErrno(int errnum, ErrnoContext context) {
  switch (errnum) {
    case 0:
      return 0;
    case ENOENT:
    case ENOTDIR:
      if (context == ErrnoContext::Creating) return kErrPathNotFound;
      return errnum == ENOENT ? kErrFileNotFound : kErrPathNotFound;
    case EMFILE:
    case ENFILE:
      return kErrTooManyOpenFiles;
    case EAGAIN:
      return context == ErrnoContext::Locking ? kErrSharingViolation : kErrGeneralFailure;
    case EACCES:
      return context == ErrnoContext::Locking ? kErrSharingViolation : kErrAccessDenied;
    case EPERM:
    case EISDIR:
    case EROFS:
    case ETXTBSY:
      return kErrAccessDenied;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
      return kErrDiskFull;
    case EINVAL:
    case EILSEQ:
      return kErrInvalidName;
    case ENAMETOOLONG:
      return kErrFilenameTooLong;
    case EIO:
      return kErrIoDevice;
    case ELOOP:
      return 1921;  // the name cannot be resolved
    case EBUSY:
      return 170;  // the resource is in use
    case ENOMEM:
      return 8;  // not enough memory
    case EBADF:
      return 6;  // invalid handle
    case EPIPE:
      return 109;  // the pipe has been ended
    case ENXIO:
    case ENODEV:
      return 21;  // the device is not ready
    case EEXIST:
      return 80;  // the file exists
    default:
      return kErrGeneralFailure;
  }
}

std::string SystemErrorText(int errnum) {
  // strerrordesc_np gives the untranslated English text whatever the locale.
  const char *text = strerrordesc_np(errnum);
  if (text == nullptr) return std::string();
  return TrimSystemText(text);
}

}  // namespace tw
