#include <gtest/gtest.h>

#include <random>

#include "document/class_registration.h"
#include "document/slide_commands.h"
#include "document/slideshow_file.h"
#include "image/fast_dib.h"
#include "model/node_files.h"
#include "model/property_text.h"
#include "model/stream.h"
#include "sim/exciter.h"
#include "sim/frame_loop.h"
#include "sim/ri_map.h"

namespace wavora {
namespace {

// A saved slideshow with a slide for every source shape and one for every medium class.
std::string SeedSlideshow() {
  const TRef<TSlideshow> slideshow = MakeNode<TSlideshow>();
  slideshow->SetTankSize(60, 40);
  for (int shape = 0; shape < 5; ++shape) {
    const TRef<TWater> water = AddNewSlide(*slideshow);
    SetPropertyFromText(*water->GetExciter(), "BeamType", std::to_string(shape), false);
  }
  for (int i = 0; i < MapClassCount(); ++i)
    AddNewSlide(*slideshow)->SetRIMapClass(*MapClass(i));
  TStream stream;
  slideshow->SaveToStream(stream, true, 0);
  return stream.Data();
}

// Replaces the value of one attribute with an extreme one, or damages a byte.
std::string Mutate(std::string text, std::mt19937& random) {
  static const char* const kExtremes[] = {"-1e30",       "1e30",  "0",      "-5",   "3.4e38", "2147483647",
                                          "-2147483648", "1e-40", "100000", "-0.0", "7"};
  for (int edits = 1 + static_cast<int>(random() % 3); edits > 0; --edits) {
    const size_t quote = text.find("=\"", random() % text.size());
    if (quote != std::string::npos && random() % 4 != 0) {
      const size_t end = text.find('"', quote + 2);
      if (end == std::string::npos) continue;
      text.replace(quote + 2, end - quote - 2, kExtremes[random() % std::size(kExtremes)]);
    } else {
      text[random() % text.size()] = static_cast<char>(random() % 256);
    }
  }
  return text;
}

TEST(SlideshowRobustness, HostileValuesOpenAndRunWithoutHarm) {
  RegisterClasses();
  const std::string seed = SeedSlideshow();
  const std::string path = ::testing::TempDir() + "wavora_hostile.wvr";
  std::mt19937 random(61206);
  int opened = 0;
  for (int round = 0; round < 150; ++round) {
    WriteFileText(path, Mutate(seed, random));
    const TOpenedSlideshow result = OpenSlideshowFile(path, 60, 40);
    const TRef<TWaterCollection> slideshow = RefCast<TWaterCollection>(result.document);
    if (!slideshow) {
      EXPECT_FALSE(result.message.text.empty());
      continue;
    }
    ++opened;
    TFastDIB image(60, 40);
    TFrameLoop loop;
    loop.fast = true;
    for (int i = 0; i < slideshow->SlideCount(); ++i) {
      const TRef<TWater> water = slideshow->GetWater(i);
      if (!water) continue;
      for (int frame = 0; frame < 3; ++frame)
        loop.RunFrame(water.Get(), image, false);
      water->DrawOnly(image);
      water->ClearField();
    }
  }
  EXPECT_GT(opened, 50) << "most mutations keep a readable file";
}

}  // namespace
}  // namespace wavora
