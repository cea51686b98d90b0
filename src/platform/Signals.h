// Signals the system would otherwise end the program with.
//
// A write past the file-size limit of the process (ulimit -f) raises
// SIGXFSZ, whose default action ends the program on the spot and leaves a
// half-written output behind. Ignored, the write fails with EFBIG instead,
// which reaches the user as a full disk ("I/O error 112.") and lets the run
// remove its partial output.
//
//   IgnoreFileSizeSignal();   // at start-up, before any file is written
#pragma once

namespace tw {

void IgnoreFileSizeSignal();

}  // namespace tw
