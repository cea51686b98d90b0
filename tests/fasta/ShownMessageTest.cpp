#include <gtest/gtest.h>

#include "fasta/Failures.h"
#include "fasta/ShownMessage.h"

namespace tw {
namespace {

TEST(ShownMessage, AppendsAStopAfterBytesAboveIt) {
  const std::pair<std::string, std::string> cases[] = {
      {"File access denied", "File access denied."},
      {"I/O error 112", "I/O error 112."},
      {"Done!!!", "Done!!!"},
      {"Already ends.", "Already ends."},
      {"", ""},
      {"ends in a blank ", "ends in a blank "},
      {"ends in a dash -", "ends in a dash -"},
      {"ends in a slash/", "ends in a slash/."},
      {"ends in \xC3\xA9", "ends in \xC3\xA9."},  // bytes compared unsigned
  };
  for (const auto &[message, shown] : cases) EXPECT_EQ(ShownMessage(message), shown) << message;
}

TEST(ShownMessage, InOutErrorMessagesByCode) {
  const std::pair<int, const char *> cases[] = {
      {2, "File not found"},           {3, "Invalid filename"},
      {4, "Too many open files"},      {5, "File access denied"},
      {100, "Read beyond end of file"}, {101, "Disk full"},
      {106, "Invalid numeric input"},  {32, "I/O error 32"},
      {112, "I/O error 112"},          {1117, "I/O error 1117"},
  };
  for (const auto &[code, message] : cases) EXPECT_STREQ(EInOutError(code).what(), message);
}

}  // namespace
}  // namespace tw
