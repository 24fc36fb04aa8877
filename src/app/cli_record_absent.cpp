#include <stdexcept>

#include "app/cli_record.h"
#include "app/cli_usage.h"

namespace wavora {

// A build without the record library (WebAssembly): clips and worksheets are refused before the run.

namespace {

constexpr char kNoRecorder[] = "clips and worksheets are not available in this build";

}  // namespace

struct TRunnerClip::TState {};

std::string ClipRefusal(const std::string& fileName) {
  return "cannot write \"" + fileName + "\": " + kNoRecorder;
}

int TRunnerClip::MaxFrames() {
  return 0;
}

TRunnerClip::TRunnerClip(std::string, int, double, int, int) {
  throw std::logic_error(kNoRecorder);
}

TRunnerClip::~TRunnerClip() = default;
void TRunnerClip::Frame(long, const TFastDIB&) {}
bool TRunnerClip::Full() const {
  return false;
}
void TRunnerClip::Write() const {}

int Worksheet(const std::vector<std::string>&, std::ostream&, std::ostream&) {
  throw TUsageError{std::string("worksheet: ") + kNoRecorder};
}

}  // namespace wavora
