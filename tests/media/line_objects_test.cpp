#include <gtest/gtest.h>

#include <vector>

#include "image/fast_dib.h"
#include "media/barrier_mapper.h"
#include "media/plane_mirror.h"
#include "media/refraction_mapper.h"
#include "media_test_tank.h"
#include "sim/exciter.h"

namespace wavora::test {
namespace {

// Columns of row y that hold the second medium.
std::vector<int32_t> MediumColumns(const TWater& tank, int32_t y) {
  std::vector<int32_t> columns;
  for (int32_t x = 0; x < tank.W(); ++x) {
    if (tank.Grid()->Cell(x, y).SpeedFactor == 0.2727f) columns.push_back(x);
  }
  return columns;
}

TEST(QuickLine, FacesTheSourceWithItsEndHandles50CellsEitherSide) {
  const auto [tank, mirror] = TMediumInTank<TPlaneMirror>(401, 401);
  // Source and handle 3 both on row 200: the mirror is the vertical line through column 200.
  EXPECT_EQ(mirror->Pivot(), (TPoint{6, 200}));
  EXPECT_EQ(mirror->Point3(), (TPoint{200, 200}));
  for (int32_t y : {0, 1, 200, 399, 400}) {
    EXPECT_TRUE(IsWall(*tank, 200, y) && IsWall(*tank, 201, y)) << y;
    EXPECT_FALSE(IsWall(*tank, 199, y) || IsWall(*tank, 202, y)) << y;
  }
  EXPECT_EQ(mirror->Point1(), (TPoint{200, 250}));
  EXPECT_EQ(mirror->Point2(), (TPoint{200, 150}));
  EXPECT_EQ(mirror->HandleKind(), 4);
  EXPECT_FALSE(mirror->RunWhileSourceDragged());
}

TEST(QuickLine, MovingTheSourceReaimsTheLineOnTheNextFrame) {
  const auto [tank, mirror] = TMediumInTank<TPlaneMirror>(401, 401);
  tank->SourceRow = 6;  // the source moved down by 194 cells: the line now leans at 45 degrees
  EXPECT_TRUE(IsWall(*tank, 200, 300));
  TFastDIB image(401, 401);
  mirror->Draw(image);
  EXPECT_EQ(mirror->Pivot(), (TPoint{6, 6}));
  EXPECT_FALSE(IsWall(*tank, 200, 300));
  EXPECT_TRUE(IsWall(*tank, 100, 300));  // x = 200 - (300 - 200) * 1
  // 50 cells along the line (k = 1): u = v = round(100 / (2 sqrt 2)) = 35.
  EXPECT_EQ(mirror->Point1(), (TPoint{165, 235}));
  EXPECT_EQ(mirror->Point2(), (TPoint{235, 165}));
}

TEST(PlaneMirror, HorizontalAccurateLineIsItsRowAndAStripAtTheRightEdge) {
  const auto [tank, mirror] = TMediumInTank<TPlaneMirror>(101, 101);
  mirror->SetMode(0);
  mirror->SetX1Percent(50);
  mirror->SetX2Percent(80);
  mirror->SetY1Percent(33);
  mirror->SetY2Percent(33);
  // X1 < X2, so k = -1000: the rows above clamp to column 1, the rows below to column 100.
  ASSERT_EQ(mirror->Point1(), (TPoint{50, 35}));
  ASSERT_EQ(mirror->Point2(), (TPoint{77, 35}));
  const int32_t row = 35;
  for (int32_t x = 1; x < 101; ++x)
    EXPECT_TRUE(IsWall(*tank, x, row)) << x;
  EXPECT_TRUE(IsWall(*tank, 100, 5) && IsWall(*tank, 100, row - 1));
  EXPECT_FALSE(IsWall(*tank, 100, row + 2));
  EXPECT_FALSE(IsWall(*tank, 1, row + 2) || IsWall(*tank, 2, 90));
  EXPECT_EQ(mirror->Point3(), (TPoint{63, row}));  // the midpoint, ready for a quick mode
  EXPECT_TRUE(mirror->RunWhileSourceDragged());
}

struct TSideCase {
  int32_t mode;
  bool turnEndOverEnd;
  bool mediumOnRight;
};

class RefractionSide : public testing::TestWithParam<TSideCase> {};

TEST_P(RefractionSide, MediumLiesOnTheSideTheModeAndHandleOrderGive) {
  const TSideCase c = GetParam();
  const auto [tank, boundary] = TMediumInTank<TRefractionMapper>(201, 201);
  boundary->SetMode(c.mode);
  if (c.turnEndOverEnd) {
    const float x1 = boundary->GetX1Percent(), y1 = boundary->GetY1Percent();
    boundary->SetX1Percent(boundary->GetX2Percent());
    boundary->SetY1Percent(boundary->GetY2Percent());
    boundary->SetX2Percent(x1);
    boundary->SetY2Percent(y1);
  }
  const std::vector<int32_t> columns = MediumColumns(*tank, 100);
  ASSERT_FALSE(columns.empty());
  EXPECT_EQ(columns.front() == 1, !c.mediumOnRight);
  EXPECT_EQ(columns.back() == 200, c.mediumOnRight);
  EXPECT_TRUE(MediumColumns(*tank, 0).empty());  // row 0 is never written
}

// The quick modes, then the same boundary switched to the accurate mode, then turned end over end.
INSTANTIATE_TEST_SUITE_P(Modes, RefractionSide,
                         testing::Values(TSideCase{1, false, true}, TSideCase{2, false, false},
                                         TSideCase{0, false, true}, TSideCase{0, true, false}));

TEST(RefractionSide, SwitchingFromTheOtherQuickSideToAccurateKeepsTheSide) {
  const auto [tank, boundary] = TMediumInTank<TRefractionMapper>(201, 201);
  tank->SourceRow = 30;  // a slanted boundary
  boundary->SetMode(2);
  const std::vector<int32_t> quick = MediumColumns(*tank, 120);
  boundary->SetMode(0);
  EXPECT_EQ(MediumColumns(*tank, 120).front(), 1);
  EXPECT_NEAR(double(MediumColumns(*tank, 120).back()), double(quick.back()), 2.0);
}

TEST(PlaneMirror, HoldingHandle3KeepsTheWaveInTheMirrorUntilRelease) {
  const auto [tank, mirror] = TMediumInTank<TPlaneMirror>(201, 201);
  const TPoint h3 = mirror->Point3();
  Press(*tank, h3.x, h3.y);
  ASSERT_TRUE(mirror->HoldsHandle3());
  tank->Grid()->Cell(h3.x + 20, 50).Displacement = 1;
  Drag(*tank, h3.x + 20, h3.y);
  EXPECT_TRUE(IsWall(*tank, h3.x + 20, 50));
  EXPECT_EQ(tank->Grid()->Cell(h3.x + 20, 50).Displacement, 1.0f);
  Release(*tank, h3.x + 20, h3.y);
  EXPECT_EQ(tank->Grid()->Cell(h3.x + 20, 50).Displacement, 0.0f);
}

TEST(Barrier, StandsOnRow5BetweenItsHandleColumns) {
  const auto [tank, barrier] = TMediumInTank<TBarrierMapper>(401, 401);
  // 20 % and 30 % of 390 cells from cell 5, up to 50 %.
  EXPECT_EQ(barrier->Point1(), (TPoint{83, 5}));
  EXPECT_EQ(barrier->Point2(), (TPoint{122, 200}));
  EXPECT_TRUE(IsWall(*tank, 83, 5) && IsWall(*tank, 122, 200));
  EXPECT_FALSE(IsWall(*tank, 82, 100) || IsWall(*tank, 123, 100) || IsWall(*tank, 100, 4) ||
               IsWall(*tank, 100, 201));
  EXPECT_EQ(tank->CreateRIMapControlPanel(), nullptr);
  EXPECT_TRUE(barrier->HitBody(121, 199));
  EXPECT_FALSE(barrier->HitBody(122, 100));  // just right of the barrier
  barrier->SetY2Percent(-1);                 // handle 2 below row 5: no wall at all
  for (int32_t x = 83; x <= 122; ++x)
    EXPECT_FALSE(IsWall(*tank, x, 5) || IsWall(*tank, x, 1)) << x;
}

TEST(Barrier, BodyDragMovesTheWholeWall) {
  const auto [tank, barrier] = TMediumInTank<TBarrierMapper>(401, 401);
  Press(*tank, 100, 100);
  Drag(*tank, 150, 130);
  Release(*tank, 150, 130);
  EXPECT_EQ(barrier->Point1(), (TPoint{133, 5}));
  EXPECT_EQ(barrier->Point2(), (TPoint{172, 230}));
  EXPECT_TRUE(IsWall(*tank, 133, 5) && IsWall(*tank, 172, 230));
  EXPECT_FALSE(IsWall(*tank, 100, 100));
}

}  // namespace
}  // namespace wavora::test
