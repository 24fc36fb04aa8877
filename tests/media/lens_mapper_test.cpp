#include <gtest/gtest.h>

#include "media/lens_cp.h"
#include "media/lens_mapper.h"
#include "media_test_tank.h"
#include "model/property_text.h"

namespace wavora::test {
namespace {

using TLensTank = TMediumInTank<TLensMapper>;

// Half-width of the lens in row y: the lens cells of that row lie in columns cx - w .. cx + w; -1 when
// the row of the screen column is shut.
int32_t RowHalfWidth(const TLensTank& t, int32_t y) {
  const int32_t cx = t.tank->W() / 3;
  if (t.Cell(cx, y).SpeedFactor == 0) return -1;
  int32_t w = 0;
  while (t.Cell(cx + w + 1, y).SpeedFactor != 0.5f)
    ++w;
  return w;
}

// Rows of the screen column that let waves through.
int32_t Aperture(const TLensTank& t) {
  int32_t open = 0;
  for (int32_t y = 0; y < t.tank->H(); ++y)
    open += RowHalfWidth(t, y) >= 0;
  return open;
}

struct TProfileCase {
  int32_t lensType;
  float n;
  float fPercent;
  int32_t aperture;             // 2h - 1 rows
  int32_t axisWidth, rimWidth;  // half-widths on the axis and in the outermost open row
};

class LensProfile : public ::testing::TestWithParam<TProfileCase> {};

TEST_P(LensProfile, TheScreenOpensOnlyForTheLens) {
  const TProfileCase c = GetParam();
  TLensTank t(401, 401);
  t.medium->SetLensType(c.lensType);
  t.medium->SetN(c.n);
  t.medium->SetFPercent(c.fPercent);
  t.medium->MapToWater();
  EXPECT_EQ(Aperture(t), c.aperture);
  if (c.aperture == 0) return;
  const int32_t rim = 200 + c.aperture / 2;
  EXPECT_EQ(RowHalfWidth(t, 200), c.axisWidth);
  EXPECT_EQ(RowHalfWidth(t, rim), c.rimWidth);
  EXPECT_EQ(RowHalfWidth(t, 400 - rim), c.rimWidth);
  EXPECT_EQ(t.Cell(133, 200).SpeedFactor, static_cast<float>(c.n * 0.5));
}

INSTANTIATE_TEST_SUITE_P(Lenses, LensProfile,
                         ::testing::Values(
                             // defaults: F = 200, s = 742.9, h = 133, t = 23.8
                             TProfileCase{0, 0.35f, 50, 265, 24, 0}, TProfileCase{1, 0.35f, 50, 265, 0, 23},
                             // a slower lens medium is thinner
                             TProfileCase{0, 1 / 11.0f, 50, 265, 4, 0},
                             // F = 5 with n near 1: s = 1, the thickness limit (113) leaves h = 10
                             TProfileCase{0, 10 / 11.0f, 0, 19, 100, 19},
                             // no profile at n = 1: the screen alone
                             TProfileCase{0, 1, 50, 0, 0, 0},
                             // types outside the list: w = j
                             TProfileCase{7, 0.35f, 50, 265, 0, 132}));

TEST(LensProfile, ATankTooNarrowForTheThicknessLimitHasNoLens) {
  TLensTank t(50, 50);  // a third of the width less 20 cells is below 0
  EXPECT_EQ(Aperture(t), 0);
  for (int32_t y = 0; y < 50; ++y)
    ASSERT_EQ(t.Cell(16, y).SpeedFactor, 0);
}

TEST(LensProfile, TheScreenStillsTheWaterInIt) {
  TLensTank t(401, 401);
  t.tank->Grid()->Cell(133, 10).Displacement = 1;
  t.tank->Grid()->Cell(133, 10).Velocity = 1;
  t.medium->SetN(0.5f);
  EXPECT_EQ(t.Cell(133, 10).Displacement, 0);
  EXPECT_EQ(t.Cell(133, 10).Velocity, 0);
}

struct TFocusDragCase {
  int32_t X;
  int32_t focalLength;
};

class LensFocusDrag : public ::testing::TestWithParam<TFocusDragCase> {};

TEST_P(LensFocusDrag, OnlyTheSidewaysPositionCounts) {
  TLensTank t(401, 401);
  const TPoint focus = t.medium->FocusHandle();
  EXPECT_EQ(focus, (TPoint{333, 200}));
  t.tank->MouseDown(TMouseButton::Left, {}, focus.x + 3, 400 - focus.y);
  ASSERT_TRUE(t.medium->HoldsHandle());
  t.tank->MouseMove({}, GetParam().X, 17);
  t.tank->MouseUp(TMouseButton::Left, {}, GetParam().X, 17);
  EXPECT_FALSE(t.medium->HoldsHandle());
  EXPECT_EQ(t.medium->FocalLength(), GetParam().focalLength);
  EXPECT_EQ(t.medium->FocusHandle(), (TPoint{133 + GetParam().focalLength, 200}));
  EXPECT_EQ(t.medium->SecondFocus(), (TPoint{133 - GetParam().focalLength, 200}));
}

INSTANTIATE_TEST_SUITE_P(Positions, LensFocusDrag,
                         ::testing::Values(TFocusDragCase{250, 117}, TFocusDragCase{137, 5},
                                           TFocusDragCase{-20, 5}, TFocusDragCase{138, 5},
                                           TFocusDragCase{400, 267}, TFocusDragCase{401, 267}));

TEST(LensPanel, ButtonsSetTheTypeByNameAndShowIt) {
  TLensTank t(401, 401);
  const auto panel = PanelOf<TLensControlpanel>(*t.medium);
  ASSERT_TRUE(panel);
  EXPECT_EQ(panel->Label1(), "Convex");
  EXPECT_EQ(panel->Label2(), "Concave");
  EXPECT_EQ(panel->DownTag(), 0);
  EXPECT_EQ(panel->RefractiveIndexCP1().Position(), 7);  // n = 0.35
  panel->Type1Click(1);
  EXPECT_EQ(panel->DownTag(), 1);
  EXPECT_EQ(t.medium->GetLensType(), 1);
  EXPECT_EQ(RowHalfWidth(t, 200), 0);  // re-mapped at once: concave, one cell on the axis
  panel->RefractiveIndexCP1().SetPosition(0);
  EXPECT_EQ(t.medium->GetN(), 1.0f);
  EXPECT_EQ(Aperture(t), 0);

  for (const int32_t type : {1, 7, -1}) {
    SetPropertyFromText(*t.medium, "LensType", std::to_string(type), false);
    EXPECT_EQ(PanelOf<TLensControlpanel>(*t.medium)->DownTag(), type == 1 ? 1 : 0) << type;
  }
}

}  // namespace
}  // namespace wavora::test
