#include "cli/CliHost.h"

#include <algorithm>
#include <cstdio>
#include <utility>

namespace tw::cli {
namespace {

void PutLine(std::FILE *stream, std::string_view text) {
  std::fwrite(text.data(), 1, text.size(), stream);
  std::fputc('\n', stream);
  std::fflush(stream);
}

}  // namespace

CliHost::CliHost(std::string folder, std::string resultName, bool deleteOption, bool progress)
    : folder_(std::move(folder)),
      resultName_(std::move(resultName)),
      deleteOption_(deleteOption),
      progress_(stderr, progress) {}

void CliHost::LoadfileList1() { LoadSeqFileList(folder_, seqFileList_); }

void CliHost::KeepInRangeAndShow() {
  position_ = std::clamp(position_, min_, std::max(min_, max_));
  progress_.Show(position_ - min_, max_ - min_);
}

void CliHost::SetProgressPosition(int position) {
  position_ = position;
  KeepInRangeAndShow();
}

void CliHost::SetProgressMin(int min) {
  min_ = min;
  KeepInRangeAndShow();
}

void CliHost::SetProgressMax(int max) {
  max_ = max;
  KeepInRangeAndShow();
}

void CliHost::AppendLog(std::string_view line) {
  progress_.Clear();
  PutLine(stdout, line);
}

void CliHost::ShowMessage(std::string_view text) {
  progress_.Clear();
  PutLine(text == kMsgDone ? stdout : stderr, text);
}

void CliHost::ShowError(std::string_view text) {
  progress_.Clear();
  PutLine(stderr, text);
}

}  // namespace tw::cli
