// The build run with a chosen output block, for the benchmark: the window
// writes through 128-byte blocks, tidewell-cli through large ones.
//
//   tidewell-bench-run 128 /data/plate result   => /data/plate/result.fasta
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>

#include "fasta/BuildRun.h"

namespace {

class BlockHost final : public tw::BuildRunHost {
 public:
  BlockHost(std::size_t block, std::string folder, std::string name)
      : block_(block), folder_(std::move(folder)), name_(std::move(name)) {}
  std::string ResultName() const override { return name_; }
  bool DeleteOption() const override { return false; }
  std::string SeqFolder() const override { return folder_; }
  void LoadfileList1() override { tw::LoadSeqFileList(folder_, list_); }
  const tw::StringList &SeqFileList() const override { return list_; }
  int ProgressPosition() const override { return position_; }
  void SetProgressPosition(int position) override { position_ = position; }
  void SetProgressMin(int) override {}
  void SetProgressMax(int) override {}
  void ClearLog() override {}
  void AppendLog(std::string_view) override {}
  void ShowMessage(std::string_view) override {}
  std::size_t OutputBlockSize() const override { return block_; }

 private:
  std::size_t block_;
  std::string folder_, name_;
  tw::StringList list_;
  int position_ = 0;
};

}  // namespace

int main(int argc, char **argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: tidewell-bench-run BLOCK FOLDER RESULT_NAME\n");
    return 64;
  }
  BlockHost host(std::strtoull(argv[1], nullptr, 10), argv[2], argv[3]);
  try {
    tw::RunFastaBuild(host);
  } catch (const std::exception &failure) {
    std::fprintf(stderr, "%s\n", failure.what());
    return 2;
  }
  return 0;
}
