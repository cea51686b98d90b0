#include <cerrno>

#include <gtest/gtest.h>

#include "platform/ErrorCode.h"

namespace tw {
namespace {

TEST(ErrorCode, ErrnoMapsToTheCodeOfTheSameMeaning) {
  struct Case {
    int errnum;
    ErrnoContext context;
    int code;
  };
  const Case cases[] = {
      {ENOENT, ErrnoContext::Opening, 2},     {ENOENT, ErrnoContext::Creating, 3},
      {ENOTDIR, ErrnoContext::Creating, 3},   {EMFILE, ErrnoContext::Opening, 4},
      {ENFILE, ErrnoContext::Creating, 4},    {EACCES, ErrnoContext::Opening, 5},
      {EPERM, ErrnoContext::Opening, 5},      {EISDIR, ErrnoContext::Creating, 5},
      {EROFS, ErrnoContext::Creating, 5},     {ETXTBSY, ErrnoContext::Creating, 5},
      {EAGAIN, ErrnoContext::Locking, 32},    {EACCES, ErrnoContext::Locking, 32},
      {ENOSPC, ErrnoContext::Opening, 112},   {EDQUOT, ErrnoContext::Opening, 112},
      {EFBIG, ErrnoContext::Opening, 112},    {EINVAL, ErrnoContext::Creating, 123},
      {EILSEQ, ErrnoContext::Creating, 123},  {ENAMETOOLONG, ErrnoContext::Opening, 206},
      {EIO, ErrnoContext::Opening, 1117},
  };
  for (const Case &c : cases) {
    EXPECT_EQ(ErrorCodeFromErrno(c.errnum, c.context), c.code) << "errno " << c.errnum;
  }
}

TEST(ErrorCode, UnlistedErrnoNeverBorrowsTheCodeOfAnotherCause) {
  const int listed[] = {2, 3, 4, 5, 32, 112, 123, 206, 1117};
  for (int errnum : {ECONNRESET, EDOM, ENOLCK, EOVERFLOW}) {
    const int code = ErrorCodeFromErrno(errnum);
    EXPECT_NE(code, 0);
    for (int other : listed) EXPECT_NE(code, other) << "errno " << errnum;
  }
}

TEST(ErrorCode, SystemTextIsEnglishWithoutTrailingStopOrBlanks) {
  EXPECT_EQ(SystemErrorText(EISDIR), "Is a directory");
  EXPECT_EQ(SystemErrorText(ENOENT), "No such file or directory");
  EXPECT_EQ(TrimSystemText("Access is denied.\r\n"), "Access is denied");
  EXPECT_EQ(TrimSystemText(". . \t"), "");
  EXPECT_EQ(TrimSystemText("ends!"), "ends!");
}

}  // namespace
}  // namespace tw
