#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace wavora {

// What an input made the program do wrong without crashing (a refusal without a message, a round
// trip that changes the document), or none. Crashes, sanitizer reports and exceptions other than
// the reader's own are findings too: they end the run.
using TFuzzFinding = std::optional<std::string>;

// The code that takes one input's bytes and exercises the program with them, shared by the libFuzzer
// targets and the test that replays their findings.
struct TFuzzTarget {
  std::string_view name;
  TFuzzFinding (*run)(std::string_view bytes);
};

// The reader on arbitrary bytes, plainly and with unknown elements skipped, and the writer on what
// it read.
TFuzzFinding FuzzReader(std::string_view bytes);
// The bytes opened as a slideshow file the way the window opens one (tanks of 64 x 64), its round
// trip checked; then on every slide a few normal, fast and frozen frames, every panel built and
// updated once, and the document saved.
TFuzzFinding FuzzSlideshow(std::string_view bytes);
// The bytes pasted from the clipboard into a new document, the document's round trip checked, then
// the pasted slide run.
TFuzzFinding FuzzPaste(std::string_view bytes);

// The three targets: "reader", "slideshow", "paste".
const std::vector<TFuzzTarget>& FuzzTargets();

}  // namespace wavora
