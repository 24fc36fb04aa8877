#include <gtest/gtest.h>

#include <tuple>

#include "image/fast_dib.h"
#include "point_tool_rig.h"
#include "tools/point_logger_cp.h"
#include "tools/point_logger_tool.h"

namespace wavora {
namespace {

using TLoggerRig = TPointToolRig<TPointLoggerTool, TPointLoggerCP>;

constexpr int kPanelWidth = 200;
constexpr int kPanelHeight = 100;

// A logger whose tape has been sized by one panel update, in a tank that stays still unless fed.
struct TStillLogger : TLoggerRig {
  TStillLogger() : TLoggerRig(25, kPanelWidth, kPanelHeight) {
    SetPropertyFromText(*tank->GetExciter(), "ON", "False", false);
    Update();
  }
  void Feed(float displacement, int steps = 1) {
    const TPoint p = tool->Point1();
    for (int i = 0; i < steps; ++i) {
      tank->Grid()->Cell(p.x, p.y).Displacement = displacement;
      tool->AfterStep();
    }
  }
};

TEST(PointLogger, TapeIsSizedByTheFirstUpdateAndAStillTankWritesAStraightLineAsTheClockGains160MsPer10Steps) {
  TLoggerRig rig(25, kPanelWidth, kPanelHeight);
  rig.tool->AfterStep();
  EXPECT_TRUE(rig.tool->Tape().IsEmpty()) << "nothing is recorded before the panel sizes the tape";
  SetPropertyFromText(*rig.tank->GetExciter(), "ON", "False", false);
  rig.Update();
  EXPECT_EQ(rig.tool->Tape().Width(), 5 * kPanelWidth);
  EXPECT_EQ(rig.tool->Tape().Height(), kPanelHeight);
  EXPECT_EQ(rig.tool->Tape().PenRow(), kPanelHeight / 2);
  EXPECT_EQ(rig.tool->ColumnClock(), 0);
  rig.Steps(10);
  const int before = rig.tool->ColumnClock();
  rig.Steps(10);
  EXPECT_EQ(rig.tool->ColumnClock() - before, 160);
  EXPECT_EQ(rig.tool->Tape().PenRow(), 49);  // round((100 - 2) / 2)
  EXPECT_EQ(rig.tool->Readings().size(), size_t(rig.tool->ColumnClock() / 10));
}

TEST(PointLogger, FullGainChosenOnThePanelKeepsTheTraceBetweenRow5AndTheBottom) {
  TStillLogger rig;
  rig.panel->NoGain1Click(16);
  ASSERT_EQ(rig.tool->GetGain(), 16);
  for (const auto& [displacement, row] : {std::pair{3.5f, kPanelHeight - 2}, {-3.5f, 5}, {0.01f, 51}}) {
    rig.Feed(displacement, 2);
    EXPECT_EQ(rig.tool->Tape().PenRow(), row) << displacement;
  }
}

TEST(PointLogger, DraggingWhileStoppedShowsOlderTraceWithinTheTape) {
  TStillLogger rig;
  rig.Feed(1, 100);
  rig.panel->StopButtonClick();
  rig.Feed(1, 5);
  rig.Update();
  rig.panel->BoxMouseDown(100, 50);
  rig.panel->BoxMouseMove(150, 50);
  EXPECT_EQ(rig.tool->ScrollOffset(), 0) << "dragging left of the pen shows nothing newer";
  rig.panel->BoxMouseMove(50, 50);
  EXPECT_EQ(rig.tool->ScrollOffset(), 100);
  rig.panel->BoxMouseMove(-5000, 50);
  EXPECT_EQ(rig.tool->ScrollOffset(), 5 * kPanelWidth - kPanelWidth);
  rig.panel->BoxMouseUp(-5000, 50);
  rig.panel->RecButtonClick();
  EXPECT_EQ(rig.tool->ScrollOffset(), 0);
}

TEST(PointLogger, PausedTankLetsTheTapeBeDraggedAndTheNextStepSnapsBack) {
  TStillLogger rig;
  rig.Feed(1, 300);
  rig.Update();
  rig.Update();  // no step since the last update: the tank is paused
  ASSERT_TRUE(rig.panel->MayDrag());
  rig.panel->BoxMouseDown(100, 50);
  rig.panel->BoxMouseMove(40, 50);
  rig.panel->BoxMouseUp(40, 50);
  EXPECT_EQ(rig.tool->ScrollOffset(), 60);
  rig.Feed(1);
  rig.Update();
  EXPECT_EQ(rig.tool->ScrollOffset(), 0);
}

// The tape records the field's time: while its cross is held the waves stand, so the pen never joins
// samples across time it did not record.
TEST(PointLogger, HoldingItsCrossFreezesTheField) {
  TStillLogger rig;
  const TPoint p = rig.tool->Point1();
  const int32_t Y = rig.tank->H() - 1 - p.y;
  rig.tank->MouseDown(TMouseButton::Left, {}, p.x, Y);
  EXPECT_TRUE(rig.tank->FrozenByDrag());
  rig.tank->MouseUp(TMouseButton::Left, {}, p.x, Y);
  EXPECT_FALSE(rig.tank->FrozenByDrag());
}

TEST(PointLogger, PaperTapeEntriesPictureTheWholeTapeNewestTraceFirst) {
  TStillLogger rig;
  rig.Feed(2, 30);
  bool saw = false;
  for (const TPanelMenuEntry& entry : rig.panel->PopupMenu1Popup()) {
    if (entry.name != "CopyPaperTape1") continue;
    saw = true;
    const TFastDIB& tape = rig.panel->CommandPicture(entry);
    EXPECT_EQ(tape.Width(), rig.tool->Tape().Width());
    for (int y = 0; y < kPanelHeight; ++y)
      EXPECT_EQ(tape.Pixel(0, y), rig.tool->Tape().Image().Pixel(rig.tool->Tape().WriteColumn(), y));
  }
  EXPECT_TRUE(saw);
}

TEST(PointLogger, ReadingsAreTheLoggedDisplacementsInMmOldestFirst10MsApart) {
  TStillLogger rig;
  rig.Feed(0.5f, 5);
  rig.Feed(-1, 5);
  const std::vector<TToolReading> readings = rig.tool->Readings();
  ASSERT_GE(readings.size(), 2u);
  EXPECT_FLOAT_EQ(*readings.back().x, float(rig.tool->ColumnClock()));
  EXPECT_FLOAT_EQ(*readings[1].x - *readings[0].x, 10);
  // On the cross-section's scale: v * 2 / 1.7 mm.
  EXPECT_EQ(readings.back().valueUnit, "mm");
  EXPECT_FLOAT_EQ(*readings.back().value, -2 / 1.7f);
  EXPECT_FLOAT_EQ(*readings[1].value, 1 / 1.7f);
}

TEST(PointLogger, TapeIsWholeGridPeriodsWithinTheImageLimits) {
  for (const auto& [width, height, tape] :
       {std::tuple{200, 100, 1000}, {3, 100, 0}, {4, 1, 20}, {203, 10, 1000}, {8000, 4000, 16760}})
    EXPECT_EQ(TPaperTape::WidthFor(width, height), tape) << width << " x " << height;
}

}  // namespace
}  // namespace wavora
