// Entries of kinds a sequence folder should never hold, made for real, and
// the file flags that even root must obey (chattr +a, +i).
//
//   MakeFifo(plate / "b.seq");
//   MakeSocket(plate / "c.seq");
//   MakeLink("/dev/zero", plate / "d.seq");
//   SetFileFlag(plate.folder, FileFlag::AppendOnly, true)  => false where unsupported
#pragma once

#include <string>

namespace tw::test {

void MakeFifo(const std::string &path);
void MakeSocket(const std::string &path);  // a bound Unix socket's node
void MakeLink(const std::string &target, const std::string &path);

enum class FileFlag { AppendOnly, Immutable };

// Sets or clears the flag; false where the file system or the process's
// capabilities do not allow it (the test then cannot be made real).
bool SetFileFlag(const std::string &path, FileFlag flag, bool on);

}  // namespace tw::test
