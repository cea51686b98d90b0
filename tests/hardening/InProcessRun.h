// The build run in the test's own process, as the window runs it (output
// blocks of 128 bytes), through a host that can change the disk at chosen
// moments: after the listing (the "log:Building your fasta files..." event)
// or as the bar steps to each file, just before that file is read.
//
//   HookedHost host(plate.folder, "out");
//   host.onStep = [&](int file) { if (file == 2) fs::remove(plate / "b.seq"); };
//   RunInProcess(host)  => {Ending::Failed, "Cannot open file \"...\". No such file or directory."}
#pragma once

#include <functional>
#include <string>

#include "fasta/FakeHost.h"

namespace tw::test {

class HookedHost : public FakeHost {
 public:
  HookedHost(const std::string &folder, const std::string &name, bool deleteOption = true);

  // Called with i + 1 as the bar steps to the i-th listed file.
  std::function<void(int file)> onStep;

  void SetProgressPosition(int p) override;
};

}  // namespace tw::test
