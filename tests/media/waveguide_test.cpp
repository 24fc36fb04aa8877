#include <gtest/gtest.h>

#include "media/fiber_control_panel.h"
#include "media/waveguide_mapper.h"
#include "media_test_tank.h"

namespace wavora::test {
namespace {

constexpr float kCladding = 0.22f;
constexpr float kMiddle = static_cast<float>(0.75 * kCladding);
constexpr float kCore = 0.11f;

struct TEntryCase {
  int32_t row;
  int32_t lastSolid;  // -1: no solid cell
  float speed;        // of the cells after the solid ones, up to the curve's start
};

class FibreEntry : public testing::TestWithParam<TEntryCase> {};

// 401 x 401, fibre width 30: axis row 200, hw 15, e 3, q 7; straight part 88 columns, curve from 92;
// funnel z = round(d x 76 / 15).
TEST_P(FibreEntry, RowsGetTheirWallFunnelAndBand) {
  const TEntryCase c = GetParam();
  const TRef<TWater> tank = MakeTank(401, 401);
  tank->Grid()->Cell(0, c.row).Displacement = 1;
  tank->Grid()->Cell(c.lastSolid + 1, c.row).Displacement = 1;
  ChooseMedium<TSimpleWaveGuideRIMapper>(*tank);
  const TWaterGrid& grid = *tank->Grid();
  if (c.lastSolid >= 0) {
    EXPECT_EQ(grid.Cell(c.lastSolid, c.row).SpeedFactor, 0);
    EXPECT_EQ(grid.Cell(0, c.row).Displacement, 0) << "no wave is left inside a wall";
  }
  EXPECT_EQ(grid.Cell(c.lastSolid + 1, c.row).SpeedFactor, c.speed);
  if (c.speed != 0.5f) {
    EXPECT_EQ(grid.Cell(c.lastSolid + 1, c.row).Displacement, 1) << "the fibre keeps its wave";
  }
}

INSTANTIATE_TEST_SUITE_P(Rows, FibreEntry,
                         testing::Values(TEntryCase{200, -1, kCore},    // axis: no funnel
                                         TEntryCase{207, -1, kCore},    // d = q
                                         TEntryCase{210, 50, kMiddle},  // z = round(50.67)
                                         TEntryCase{190, 50, kMiddle},  // the same below the axis
                                         TEntryCase{214, 70, kCladding},
                                         TEntryCase{215, 75, kCladding},  // d = hw: z = 76
                                         TEntryCase{217, 88, 0.5f},       // side wall up to L
                                         TEntryCase{218, 45, 0.5f}));     // left wall: round(40.1) + 5

// Rows of column x whose speed factor is below the open tank's, as (first, last).
std::pair<int32_t, int32_t> FibreRows(const TWaterGrid& grid, int32_t x) {
  int32_t first = -1, last = -1;
  for (int32_t y = 0; y < grid.Height(); ++y) {
    if (grid.Cell(x, y).SpeedFactor >= 0.5f) continue;
    if (first < 0) first = y;
    last = y;
  }
  return {first, last};
}

TEST(Fibre, HandleOnTheMiddleRowMakesItStraight) {
  const auto [tank, fibre] = TMediumInTank<TSimpleWaveGuideRIMapper>(401, 401);
  fibre->SetY3Percent(50);
  ASSERT_EQ(fibre->CurveHandle().y, 200);
  for (const int32_t x : {92, 250, 399}) {
    EXPECT_EQ(FibreRows(*tank->Grid(), x), std::make_pair(185, 215)) << x;
    EXPECT_EQ(tank->Grid()->Cell(x, 207).SpeedFactor, kCore);
    EXPECT_EQ(tank->Grid()->Cell(x, 212).SpeedFactor, kMiddle);
    EXPECT_EQ(tank->Grid()->Cell(x, 213).SpeedFactor, kCladding);
  }
}

TEST(Fibre, CurveSwingsDownByTwiceItsAmplitude) {
  // Default handle (227, 130): A = (1 - 130 / 200.5) x 401 / 12 = 11.75, base row round(200.5 - A) =
  // 189; the axis starts at 189 + A and falls to 189 - A.
  const auto [tank, fibre] = TMediumInTank<TSimpleWaveGuideRIMapper>(401, 401);
  EXPECT_EQ(fibre->CurveHandle(), (TPoint{227, 130}));
  int32_t lowest = 401;
  for (int32_t x = 93; x < 401; ++x) {
    const auto [first, last] = FibreRows(*tank->Grid(), x);
    ASSERT_EQ(last - first, 30) << x;
    lowest = std::min(lowest, first + 15);
  }
  EXPECT_EQ(FibreRows(*tank->Grid(), 93).first + 15, 201);
  EXPECT_EQ(lowest, 177);
}

TEST(Fibre, DraggedHandleStaysInTheLowerRightQuarter) {
  const auto [tank, fibre] = TMediumInTank<TSimpleWaveGuideRIMapper>(401, 401);
  const TPoint handle = fibre->CurveHandle();
  bool handled = false;
  fibre->MouseDown(TMouseButton::Left, {}, handled, handle.x + 3, 400 - handle.y);
  ASSERT_TRUE(handled);
  fibre->MouseMove({}, 20, 30);
  EXPECT_EQ(fibre->CurveHandle(), (TPoint{200, 200}));
  fibre->MouseMove({}, 500, 500);
  EXPECT_EQ(fibre->CurveHandle(), (TPoint{395, 6}));
  fibre->MouseUp(TMouseButton::Left, {}, 0, 0);
  fibre->MouseMove({}, 20, 30);
  EXPECT_EQ(fibre->CurveHandle(), (TPoint{395, 6}));
  handled = true;
  fibre->MouseDown(TMouseButton::Left, {}, handled, 100, 100);
  EXPECT_FALSE(handled);
}

TEST(Fibre, RowsBeyondTheGridAreCutOff) {
  // A wide, low tank with the handle at the bottom and a wide fibre: at column 250 the axis lies at
  // row -19, so the fibre covers rows 0 ... 31. Rows below 0 must not wrap into the previous column.
  const auto [tank, fibre] = TMediumInTank<TSimpleWaveGuideRIMapper>(401, 60);
  fibre->SetY3Percent(0);
  fibre->SetFibreWidth(100);
  EXPECT_EQ(FibreRows(*tank->Grid(), 250), std::make_pair(0, 31));
  EXPECT_EQ(FibreRows(*tank->Grid(), 251).first, 0);
}

TEST(Fibre, NarrowestFibresMapWithoutFunnel) {
  // Below 2 cells (only from a file) hw is 0: the axis row alone is the core, its neighbours walls.
  for (const int32_t width : {1, 0, -7}) {
    const auto [tank, fibre] = TMediumInTank<TSimpleWaveGuideRIMapper>(401, 401);
    fibre->SetFibreWidth(width);
    EXPECT_EQ(tank->Grid()->Cell(5, 199).SpeedFactor, 0) << width;
    EXPECT_EQ(tank->Grid()->Cell(5, 200).SpeedFactor, width >= 0 ? kCore : 0.0f) << width;
  }
}

TEST(FibrePanel, SliderWritesTheWidthAndShowsItInMillimetres) {
  const auto [tank, fibre] = TMediumInTank<TSimpleWaveGuideRIMapper>(401, 401);
  fibre->SetFibreWidth(44);
  fibre->SetN(0.5f);
  const auto panel = PanelOf<TFiberControlPanel>(*fibre);
  ASSERT_TRUE(panel);
  EXPECT_EQ(panel->Label1(), "Fibre Width");
  EXPECT_EQ(panel->WidthSliderPosition(), 44);
  EXPECT_EQ(panel->WidthLabel(), "44mm");
  EXPECT_EQ(panel->RefractiveIndexCP1().Object(), fibre.Get());
  EXPECT_EQ(panel->RefractiveIndexCP1().Position(), 6);
  panel->SetWidthSliderPosition(5);
  EXPECT_EQ(fibre->GetFibreWidth(), 10);
  EXPECT_EQ(panel->WidthLabel(), "10mm");
  EXPECT_EQ(FibreRows(*tank->Grid(), 300).second - FibreRows(*tank->Grid(), 300).first, 10);
}

}  // namespace
}  // namespace wavora::test
