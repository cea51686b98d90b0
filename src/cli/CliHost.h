// tidewell-cli's host of the build run.
//
// The log lines and "Done!!!" go to stdout, one a line; every other message
// to stderr. The progress bar is a line on stderr when stderr is a
// terminal. The output is written through large blocks: the bytes are the
// same as the window's.
#pragma once

#include <cstddef>
#include <string>

#include "cli/ProgressLine.h"
#include "fasta/BuildRun.h"

namespace tw::cli {

// Large enough to keep the number of writes small on big plates.
inline constexpr std::size_t kCliBlockSize = 1 << 20;

class CliHost final : public BuildRunHost {
 public:
  CliHost(std::string folder, std::string resultName, bool deleteOption, bool progress);

  std::string ResultName() const override { return resultName_; }
  bool DeleteOption() const override { return deleteOption_; }
  std::string SeqFolder() const override { return folder_; }

  void LoadfileList1() override;
  const StringList &SeqFileList() const override { return seqFileList_; }

  int ProgressPosition() const override { return position_; }
  void SetProgressPosition(int position) override;
  void SetProgressMin(int min) override;
  void SetProgressMax(int max) override;

  void ClearLog() override {}
  void AppendLog(std::string_view line) override;
  void ShowMessage(std::string_view text) override;

  std::size_t OutputBlockSize() const override { return kCliBlockSize; }

  // Writes a message to stderr on a line of its own.
  void ShowError(std::string_view text);

 private:
  void KeepInRangeAndShow();

  std::string folder_;
  std::string resultName_;
  bool deleteOption_;
  StringList seqFileList_;
  int position_ = 0;
  int min_ = 0;
  int max_ = 100;
  ProgressLine progress_;
};

}  // namespace tw::cli
