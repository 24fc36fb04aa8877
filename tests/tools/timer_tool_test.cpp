#include <gtest/gtest.h>

#include "image/fast_dib.h"
#include "sim/water.h"
#include "tools/tick_clock.h"
#include "tools/timer_tool.h"

namespace wavora {
namespace {

class Stopwatch : public ::testing::Test {
 protected:
  void SetUp() override {
    SetStopwatchClock(&clock);
    tank->SetSize(401, 401);
    tank->add(stopwatch);
  }
  void TearDown() override { SetStopwatchClock(nullptr); }

  // Frames of 16 ms as the window runs them: steps (unless paused), then a drawing.
  void Frames(int count, bool stepping = true) {
    for (int i = 0; i < count; ++i) {
      clock.Advance(16);
      if (stepping) stopwatch->AfterStep();
      stopwatch->Draw(image);
    }
  }
  void Click(int X, int Y, int releaseX, int releaseY) {
    tank->MouseDown(TMouseButton::Left, {}, X, Y);
    tank->MouseMove({}, releaseX, releaseY);
    tank->MouseUp(TMouseButton::Left, {}, releaseX, releaseY);
  }

  TManualTickClock clock;
  TRef<TWater> tank = MakeNode<TWater>();
  TRef<TTimerTool> stopwatch = MakeNode<TTimerTool>();
  TFastDIB image{401, 401};
};

TEST_F(Stopwatch, CountsOnlyWhileRunningAndStepping) {
  Frames(10);
  EXPECT_EQ(stopwatch->ElapsedMs(), 0) << "a new stopwatch stands still";
  stopwatch->SetTurnedOff(false);
  Frames(100);
  EXPECT_EQ(stopwatch->ElapsedMs(), 99 * 16) << "the first step restarts the stretch from then";
  Frames(50, false);
  Frames(10);
  EXPECT_EQ(stopwatch->ElapsedMs(), 108 * 16) << "a pause is not counted";

  // The tick count wrapping past 2^32 ms is harmless.
  clock.Set(0xFFFFFFFFu - 100);
  stopwatch->Reset();
  Frames(20);
  EXPECT_EQ(stopwatch->ElapsedMs(), 20 * 16);
}

TEST_F(Stopwatch, TimeTextShowsMinutesSecondsAndHundredthsAndHostileTimesGiveABoundedReading) {
  for (const auto& [ms, text] : {std::pair<int64_t, const char*>{0, "00:00.00"},
                                 {61239, "01:01.23"},
                                 {5999999, "99:59.99"},
                                 {6000000, "00:00.00"}})
    EXPECT_EQ(TTimerTool::TimeText(ms), text);
  stopwatch->SetStartTime(5000);
  stopwatch->SetLastKnownOnTime(1000);
  stopwatch->SetAccumulatedTime(-70);
  EXPECT_EQ(stopwatch->ElapsedMs(), 0);
  stopwatch->SetStartTime(-2147483647 - 1);
  stopwatch->SetLastKnownOnTime(2147483647);
  stopwatch->SetAccumulatedTime(2147483647);
  stopwatch->SetTurnedOff(false);
  stopwatch->SetIsFrozen(true);
  Frames(2);
  EXPECT_EQ(stopwatch->GetAccumulatedTime(), 2147483647);
  EXPECT_EQ(TTimerTool::TimeText(stopwatch->ElapsedMs()).size(), 8u);
}

TEST_F(Stopwatch, ClicksStartStopAndResetWhileDraggingMovesIt) {
  Frames(1);
  const TLabelBox box = stopwatch->LabelBox();
  const int middle = (box.top + box.bottom) / 2;
  Click(box.left + 20, middle, box.left + 20, middle);
  EXPECT_FALSE(stopwatch->GetTurnedOff());
  Frames(30);
  EXPECT_GT(stopwatch->ElapsedMs(), 0);
  Click(box.right - 2, middle, box.right - 2, middle);  // the red dot
  EXPECT_EQ(stopwatch->ElapsedMs(), 0);
  EXPECT_FALSE(stopwatch->GetTurnedOff());
  Click(box.left + 20, middle, box.left + 120, middle - 100);
  EXPECT_FALSE(stopwatch->GetTurnedOff());
  Frames(1);
  EXPECT_GT(stopwatch->LabelBox().left, box.left + 50);
}

}  // namespace
}  // namespace wavora
