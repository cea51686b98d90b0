#include "hardening/InProcessRun.h"

#include "fasta/Failures.h"
#include "fasta/ShownMessage.h"

namespace tw::test {

HookedHost::HookedHost(const std::string &folder_, const std::string &name, bool deleteOption_) {
  folder = folder_;
  resultName = name;
  deleteOption = deleteOption_;
}

void HookedHost::SetProgressPosition(int p) {
  const int before = position;
  FakeHost::SetProgressPosition(p);
  if (onStep && position == before + 1 && position > 0) onStep(position);
}

Outcome RunInProcess(HookedHost &host) {
  try {
    RunFastaBuild(host);
    return {Ending::Done, host.messages.empty() ? "" : host.messages.back()};
  } catch (const EAbort &) {
    return {Ending::Stopped, host.messages.empty() ? "" : host.messages.back()};
  } catch (const Failure &failure) {
    return {Ending::Failed, ShownMessage(failure.what())};
  }
}

}  // namespace tw::test
