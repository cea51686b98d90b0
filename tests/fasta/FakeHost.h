// A host of the build run that records what the run did to it, and the
// run's ending as the user would see it, for tests.
//
//   FakeHost host;  host.folder = plate;  host.resultName = "out";
//   RunInProcess(host)  => {Ending::Done, "Done!!!"}
#pragma once

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "fasta/BuildRun.h"
#include "fasta/Failures.h"
#include "fasta/ShownMessage.h"

namespace tw::test {

class FakeHost : public BuildRunHost {
 public:
  std::string resultName;
  std::string folder;
  bool deleteOption = false;
  StringList seqFileList;
  int position = 0, min = 0, max = 100;
  std::vector<std::string> log;
  std::vector<std::string> messages;
  // Every call the run made, in order: "list", "message:<text>", "log:<line>".
  std::vector<std::string> events;
  // Called at each event, to look at the disk at that moment.
  std::function<void(const std::string &event)> onEvent;

  std::string ResultName() const override { return resultName; }
  bool DeleteOption() const override { return deleteOption; }
  std::string SeqFolder() const override { return folder; }
  void LoadfileList1() override {
    Record("list");
    LoadSeqFileList(folder, seqFileList);
  }
  const StringList &SeqFileList() const override { return seqFileList; }
  int ProgressPosition() const override { return position; }
  void SetProgressPosition(int p) override { position = std::clamp(p, min, std::max(min, max)); }
  void SetProgressMin(int m) override {
    min = m;
    SetProgressPosition(position);
  }
  void SetProgressMax(int m) override {
    max = m;
    SetProgressPosition(position);
  }
  void ClearLog() override {
    Record("clear-log");
    log.clear();
  }
  void AppendLog(std::string_view line) override {
    Record("log:" + std::string(line));
    log.emplace_back(line);
  }
  void ShowMessage(std::string_view text) override {
    Record("message:" + std::string(text));
    messages.emplace_back(text);
  }

 private:
  void Record(const std::string &event) {
    events.push_back(event);
    if (onEvent) onEvent(event);
  }
};

enum class Ending { Done, Stopped, Failed };

struct Outcome {
  Ending ending;
  std::string shown;  // the failure as the user sees it, or the last message
};

inline Outcome RunInProcess(FakeHost &host) {
  const auto lastMessage = [&] { return host.messages.empty() ? "" : host.messages.back(); };
  try {
    RunFastaBuild(host);
    return {Ending::Done, lastMessage()};
  } catch (const EAbort &) {
    return {Ending::Stopped, lastMessage()};
  } catch (const Failure &failure) {
    return {Ending::Failed, ShownMessage(failure.what())};
  }
}

}  // namespace tw::test
