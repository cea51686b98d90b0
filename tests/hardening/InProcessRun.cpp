#include "hardening/InProcessRun.h"

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

}  // namespace tw::test
