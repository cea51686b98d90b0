// The libFuzzer entry point of one fuzz target. The build names the target's
// check in TIDEWELL_FUZZ_CHECK; a finding is printed and ends the run, so
// that libFuzzer keeps the input as a crash artifact.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "fuzz/ExtensionRuleCheck.h"
#include "fuzz/LineSplitCheck.h"
#include "fuzz/MessageRuleCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char *>(data), size);
  const tw::fuzz::Finding finding = TIDEWELL_FUZZ_CHECK(input);
  if (!finding.empty()) {
    std::fprintf(stderr, "FINDING: %s\n", finding.c_str());
    std::abort();
  }
  return 0;
}
