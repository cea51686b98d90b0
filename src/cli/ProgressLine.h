// A one-line progress bar on a terminal, redrawn in place.
//
//   [##############..........................]  12 of 35 files
//
// It draws only when its stream is a terminal, and only when what it shows
// changes, so a run over many small files does not spend its time drawing.
#pragma once

#include <cstdio>
#include <string>

namespace tw::cli {

class ProgressLine {
 public:
  ProgressLine(std::FILE *stream, bool enabled) : stream_(stream), enabled_(enabled) {}

  void Show(int done, int total);

  // Removes the line, so that other text starts on a clean line.
  void Clear();

  // The line for a given state, without the carriage return.
  static std::string Render(int done, int total);

 private:
  std::FILE *stream_;
  bool enabled_;
  bool drawn_ = false;
  int lastDone_ = -1;
  int lastTotal_ = -1;
  int lastCells_ = -1;
};

}  // namespace tw::cli
