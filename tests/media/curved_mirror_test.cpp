#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "media/curved_mirror.h"
#include "media_test_tank.h"

namespace wavora::test {
namespace {

std::vector<TPoint> Walls(const TWater& tank) {
  std::vector<TPoint> walls;
  for (int32_t x = 0; x < tank.W(); ++x) {
    for (int32_t y = 0; y < tank.H(); ++y) {
      if (IsWall(tank, x, y)) walls.push_back({x, y});
    }
  }
  return walls;
}

void PutHandle3At(TCurvedMirror& mirror, int32_t x) {
  mirror.SetX3Percent(TBaseControl::PercentFromCell(x, mirror.W()));
  ASSERT_EQ(mirror.Point3().x, x);
}

// In a 401-cell tank the quick frame's middle line is column 225 = 9 * 401 div 16.
TEST(QuickCircularMirror, HandleAtTheMiddleLineIsANearlyFlatConvexMirror) {
  const auto [tank, mirror] = TMediumInTank<TCurvedMirror>(401, 401);
  PutHandle3At(*mirror, 225);
  // k = 0: r = 2 * 401 + 10 = 812, centre 1037 to the right, vertex on the middle line.
  EXPECT_EQ(mirror->Focus(), (TPoint{631, 200}));
  EXPECT_EQ(mirror->Point1(), (TPoint{395, 200}));  // the focus, clamped into the tank
  EXPECT_EQ(mirror->Point2(), (TPoint{225, 200}));
  EXPECT_TRUE(IsWall(*tank, 225, 200));
  for (const TPoint wall : Walls(*tank))
    EXPECT_GE(wall.x, 225) << wall.x << "," << wall.y;
}

TEST(QuickCircularMirror, HandleAtTheLeftEdgeGivesTheTightestConcaveArc) {
  const auto [tank, mirror] = TMediumInTank<TCurvedMirror>(401, 401);
  PutHandle3At(*mirror, 0);
  // k = 1: r = 10 about column 225 + 125 - 10 = 340; each point is a 2 x 2 square of walls.
  EXPECT_EQ(mirror->Focus(), (TPoint{345, 200}));
  EXPECT_EQ(mirror->Point2(), (TPoint{350, 200}));
  EXPECT_TRUE(IsWall(*tank, 350, 200));
  for (const TPoint wall : Walls(*tank))
    EXPECT_LE(std::hypot(wall.x - 340.0, wall.y - 200.0), 12.5) << wall.x << "," << wall.y;
}

TEST(CurvedMirrorTypes, SwitchingQuickToAccurateKeepsFocusVertexAndCentre) {
  const auto [tank, mirror] = TMediumInTank<TCurvedMirror>(401, 401);
  // Handle 3 at 25 %, column 102: r = 219.03, centre 74, focus 74 + 110, vertex 184 + 110.
  EXPECT_EQ(mirror->Focus(), (TPoint{184, 200}));
  EXPECT_EQ(mirror->Point2(), (TPoint{294, 200}));
  mirror->SetMirrorType(2);
  EXPECT_EQ(mirror->Point1(), (TPoint{184, 200}));
  EXPECT_EQ(mirror->HandleKind(), 5);
  EXPECT_TRUE(IsWall(*tank, 294, 200));
  for (const TPoint wall : Walls(*tank))
    EXPECT_NEAR(std::hypot(wall.x - 74.0, wall.y - 200.0), 220.0, 2.5) << wall.x << "," << wall.y;
  // Handle 3 moves to where a quick mirror of this focal length would have it.
  EXPECT_EQ(mirror->Point3(), (TPoint{98, 200}));
}

TEST(CurvedMirrorTypes, AccurateParabolaWithTheVertexRightOfTheFocusOpensLeft) {
  const auto [tank, mirror] = TMediumInTank<TCurvedMirror>(401, 401);
  mirror->SetMirrorType(3);
  ASSERT_EQ(mirror->Point2(), (TPoint{294, 200}));
  const std::vector<TPoint> walls = Walls(*tank);
  ASSERT_FALSE(walls.empty());
  int32_t left = 401;
  for (const TPoint wall : walls) {
    EXPECT_LE(wall.x, 295);
    left = std::min(left, wall.x);
  }
  EXPECT_LT(left, 215);  // the arms reach back past the focus at 184 + 30
}

TEST(CurvedMirrorTypes, HoldingHandle3KeepsTheWaveOnTheMirrorUntilRelease) {
  const auto [tank, mirror] = TMediumInTank<TCurvedMirror>(401, 401);
  TWaterGrid& grid = *tank->Grid();
  std::fill_n(grid.Displacements(0), grid.CellCount(), 1.0f);
  const auto wetWalls = [&] {
    int count = 0;
    for (const TPoint wall : Walls(*tank))
      count += grid.Cell(wall.x, wall.y).Displacement != 0;
    return count;
  };
  Press(*tank, 102, 200);
  Drag(*tank, 140, 200);
  EXPECT_EQ(mirror->Point3().x, 140);
  EXPECT_GT(wetWalls(), 100);
  Release(*tank, 140, 200);
  EXPECT_EQ(wetWalls(), 0);
}

class CoincidingHandles : public testing::TestWithParam<int32_t> {};

TEST_P(CoincidingHandles, GiveNoMirrorUntilHandle1IsDraggedAway) {
  const auto [tank, mirror] = TMediumInTank<TCurvedMirror>(201, 201);
  mirror->SetMirrorType(GetParam());
  mirror->SetX1Percent(mirror->GetX2Percent());
  mirror->SetY1Percent(mirror->GetY2Percent());
  const TPoint vertex = mirror->Point2();
  ASSERT_EQ(mirror->Point1(), vertex);
  EXPECT_TRUE(Walls(*tank).empty());
  Press(*tank, vertex.x, vertex.y);
  Drag(*tank, vertex.x - 40, vertex.y);
  Release(*tank, vertex.x - 40, vertex.y);
  EXPECT_EQ(mirror->Point1(), (TPoint{vertex.x - 40, vertex.y}));
  EXPECT_TRUE(IsWall(*tank, vertex.x, vertex.y));
}

INSTANTIATE_TEST_SUITE_P(AccurateTypes, CoincidingHandles, testing::Values(2, 3));

}  // namespace
}  // namespace wavora::test
