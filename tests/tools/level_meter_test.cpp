#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <numbers>

#include "image/fast_dib.h"
#include "point_tool_rig.h"
#include "sim/tool_data.h"
#include "tools/led_strip.h"
#include "tools/level_meter_tool.h"
#include "tools/level_meters_cp.h"

namespace wavora {
namespace {

using TLevelRig = TPointToolRig<TLevelMeterTool, TLevelMetersCP>;

// Writes a displacement into the meter's cell and runs the meter's step, as the tank would.
void Feed(TLevelRig& rig, float displacement) {
  const TPoint p = rig.tool->Point1();
  rig.tank->Grid()->Cell(p.x, p.y).Displacement = displacement;
  rig.tool->AfterStep();
}

TEST(LevelMeter, StillPointReadsSilenceAndTheAverageSettlesFromZero) {
  TLevelRig rig;
  rig.Update();
  EXPECT_EQ(rig.tool->LevelOf(rig.tool->PeakLevel()), TLevelMeterTool::kSilentLevel);
  EXPECT_EQ(TLevelMetersCP::ReadoutText(TLevelMeterTool::kSilentLevel), "        db");
  EXPECT_EQ(TLevelMetersCP::BarLength(TLevelMeterTool::kSilentLevel), 0);
  // A meter that has heard nothing gives an empty cell.
  EXPECT_EQ(ToolDataCsv(*rig.tool),
            "tool,type,quantity,x,x_unit,value,value_unit\r\n1,Signal Level Meter,peak level,,,,db\r\n");
  rig.tool->SetMode(TLevelMeterTool::kAverage);
  float previous = rig.tool->SmoothedLevel();
  EXPECT_EQ(previous, 0);
  for (int frame = 0; frame < 200; ++frame) {
    rig.Update();
    EXPECT_LE(rig.tool->SmoothedLevel(), previous);
    previous = rig.tool->SmoothedLevel();
    if (frame == 10) {
      EXPECT_GT(previous, -120) << "the smoothing lags";
    }
  }
  EXPECT_NEAR(previous, -120, 0.01);
}

TEST(LevelMeter, FullScaleSineReadsSixWithTheBarFullAndThePeakFallsAboutOneAndAHalfDbPerStepOnceItLeaves) {
  TLevelRig rig;
  for (int step = 0; step < 200; ++step)
    Feed(rig, static_cast<float>(3.5 * std::sin(2 * std::numbers::pi * step / 20 + std::numbers::pi / 2)));
  const double level = rig.tool->LevelOf(rig.tool->PeakLevel());
  EXPECT_EQ(TLevelMetersCP::ReadoutText(level), "6.0db");
  EXPECT_EQ(TLevelMetersCP::BarLength(level), kLedStripWidth);
  EXPECT_EQ(TLevelMetersCP::BarLength(level + 10), kLedStripWidth) << "levels above 0 dB fill the strip";

  TLevelRig burst;
  Feed(burst, 2);
  for (int step = 0; step < 34; ++step)
    Feed(burst, 0.01f);
  EXPECT_FLOAT_EQ(burst.tool->PeakLevel(), 2) << "held for 35 steps";
  double previous = burst.tool->LevelOf(burst.tool->PeakLevel());
  for (int step = 0; step < 60; ++step) {
    Feed(burst, 0.01f);
    const double next = burst.tool->LevelOf(burst.tool->PeakLevel());
    if (burst.tool->PeakLevel() > 0.01f) {
      EXPECT_NEAR(previous - next, 1.505, 0.001) << step;
    }
    previous = next;
  }
  EXPECT_FLOAT_EQ(burst.tool->PeakLevel(), 0.01f) << "never below the window's maximum";
}

TEST(LevelMeter, PopupModeReachesTheToolAndRedrawsTheTitle) {
  TLevelRig rig;
  rig.Update();
  const TFastDIB before = rig.Image();
  for (const TPanelMenuEntry& entry : rig.panel->PopupMenu1Popup())
    if (entry.name == "RealtimeLevel1") rig.panel->PopupMenuClick(entry);
  EXPECT_EQ(rig.tool->GetMode(), TLevelMeterTool::kRealtime);
  EXPECT_NE(0,
            std::memcmp(before.Bits(), rig.Image().Bits(), size_t(before.BytesPerRow()) * before.Height()));
  for (const TPanelMenuEntry& entry : rig.panel->PopupMenu1Popup())
    EXPECT_EQ(entry.checked, entry.name == "RealtimeLevel1") << entry.name;
}

}  // namespace
}  // namespace wavora
