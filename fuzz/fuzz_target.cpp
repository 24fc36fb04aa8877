// The libFuzzer entry of one target, chosen at build time by WAVORA_FUZZ_TARGET.
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "fuzz_entries.h"

namespace {

const wavora::TFuzzTarget& Target() {
  for (const wavora::TFuzzTarget& target : wavora::FuzzTargets()) {
    if (target.name == WAVORA_FUZZ_TARGET) return target;
  }
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const wavora::TFuzzTarget& target = Target();
  const wavora::TFuzzFinding finding = target.run({reinterpret_cast<const char*>(data), size});
  if (finding) {
    std::fprintf(stderr, "Finding in %s: %s\n", WAVORA_FUZZ_TARGET, finding->c_str());
    std::abort();
  }
  return 0;
}
