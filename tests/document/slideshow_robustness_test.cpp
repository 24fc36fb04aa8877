#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

#include "document/class_registration.h"
#include "document/slide_commands.h"
#include "document/slideshow_file.h"
#include "fuzz_inputs.h"
#include "image/fast_dib.h"
#include "model/node_files.h"
#include "model/property_text.h"
#include "model/stream.h"
#include "sim/control_panel_tool.h"
#include "sim/exciter.h"
#include "sim/frame_loop.h"
#include "sim/ri_map.h"
#include "sim/tool_class_list.h"
#include "sim/tool_panel.h"

namespace wavora {
namespace {

// Replaces the value of one attribute with an extreme one, or damages a byte.
std::string Mutate(std::string text, std::mt19937& random) {
  static const char* const kExtremes[] = {"-1e30",       "1e30",  "0",      "-5",   "3.4e38", "2147483647",
                                          "-2147483648", "1e-40", "100000", "-0.0", "7",      "NaN"};
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

// Panels for the tank's panel tools, as the window makes them, small enough to hold few samples, or
// as small as a panel can be.
std::vector<std::unique_ptr<TControlPanelModel>> ToolPanels(const TWater& water, int width, int height) {
  std::vector<std::unique_ptr<TControlPanelModel>> panels;
  for (int i = 0; i < water.GetChildCount(); ++i) {
    if (const TRef<TControlPanelTool> tool = RefCast<TControlPanelTool>(water.GetChildren(i))) {
      panels.push_back(tool->CreateControlPanel());
      if (auto* panel = dynamic_cast<TBaseCPFrame*>(panels.back().get())) panel->SetBoxSize(width, height);
    }
  }
  return panels;
}

TEST(SlideshowRobustness, HostileValuesOpenAndRunWithoutHarm) {
  RegisterClasses();
  const std::string seed = SeedSlideshowText();
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
      const auto panels = round % 2 ? ToolPanels(*water, 40, 20) : ToolPanels(*water, 1, 1);
      for (int frame = 0; frame < 3; ++frame) {
        loop.RunFrame(water.Get(), image, false);
        for (const auto& panel : panels) {
          if (auto* toolPanel = dynamic_cast<TBaseCPFrame*>(panel.get()))
            toolPanel->Tool().UpdateControlPanel(*toolPanel);
        }
      }
      water->DrawOnly(image);
      water->ClearField();
    }
  }
  EXPECT_GT(opened, 50) << "most mutations keep a readable file";
}

// Presses on every handle of the medium and drags each far outside the tank and back.
void DragEveryHandle(TWater& water, const TBaseControl& medium) {
  for (const TPoint handle : {medium.Point1(), medium.Point2(), medium.Point3()}) {
    const int32_t Y = water.H() - 1 - handle.y;
    water.MouseDown(TMouseButton::Left, {}, handle.x, Y);
    water.MouseMove({}, -1000, -1000);
    water.MouseMove({}, water.W() + 1000, water.H() + 1000);
    water.MouseMove({}, handle.x, Y);
    water.MouseUp(TMouseButton::Left, {}, handle.x, Y);
  }
}

TPropertyValue Extreme(TPropertyKind kind, size_t i) {
  static const float kSingles[] = {std::nanf(""), INFINITY, -INFINITY, -1e30f, 1e30f, 3.4e38f, 1e-40f,
                                   -0.0f,         -5,       7,         100000, 50,    1,       2};
  static const int32_t kIntegers[] = {
      std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max(), -1, 0, 1, 2, 3, 4, 7, 100000};
  if (kind == TPropertyKind::Single) return kSingles[i % std::size(kSingles)];
  return kIntegers[i % std::size(kIntegers)];
}

// Files can only bring what the reader accepts; objects are held to more: every value of every
// number a medium publishes, NaN and infinities too, on tanks of every shape down to a few cells.
TEST(SlideshowRobustness, EveryMediumMapsDrawsAndDragsWithAnyValue) {
  RegisterClasses();
  for (const auto& [width, height] : {std::pair{60, 40}, std::pair{13, 250}, std::pair{5, 5}}) {
    TFastDIB image(width, height);
    for (int c = 1; c < MapClassCount(); ++c) {
      for (const TPropertyInfo& property : MapClass(c)->Properties()) {
        if (property.kind != TPropertyKind::Single && property.kind != TPropertyKind::Integer) continue;
        if (property.name == "UniqueID") continue;
        for (size_t i = 0; i < 14; ++i) {
          const TRef<TSlideshow> slideshow = NewSlideshow(width, height);
          const TRef<TWater> water = slideshow->GetActiveWater();
          water->SetRIMapClass(*MapClass(c));
          const TRef<TBaseRIMap> medium = water->GetRIMap();
          SCOPED_TRACE(MapClass(c)->ClassName() + "." + property.name + " #" + std::to_string(i));
          property.set(*medium, Extreme(property.kind, i));
          water->SetSize(width, height);
          TFrameLoop loop;
          for (int frame = 0; frame < 2; ++frame)
            loop.RunFrame(water.Get(), image, false);
          DragEveryHandle(*water, *medium);
          water->DrawOnly(image);
        }
      }
    }
  }
}

}  // namespace
}  // namespace wavora
