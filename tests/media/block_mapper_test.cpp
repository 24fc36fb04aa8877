#include <gtest/gtest.h>

#include <cmath>

#include "media/block_mapper.h"
#include "media_test_tank.h"

namespace wavora::test {
namespace {

constexpr float kBlock = 0.2727f;  // the speed factor of the default n, 0.5454

using TBlockTank = TMediumInTank<TBlockRIMapper>;

// Whether exactly the cells of columns x0 .. x1 and rows y0 .. y1 hold the block's speed factor.
::testing::AssertionResult FillsExactly(const TBlockTank& t, int32_t x0, int32_t x1, int32_t y0, int32_t y1) {
  for (int32_t x = 0; x < t.tank->W(); ++x) {
    for (int32_t y = 0; y < t.tank->H(); ++y) {
      const bool inside = x >= x0 && x <= x1 && y >= y0 && y <= y1;
      if (t.Cell(x, y).SpeedFactor != (inside ? kBlock : 0.5f))
        return ::testing::AssertionFailure() << "cell " << x << "," << y;
    }
  }
  return ::testing::AssertionSuccess();
}

struct TSizeCase {
  int32_t width, height;
  int32_t blockWidth, blockHeight;  // round((N - 11) x 0.4 + 5) and round((N - 11) x 0.25 + 5)
};

class BlockDefaults : public ::testing::TestWithParam<TSizeCase> {};

TEST_P(BlockDefaults, FillTheCentredRectangleAnOddExtentOneCellShort) {
  const TSizeCase c = GetParam();
  const TBlockTank t(c.width, c.height);
  EXPECT_EQ(t.medium->WidthCells(), c.blockWidth);
  EXPECT_EQ(t.medium->HeightCells(), c.blockHeight);
  const int32_t cx = c.width / 2, cy = c.height / 2, a = c.blockWidth / 2, b = c.blockHeight / 2;
  EXPECT_TRUE(FillsExactly(t, cx - a, cx + a - 1, cy - b, cy + b - 1));
  EXPECT_NEAR(t.medium->GetWidthPercentage(), 40, 0.5);  // read back from the whole cells
}

INSTANTIATE_TEST_SUITE_P(Sizes, BlockDefaults,
                         ::testing::Values(TSizeCase{401, 401, 161, 102},  // 102.5 rounds to even
                                           TSizeCase{250, 401, 101, 102}, TSizeCase{401, 250, 161, 65}));

TEST(BlockTurn, AQuarterTurnExchangesTheExtents) {
  TBlockTank t(401, 401);
  t.medium->SetCs(0);
  t.medium->SetSn(1);
  t.medium->MapToWater();
  EXPECT_TRUE(FillsExactly(t, 200 - 51, 200 + 50, 200 - 80, 200 + 79));
}

// The scan fill reaches one column further right than the plain fill's last column cx + a - 1.
TEST(BlockTurn, TheScanFillStartsAtASineOf0025) {
  TBlockTank t(401, 401);
  for (const float sn : {0.0249f, 0.025f}) {
    t.medium->SetSn(sn);
    t.medium->SetCs(std::sqrt(1 - sn * sn));
    t.medium->MapToWater();
    EXPECT_EQ(t.Cell(280, 200).SpeedFactor, sn < 0.025f ? 0.5f : kBlock) << sn;
  }
}

// A block turned by 30 degrees covers the turned rectangle: every cell well inside it is filled and
// nothing well outside it.
TEST(BlockTurn, ATurnedBlockCoversTheTurnedRectangle) {
  TBlockTank t(401, 401);
  const double angle = M_PI / 6;
  t.medium->SetCs(static_cast<float>(std::cos(angle)));
  t.medium->SetSn(static_cast<float>(std::sin(angle)));
  t.medium->MapToWater();
  for (int32_t x = 0; x < 401; ++x) {
    for (int32_t y = 0; y < 401; ++y) {
      // In the block's own frame, relative to the centre.
      const double u = (x - 200) * std::cos(angle) + (y - 200) * std::sin(angle);
      const double v = -(x - 200) * std::sin(angle) + (y - 200) * std::cos(angle);
      const double outside = std::max(std::fabs(u) - 80, std::fabs(v) - 51);
      if (std::fabs(outside) < 1.5) continue;
      ASSERT_EQ(t.Cell(x, y).SpeedFactor, outside < 0 ? kBlock : 0.5f) << x << "," << y;
    }
  }
}

struct TDragCase {
  int handle;      // 0 left, 1 bottom, 2 right, 3 top
  int32_t dx, dy;  // pointer from the centre, image rows downward
  float cs, sn;    // the turn after the drag
  int32_t width, height;
};

class BlockDrag : public ::testing::TestWithParam<TDragCase> {};

TEST_P(BlockDrag, TheDraggedSideFacesThePointerAtTwiceItsDistance) {
  const TDragCase c = GetParam();
  TBlockTank t(401, 401);
  const TBlockRIMapper::THandlePoint handle = t.medium->Handle(c.handle);
  const int32_t X = static_cast<int32_t>(std::lround(handle.x));
  const int32_t Y = 401 - static_cast<int32_t>(std::lround(handle.y));  // presses are tested at H - Y
  t.tank->MouseDown(TMouseButton::Left, {}, X, Y);
  ASSERT_TRUE(t.medium->HoldsHandle());
  EXPECT_TRUE(t.tank->FrozenByDrag());
  t.tank->MouseMove({}, 200 + c.dx, 200 + c.dy);
  t.tank->MouseUp(TMouseButton::Left, {}, 200 + c.dx, 200 + c.dy);
  EXPECT_FALSE(t.medium->HoldsHandle());
  EXPECT_FLOAT_EQ(t.medium->GetCs(), c.cs);
  EXPECT_FLOAT_EQ(t.medium->GetSn(), c.sn);
  EXPECT_EQ(t.medium->WidthCells(), c.width);
  EXPECT_EQ(t.medium->HeightCells(), c.height);
}

INSTANTIATE_TEST_SUITE_P(
    Handles, BlockDrag,
    ::testing::Values(TDragCase{2, 30, 0, 1, 0, 60, 102}, TDragCase{0, -40, 0, 1, 0, 80, 102},
                      TDragCase{3, 0, -50, 1, 0, 161, 100},
                      // the right side pulled straight up: a quarter turn
                      TDragCase{2, 0, -30, 0, 1, 60, 102},
                      // 3-4-5: the side turns to the pointer at distance 50
                      TDragCase{2, 30, -40, 0.6f, 0.8f, 100, 102},
                      // far outside: shrunk until every corner keeps 6 cells from the edges
                      TDragCase{2, 5000, 0, 1, 0, 389, 102},
                      // at the centre: ignored
                      TDragCase{2, 1, 0, 1, 0, 161, 102}));

TEST(BlockDrag, ADragThatCannotFitIsDiscarded) {
  TBlockTank t(16, 16);  // corners may only lie in cells 6 .. 9
  const TBlockRIMapper::THandlePoint handle = t.medium->Handle(2);
  t.tank->MouseDown(TMouseButton::Left, {}, static_cast<int32_t>(std::lround(handle.x)),
                    16 - static_cast<int32_t>(std::lround(handle.y)));
  ASSERT_TRUE(t.medium->HoldsHandle());
  const int32_t width = t.medium->WidthCells(), height = t.medium->HeightCells();
  t.tank->MouseMove({}, 0, 0);  // a turn by an eighth and twice the distance: nothing fits
  EXPECT_EQ(t.medium->GetCs(), 1.0f);
  EXPECT_EQ(t.medium->GetSn(), 0.0f);
  EXPECT_EQ(t.medium->WidthCells(), width);
  EXPECT_EQ(t.medium->HeightCells(), height);
}

}  // namespace
}  // namespace wavora::test
