#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <set>

#include "document/class_registration.h"
#include "document/slideshow_file.h"
#include "document/water_collection.h"
#include "image/fast_dib.h"
#include "sim/frame_loop.h"
#include "sim/general_exciter.h"
#include "sim/ri_map.h"
#include "sim/tool.h"
#include "sim/tool_class_list.h"
#include "sim/water.h"

namespace wavora {
namespace {

// Every shipped lesson opens as the window opens it, without a message, and each slide has a name
// and a description and after 100 frames shows a wave the eye can see (a thirtieth of the full scale
// of 3.5) with no cell gone to infinity; together the lessons use every experiment, source shape and
// tool. (The fuzz replay saves and rereads them.) Tanks are smaller than the window's to stay quick;
// the lessons store positions as percentages, so every size lays them out alike.
TEST(Examples, EveryLessonOpensQuietlyRunsAndTogetherTheyUseEveryExperimentSourceShapeAndTool) {
  RegisterClasses();
  std::set<std::string> used;
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(WAVORA_EXAMPLES_DIR)) {
    if (entry.path().extension() != ".wvr") continue;
    ++files;
    const TOpenedSlideshow opened = OpenSlideshowFile(entry.path().string(), 201, 201);
    EXPECT_EQ(opened.message.text, "") << entry.path();
    const TRef<TWaterCollection> slideshow = RefCast<TWaterCollection>(opened.document);
    for (int i = 0; slideshow && i < slideshow->SlideCount(); ++i) {
      SCOPED_TRACE(entry.path().filename().string() + " slide " + std::to_string(i + 1));
      const TRef<TWater> tank = slideshow->GetWater(i);
      EXPECT_NE(slideshow->SlideName(i), "");
      EXPECT_NE(tank->StoredDescription(), "");
      TFastDIB image(tank->W(), tank->H());
      TFrameLoop loop;
      for (int frame = 0; frame < 100; ++frame)
        loop.RunFrame(tank.Get(), image, false);
      float highest = 0;
      for (int32_t x = 0; x < tank->W(); ++x) {
        for (int32_t y = 0; y < tank->H(); ++y) {
          const float displacement = std::fabs(tank->DisplacementAt(x, y));
          highest = std::isfinite(displacement) ? std::max(highest, displacement) : INFINITY;
        }
      }
      EXPECT_TRUE(std::isfinite(highest) && highest >= 0.1f) << highest;
      used.insert(tank->GetRIMap()->ClassInfo().ClassName());
      if (const auto source = RefCast<TGeneralExciter>(tank->GetExciter()))
        used.insert("shape " + std::to_string(source->GetBeamType()));
      for (int child = 0; child < tank->GetChildCount(); ++child) {
        if (RefCast<TBaseTool>(tank->GetChildren(child)))
          used.insert(tank->GetChildren(child)->ClassInfo().ClassName());
      }
    }
  }
  EXPECT_GE(files, 7);
  for (int i = 0; i < MapClassCount(); ++i)
    EXPECT_TRUE(used.contains(MapClass(i)->ClassName())) << MapClass(i)->ClassName();
  for (int32_t shape = 0; shape < TGeneralExciter::kShapeCount; ++shape)
    EXPECT_TRUE(used.contains("shape " + std::to_string(shape)));
  for (int i = 0; i < ToolCount(); ++i)
    EXPECT_TRUE(used.contains(ToolClass(i)->ClassName())) << ToolClass(i)->ClassName();
}

}  // namespace
}  // namespace wavora
