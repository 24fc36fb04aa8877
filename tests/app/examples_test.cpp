#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <memory>
#include <set>
#include <vector>

#include "document/class_registration.h"
#include "document/slideshow_file.h"
#include "document/water_collection.h"
#include "image/fast_dib.h"
#include "sim/frame_loop.h"
#include "sim/general_exciter.h"
#include "sim/ri_map.h"
#include "sim/tool.h"
#include "sim/tool_class_list.h"
#include "sim/tool_panel.h"
#include "sim/water.h"
#include "tools/spectrum_tool.h"

namespace wavora {
namespace {

// Smaller than the window's tanks so the run stays quick; the lessons store positions as
// percentages, so every size lays them out alike.
constexpr int kSide = 201;
constexpr int kFrames = 100;

struct TCoverage {
  std::set<std::string> media;
  std::set<int32_t> shapes;
  std::set<std::string> tools;
};

// A wave the eye can see: a thirtieth of the full scale of 3.5 somewhere in the tank.
constexpr float kVisibleWave = 0.1f;

bool FieldIsFiniteWithAVisibleWave(const TWaterGrid& grid) {
  float highest = 0;
  for (int32_t x = 0; x < grid.Width(); ++x) {
    for (int32_t y = 0; y < grid.Height(); ++y) {
      const float displacement = grid.Cell(x, y).Displacement;
      if (!std::isfinite(displacement)) return false;
      highest = std::max(highest, std::fabs(displacement));
    }
  }
  return highest >= kVisibleWave;
}

// Opens every shipped lesson as the window does, runs each slide and notes what it uses.
TCoverage RunEveryExample() {
  RegisterClasses();
  TCoverage coverage;
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(WAVORA_EXAMPLES_DIR)) {
    if (entry.path().extension() != ".wvr") continue;
    ++files;
    const std::string name = entry.path().filename().string();
    const TOpenedSlideshow opened = OpenSlideshowFile(entry.path().string(), kSide, kSide);
    EXPECT_EQ(opened.message.text, "") << name;
    const TRef<TWaterCollection> slideshow = RefCast<TWaterCollection>(opened.document);
    if (!slideshow) {
      ADD_FAILURE() << name << " did not open";
      continue;
    }
    for (int i = 0; i < slideshow->SlideCount(); ++i) {
      const TRef<TWater> tank = slideshow->GetWater(i);
      const std::string slide = name + " slide " + std::to_string(i + 1);
      EXPECT_NE(slideshow->SlideName(i), "") << slide;
      EXPECT_NE(tank->StoredDescription(), "") << slide;
      TFastDIB image(tank->W(), tank->H());
      TFrameLoop loop;
      for (int frame = 0; frame < kFrames; ++frame)
        loop.RunFrame(tank.Get(), image, false);
      EXPECT_TRUE(FieldIsFiniteWithAVisibleWave(*tank->Grid())) << slide;

      if (const TRef<TBaseRIMap> medium = tank->GetRIMap())
        coverage.media.insert(medium->ClassInfo().ClassName());
      if (const auto source = RefCast<TGeneralExciter>(tank->GetExciter()))
        coverage.shapes.insert(source->GetBeamType());
      for (int child = 0; child < tank->GetChildCount(); ++child) {
        if (const auto tool = RefCast<TBaseTool>(tank->GetChildren(child)))
          coverage.tools.insert(tool->ClassInfo().ClassName());
      }
    }
  }
  EXPECT_GE(files, 7);
  return coverage;
}

TEST(Examples, EveryLessonOpensQuietlyRunsAndTogetherTheyUseEveryExperimentSourceShapeAndTool) {
  const TCoverage coverage = RunEveryExample();
  for (int i = 0; i < MapClassCount(); ++i)
    EXPECT_TRUE(coverage.media.contains(MapClass(i)->ClassName())) << MapClass(i)->ClassName();
  for (int32_t shape = 0; shape < TGeneralExciter::kShapeCount; ++shape)
    EXPECT_TRUE(coverage.shapes.contains(shape)) << "source shape " << shape;
  for (int i = 0; i < ToolCount(); ++i)
    EXPECT_TRUE(coverage.tools.contains(ToolClass(i)->ClassName())) << ToolClass(i)->ClassName();
}

// Runs of lit columns in a spectrometer's display: the peaks a student sees.
int PeakCount(const std::vector<float>& columns) {
  int peaks = 0;
  for (size_t x = 0; x < columns.size(); ++x) {
    if (columns[x] > 0 && (x == 0 || columns[x - 1] <= 0)) ++peaks;
  }
  return peaks;
}

// The display hides a peak under 65 % of the strongest, so the cross must hear both sources about
// as loud; checked as the window shows it, several times along the run.
TEST(Examples, TwoNotesAtOnceShowsAPeakForEachSourceAlongTheRun) {
  RegisterClasses();
  const auto slideshow = RefCast<TWaterCollection>(
      OpenSlideshowFile(std::string(WAVORA_EXAMPLES_DIR) + "/measuring_waves.wvr", 401, 401).document);
  ASSERT_TRUE(slideshow && slideshow->SlideName(3) == "Two notes at once");
  const TRef<TWater> tank = slideshow->GetWater(3);
  const auto spectrometer = RefCast<TSpectrumTool>(tank->GetChildren(tank->GetChildCount() - 1));
  ASSERT_TRUE(spectrometer);
  const std::unique_ptr<TControlPanelModel> panel = spectrometer->CreateControlPanel();
  auto& frame = dynamic_cast<TBaseCPFrame&>(*panel);
  frame.SetBoxSize(TBaseCPFrame::kDesignWidth, TBaseCPFrame::kDesignHeight);
  TFastDIB image(tank->W(), tank->H());
  TFrameLoop loop;
  for (int step = 1; step <= 1500; ++step) {
    loop.RunFrame(tank.Get(), image, false);
    if (step < 450 || step % 150 != 0) continue;
    spectrometer->UpdateControlPanel(frame);
    EXPECT_EQ(PeakCount(spectrometer->Columns()), 2) << "after " << step << " frames";
  }
}

}  // namespace
}  // namespace wavora
