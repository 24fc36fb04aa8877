#include <gtest/gtest.h>

#include "image/fast_dib.h"
#include "sim/frame_loop.h"
#include "sim_test_objects.h"

namespace wavora {
namespace {

class FrameLoop : public ::testing::Test {
 protected:
  void SetUp() override {
    tank->SetSize(60, 50);
    image.SetSize(60, 50);
    loop.TickCount = [this] { return now; };
  }

  TRef<TWater> tank = MakeNode<TWater>();
  TFastDIB image;
  TFrameLoop loop;
  int64_t now = 1000;
};

// Redrawn every third frame; shown again only when the picture changed (here: a drip between).
TEST_F(FrameLoop, AFrozenFieldIsRedrawnEveryThirdFrame) {
  loop.paused = true;
  const TRef<test::TTestTool> tool = MakeNode<test::TTestTool>();
  tank->add(tool);
  std::vector<bool> redrawn;
  for (int i = 0; i < 9; ++i) {
    if (i == 6) tank->Grid()->Cell(20, 20).Displacement = 1;
    redrawn.push_back(loop.RunFrame(tank.Get(), image, false).imageChanged);
  }
  EXPECT_EQ(redrawn, (std::vector<bool>{false, false, true, false, false, false, false, false, true}));
  EXPECT_EQ(tool->stepCount, 0) << "no step while paused";
}

TEST_F(FrameLoop, FastModeStepsFiveTimesAFrame) {
  const TRef<test::TTestTool> tool = MakeNode<test::TTestTool>();
  tank->add(tool);
  EXPECT_TRUE(loop.RunFrame(tank.Get(), image, false).imageChanged);
  EXPECT_EQ(tool->stepCount, 1);
  loop.fast = true;
  loop.RunFrame(tank.Get(), image, false);
  EXPECT_EQ(tool->stepCount, 6);
}

TEST_F(FrameLoop, WithoutATankTheBackdropAppearsOnTheEleventhFrame) {
  image.Fill(RGB(0, 0, 0));
  for (int i = 0; i < 10; ++i)
    EXPECT_FALSE(loop.RunFrame(nullptr, image, false).imageChanged);
  EXPECT_TRUE(loop.RunFrame(nullptr, image, false).imageChanged);
  EXPECT_EQ(image.Pixel(1, 1), RGB(255, 255, 255));
  EXPECT_EQ(image.Pixel(0, 0), RGB(0, 0, 0)) << "the outer ring stays";
}

TEST_F(FrameLoop, StatisticsAreTakenOnlyWhileTheDebugPanelIsVisible) {
  EXPECT_TRUE(loop.RunFrame(tank.Get(), image, true).statistics.empty());
  now += 600;
  EXPECT_TRUE(loop.RunFrame(tank.Get(), image, false).statistics.empty());
  const std::vector<TDebugRow> rows = loop.RunFrame(tank.Get(), image, true).statistics;
  ASSERT_EQ(rows.size(), 5u);
  EXPECT_EQ(rows[0], (TDebugRow{"Timer rate", "5.0"}));
  EXPECT_EQ(rows[2], (TDebugRow{"CPU usage", "0%"}));
  EXPECT_EQ(rows[3], (TDebugRow{"Timer interval", "16"}));
  EXPECT_EQ(rows[4], (TDebugRow{"Memory Usage", "48000"}));
  EXPECT_FLOAT_EQ(loop.FrameRate(), 5.0f);
  EXPECT_TRUE(loop.RunFrame(tank.Get(), image, true).statistics.empty()) << "at most every 500 ms";
}

TEST_F(FrameLoop, SelectedObjectDecidesTheSnapAndDeleteButtons) {
  EXPECT_EQ(loop.RunFrame(tank.Get(), image, false).buttons, TSelectionButtons{});
  const TRef<test::TTestLine> line = MakeNode<test::TTestLine>();
  tank->add(line);
  line->Select(false);
  EXPECT_EQ(loop.RunFrame(tank.Get(), image, false).buttons, (TSelectionButtons{true, true, true}));
  line->SetSnapToGrid(false);
  line->kind = 0;
  EXPECT_EQ(loop.RunFrame(tank.Get(), image, false).buttons, (TSelectionButtons{false, false, true}));
}

TEST(FrameLoopControls, ContrastSliderAndExposureConvertBothWaysAndTheWideShapeIsCentred) {
  EXPECT_FLOAT_EQ(ExposureFromSliderPosition(50), 2.55f);
  EXPECT_FLOAT_EQ(ExposureFromSliderPosition(0), 5.05f);
  EXPECT_FLOAT_EQ(ExposureFromSliderPosition(100), 0.05f);
  for (int position : {0, 1, 37, 50, 99, 100}) {
    EXPECT_EQ(SliderPositionFromExposure(ExposureFromSliderPosition(position)), position);
  }
  EXPECT_EQ(SliderPositionFromExposure(1e30f), 0);
  EXPECT_EQ(SliderPositionFromExposure(-1e30f), 100);
  // The display shapes are centred on the tank frame (the window's test places the square and the tall).
  EXPECT_EQ(CentreOnTankFrame(DisplayShapeOfTag(2)), (TBoxPlacement{216, 101}));
}

TEST(FrameLoopControls, PointerReadoutsShowSpeedDisplacementAndIndex) {
  const TRef<TWater> tank = MakeNode<TWater>();
  tank->SetSize(60, 50);
  tank->Grid()->Cell(10, 49 - 20).Displacement = 1.25f;
  EXPECT_EQ(PointerReadouts(*tank, 10, 20, 60),
            (std::vector<TDebugRow>{{"Speed", "42.43u/s"}, {"Displacement", "1.25"}, {"n", "1.00"}}));
  tank->Grid()->Cell(10, 29).SpeedFactor = 0;
  EXPECT_EQ(PointerReadouts(*tank, 10, 20, 60)[2].value, "-");
}

}  // namespace
}  // namespace wavora
