#include "sim/frame_loop.h"

#include <gtest/gtest.h>

#include <vector>

#include "image/fast_dib.h"
#include "sim/field_colour.h"
#include "sim_test_objects.h"

namespace wavora::test {
namespace {

TEST(FrameLoop, WithoutATankTheBackdropAppearsOnTheEleventhFrame) {
  TFrameLoop loop;
  TFastDIB image(60, 50);
  image.Fill(RGB(0, 0, 0));
  for (int i = 0; i < 10; ++i)
    EXPECT_FALSE(loop.RunFrame(nullptr, image, false).imageChanged);
  EXPECT_TRUE(loop.RunFrame(nullptr, image, false).imageChanged);
  EXPECT_EQ(image.Pixel(1, 1), RGB(255, 255, 255));
  EXPECT_EQ(image.Pixel(0, 0), RGB(0, 0, 0)) << "the outer ring stays";
}

TEST(FrameLoop, DebugRowsAreWrittenOnlyWhileTheirPanelIsVisibleAndPointerReadoutsShowTheCell) {
  TFrameLoop loop;
  int64_t now = 1000;
  loop.TickCount = [&now] { return now; };
  const TRef<TWater> tank = MakeTank(60, 50);
  TFastDIB image(60, 50);
  EXPECT_TRUE(loop.RunFrame(tank.Get(), image, true).statistics.empty());
  now += 600;
  EXPECT_TRUE(loop.RunFrame(tank.Get(), image, false).statistics.empty());
  const std::vector<TDebugRow> rows = loop.RunFrame(tank.Get(), image, true).statistics;
  ASSERT_EQ(rows.size(), 5u);
  EXPECT_EQ(rows[0], (TDebugRow{"Timer rate", "5.0"}));
  EXPECT_EQ(rows[2], (TDebugRow{"CPU usage", "0%"}));
  EXPECT_EQ(rows[3], (TDebugRow{"Timer interval", "16"}));
  EXPECT_EQ(rows[4], (TDebugRow{"Memory Usage", "48000"}));
  EXPECT_TRUE(loop.RunFrame(tank.Get(), image, true).statistics.empty()) << "at most every 500 ms";

  tank->ClearField();
  tank->Grid()->Cell(10, 49 - 20).Displacement = 1.25f;
  EXPECT_EQ(PointerReadouts(*tank, 10, 20, 60),
            (std::vector<TDebugRow>{{"Speed", "42.43u/s"}, {"Displacement", "1.25"}, {"n", "1.00"}}));
  tank->Grid()->Cell(10, 29).SpeedFactor = 0;
  EXPECT_EQ(PointerReadouts(*tank, 10, 20, 60)[2].value, "-");
}

// At the slider's middle a still cell of open water is mid grey, 2.55 up white and 2.55 down black.
// The window's test places the square and the tall display shapes; the wide one is centred here.
TEST(FrameLoopControls, ExposureSliderTheShadeAtItsMiddleAndTheWideShapeIsCentred) {
  EXPECT_EQ(CentreOnTankFrame(DisplayShapeOfTag(2)), (TBoxPlacement{216, 101}));
  for (int position : {0, 1, 37, 50, 99, 100})
    EXPECT_EQ(SliderPositionFromExposure(ExposureFromSliderPosition(position)), position);
  EXPECT_FLOAT_EQ(ExposureFromSliderPosition(0), 5.05f);
  EXPECT_EQ(SliderPositionFromExposure(1e30f), 0);
  const TFieldShade shade = MakeFieldShade(ExposureFromSliderPosition(50));
  const struct {
    float height, speedFactor;
    TColour expected;
  } cases[] = {{0, 0.5f, RGB(128, 128, 128)},
               {2.55f, 0.5f, RGB(255, 255, 255)},
               {-2.55f, 0.5f, RGB(0, 0, 0)},
               {0, 0.25f, RGB(128, 64, 64)}};
  for (const auto& c : cases) {
    uint8_t pixel[3] = {};
    ShadeCell(pixel, c.height, c.speedFactor, shade);
    EXPECT_EQ((TColour{pixel[0], pixel[1], pixel[2]}), c.expected) << c.height << " " << c.speedFactor;
  }
}

}  // namespace
}  // namespace wavora::test
