#include <gtest/gtest.h>

#include <filesystem>

#include "fuzz_entries.h"
#include "fuzz_inputs.h"
#include "model/file_text.h"

namespace wavora {
namespace {

namespace fs = std::filesystem;

// Every input a fuzz run once failed on stays fixed.
TEST(FuzzFindings, EveryKeptFindingReplaysWithoutFault) {
  for (const TFuzzTarget& target : FuzzTargets()) {
    const fs::path directory = fs::path(WAVORA_SOURCE_DIR) / "fuzz" / "findings" / target.name;
    if (!fs::is_directory(directory)) continue;
    for (const fs::directory_entry& entry : fs::directory_iterator(directory)) {
      if (!entry.is_regular_file() || entry.path().filename().string().front() == '.') continue;
      SCOPED_TRACE(entry.path().string());
      EXPECT_EQ(target.run(ReadFileText(entry.path().string())), std::nullopt);
    }
  }
}

// The shipped lessons, the slideshows of the data and one of every class survive a save, a reading
// and a second save unchanged, and run; so does every seed slide pasted.
TEST(FuzzFindings, TestSlideshowsAndSlidesRoundTrip) {
  std::vector<std::pair<std::string, std::string>> slideshows = {{"seed", SeedSlideshowText()}};
  for (const char* root : {"examples", "tests", "assets"}) {
    for (const auto& entry : fs::recursive_directory_iterator(fs::path(WAVORA_SOURCE_DIR) / root)) {
      const std::string extension = entry.path().extension().string();
      if (entry.is_regular_file() && (extension == ".wvr" || extension == ".xml"))
        slideshows.emplace_back(entry.path().string(), ReadFileText(entry.path().string()));
    }
  }
  for (const auto& [name, bytes] : slideshows)
    EXPECT_EQ(FuzzSlideshow(bytes), std::nullopt) << name;
  for (const std::string& slide : SeedSlideTexts())
    EXPECT_EQ(FuzzPaste(slide), std::nullopt) << slide.substr(0, 200);
}

}  // namespace
}  // namespace wavora
