#include <gtest/gtest.h>

#include <cmath>

#include "media/earth_mapper.h"
#include "media_test_tank.h"

namespace wavora::test {
namespace {

constexpr double v = 0.3;

struct TCellCase {
  int32_t mode;
  int32_t x, y;
  float speed;
  float damping;
};

class EarthScene : public testing::TestWithParam<TCellCase> {};

// 250 x 250 cells. Atmosphere: centre (15, 0), R = sqrt(125000) / 2.2, D = 60. Interior: R' = 100,
// centre (125, 125), so relative radii 0.15, 0.52, 0.88 and 1 fall on whole cells.
constexpr float kBorder = -1;  // a cell of the absorbing border: its damping is not checked

TEST_P(EarthScene, CellsGetTheirLayer) {
  const TCellCase c = GetParam();
  const auto [tank, earth] = TMediumInTank<TEarthRIMapper>(250, 250);
  earth->SetMode(c.mode);
  EXPECT_EQ(tank->Grid()->Cell(c.x, c.y).SpeedFactor, c.speed);
  if (c.damping != kBorder) {
    EXPECT_EQ(tank->Grid()->Cell(c.x, c.y).Damping, c.damping);
  }
}

const double R = std::sqrt(125000.0) / 2.2;

INSTANTIATE_TEST_SUITE_P(
    Cells, EarthScene,
    testing::Values(
        // Reflection: a uniform atmosphere under the faster open tank; the Earth absorbs.
        TCellCase{0, 55, 200, 0.3f, 0.999f}, TCellCase{0, 209, 209, 0.5f, 0.999f},
        TCellCase{0, 55, 155, 0.3f, 0.8f},  // d = 160.08 >= R - 0.999: the ground's surface layer
        TCellCase{0, 55, 100, float((0.45 * 0.3 - 0.0001) * std::sqrt(11600.0) / R + 0.0001), 0.8f},
        // Refraction: faster with height.
        TCellCase{1, 55, 200, float(0.25 + (std::sqrt(41600.0) - R) * ((0.4 - 0.25) / 60)), 0.999f},
        TCellCase{1, 55, 155, 0.25f, 0.8f},
        // P-waves: each boundary belongs to the outer layer; outside the waves die.
        TCellCase{3, 125, 125, float(0.75 * v), 0.999f}, TCellCase{3, 140, 125, float(0.66 * v), 0.999f},
        TCellCase{3, 125, 177, float(v), 0.999f}, TCellCase{3, 37, 125, float(0.75 * v), kBorder},
        TCellCase{3, 225, 125, 0.5f, 0.5f},
        TCellCase{3, 125, 200, float(v - 0.25 * v * (0.75 - 0.52) / 0.36), 0.999f},
        // S-waves: the liquid outer core absorbs them.
        TCellCase{4, 125, 125, float(0.43 * v), 0.999f}, TCellCase{4, 140, 125, 0.25f, 0.5f},
        TCellCase{4, 125, 213, float(0.86 * v), kBorder}, TCellCase{4, 125, 225, 0.5f, 0.5f},
        // Mirages and modes no button offers: the open tank.
        TCellCase{2, 55, 200, 0.5f, 0.999f}, TCellCase{7, 125, 125, 0.5f, 0.999f},
        TCellCase{-1, 55, 100, 0.5f, 0.999f}));

}  // namespace
}  // namespace wavora::test
