#include "cli/ProgressLine.h"

namespace tw::cli {
namespace {

constexpr int kCells = 40;

int FilledCells(int done, int total) {
  if (total <= 0) return 0;
  return static_cast<int>(static_cast<long long>(done) * kCells / total);
}

}  // namespace

std::string ProgressLine::Render(int done, int total) {
  const int filled = FilledCells(done, total);
  std::string line = "[";
  line.append(static_cast<std::size_t>(filled), '#');
  line.append(static_cast<std::size_t>(kCells - filled), '.');
  line += "] " + std::to_string(done) + " of " + std::to_string(total) + " files";
  return line;
}

void ProgressLine::Show(int done, int total) {
  if (!enabled_ || (done == lastDone_ && total == lastTotal_)) return;
  const int cells = FilledCells(done, total);
  // Redraw when the bar moves, for a new total, and at the end; the count
  // alone changing is not worth a redraw.
  if (total == lastTotal_ && cells == lastCells_ && done != total) return;
  lastDone_ = done;
  lastTotal_ = total;
  lastCells_ = cells;
  std::fprintf(stream_, "\r%s\033[K", Render(done, total).c_str());
  std::fflush(stream_);
  drawn_ = true;
}

void ProgressLine::Clear() {
  if (!drawn_) return;
  std::fputs("\r\033[K", stream_);
  std::fflush(stream_);
  drawn_ = false;
  lastDone_ = lastTotal_ = lastCells_ = -1;
}

}  // namespace tw::cli
