// Reading a sequence file into lines.
//
// The file is read whole, in one pass of its length, and split by the rule
// of LineList.h. It is open, with a read lock, only inside the call.
//
//   ReadSeqFile("/plate/a.seq", lines)  => lines == {"ACGT", "GG"}
//   ReadSeqFile("/plate/sub.seq", lines)
//       => EFOpenError "Cannot open file \"/plate/sub.seq\". Is a directory"
//
// A file that cannot be opened raises EFOpenError and leaves the list as it
// was. A read that fails after the file was opened, or that ends before the
// length the file had when opened, raises EInOutError (the code of the
// failure, or 100 "Read beyond end of file"), with the list emptied: never
// silently short data.
#pragma once

#include <string>

#include "fasta/LineList.h"

namespace tw {

void ReadSeqFile(const std::string &path, LineList &lines);

}  // namespace tw
