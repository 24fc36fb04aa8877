#include <gtest/gtest.h>

#include "image/fast_dib.h"
#include "media/land_masks.h"
#include "media/tsunami_mapper.h"
#include "media_test_tank.h"

namespace wavora::test {
namespace {

int LandCells(const TWaterGrid& grid, int32_t fromX, int32_t toX) {
  int land = 0;
  for (int32_t x = std::max(fromX, 1); x < std::min(toX, grid.Width() - 1); ++x) {
    for (int32_t y = 1; y < grid.Height() - 1; ++y)
      land += grid.Cell(x, y).SpeedFactor == 0 ? 1 : 0;
  }
  return land;
}

struct TMapCase {
  int32_t mode;
  int32_t width, height;  // the map's own size
};

class TsunamiMap : public testing::TestWithParam<TMapCase> {};

TEST_P(TsunamiMap, TankOfTheMapsSizeHasItsLandCellForPixel) {
  const TMapCase c = GetParam();
  const TFastDIB mask = LandMask(c.mode);
  ASSERT_EQ(mask.Width(), c.width);
  ASSERT_EQ(mask.Height(), c.height);
  int white = 0;
  for (int x = 1; x < c.width - 1; ++x) {
    for (int y = 1; y < c.height - 1; ++y)
      white += mask.Pixel(x, y) == kLandColour ? 1 : 0;
  }
  const TRef<TWater> tank = MakeTank(c.width, c.height);
  tank->Grid()->Cell(c.width / 2, c.height / 2).Displacement = 1;
  ChooseMedium<TTsunamiRIMapper>(*tank)->SetMode(c.mode);
  EXPECT_EQ(LandCells(*tank->Grid(), 0, c.width), white);
  for (int x = 0; x < c.width; ++x) {
    for (int y = 0; y < c.height; ++y) {
      if (mask.Pixel(x, y) != kLandColour) continue;
      ASSERT_EQ(tank->Grid()->Cell(x, c.height - 1 - y).SpeedFactor, 0) << x << "," << y;
      ASSERT_EQ(tank->Grid()->Cell(x, c.height - 1 - y).Displacement, 0) << x << "," << y;
    }
  }
}

TEST_P(TsunamiMap, EpicentreIsSeaJustOffTheLandToItsRight) {
  const TMapCase c = GetParam();
  for (const int32_t side : {401, 250}) {
    const TRef<TWater> tank = MakeTank(side, side);
    ChooseMedium<TTsunamiRIMapper>(*tank)->SetMode(c.mode);
    const TPoint epicentre{tank->SuggestedSourceX, tank->SuggestedSourceY};
    ASSERT_EQ(tank->SuggestedBeamType, 0);
    EXPECT_EQ(tank->Grid()->Cell(epicentre.x, epicentre.y).SpeedFactor, 0.5f);
    int32_t firstLand = epicentre.x + 1;
    while (firstLand < side && tank->Grid()->Cell(firstLand, epicentre.y).SpeedFactor != 0)
      ++firstLand;
    EXPECT_LE(firstLand - epicentre.x, 15) << side;
  }
}

INSTANTIATE_TEST_SUITE_P(Maps, TsunamiMap, testing::Values(TMapCase{0, 401, 359}, TMapCase{1, 500, 500}));

TEST(Tsunami, WideTankKeepsTheMapsProportionsAndLeavesTheRestSea) {
  // 800 x 400: the square Atlantic map gets s = 500 / 400 and fills the left half.
  const TRef<TWater> tank = MakeTank(800, 400);
  ChooseMedium<TTsunamiRIMapper>(*tank)->SetMode(TTsunamiRIMapper::Atlantic);
  EXPECT_GT(LandCells(*tank->Grid(), 0, 400), 0);
  EXPECT_EQ(LandCells(*tank->Grid(), 400, 800), 0);
}

TEST(Tsunami, BeachSlowsTheWaterTowardTheShore) {
  const TRef<TWater> tank = MakeTank(400, 200);
  for (const int32_t x : {199, 200, 275, 349, 350})
    tank->Grid()->Cell(x, 100).Displacement = 2;
  ChooseMedium<TTsunamiRIMapper>(*tank)->SetMode(TTsunamiRIMapper::Beach);
  const TWaterGrid& grid = *tank->Grid();
  // Slope from x0 = 200 to x1 = 350 (L = 150), shore beyond.
  EXPECT_EQ(grid.Cell(199, 100).SpeedFactor, 0.5f);
  EXPECT_EQ(grid.Cell(199, 100).Displacement, 2);
  EXPECT_EQ(grid.Cell(200, 100).SpeedFactor, 0.5f);
  EXPECT_EQ(grid.Cell(275, 100).SpeedFactor, 0.25f);
  EXPECT_EQ(grid.Cell(275, 100).Displacement, 1);
  EXPECT_EQ(grid.Cell(349, 100).SpeedFactor, static_cast<float>(0.5 * (1 - 149 / 150.0)));
  EXPECT_EQ(grid.Cell(350, 100).SpeedFactor, 0);
  EXPECT_EQ(grid.Cell(350, 100).Displacement, 0);
  EXPECT_EQ(grid.Cell(399, 0).SpeedFactor, 0);
}

}  // namespace
}  // namespace wavora::test
