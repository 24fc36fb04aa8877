#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "media/slits_control_panel.h"
#include "media/slits_mapper.h"
#include "media_test_tank.h"

namespace wavora::test {
namespace {

using TRows = std::vector<std::pair<int32_t, int32_t>>;

// The openings of the screen in column x as (first row, last row).
TRows Openings(const TWaterGrid& grid, int32_t x) {
  TRows openings;
  for (int32_t y = 0; y < grid.Height(); ++y) {
    if (grid.Cell(x, y).SpeedFactor == 0) continue;
    if (openings.empty() || openings.back().second != y - 1) openings.push_back({y, y});
    openings.back().second = y;
  }
  return openings;
}

struct TGratingCase {
  int32_t height;
  int32_t number, width, space;
  TRows firstOpenings;  // up to three
  size_t count;
};

class SlitsGrating : public testing::TestWithParam<TGratingCase> {};

TEST_P(SlitsGrating, ScreenIsTwoColumnsWithCentredOpenings) {
  const TGratingCase c = GetParam();
  const TRef<TWater> tank = MakeTank(200, c.height);
  tank->Grid()->Cell(50, 0).Displacement = 1;
  const TRef<TSlitsRIMapper> slits = ChooseMedium<TSlitsRIMapper>(*tank);
  slits->SetNumber(c.number);
  slits->SetWidth(c.width);
  slits->SetSpace(c.space);
  const TRows openings = Openings(*tank->Grid(), 50);
  EXPECT_EQ(openings.size(), c.count);
  EXPECT_EQ(TRows(openings.begin(), openings.begin() + std::min(openings.size(), size_t(3))),
            c.firstOpenings);
  EXPECT_EQ(Openings(*tank->Grid(), 51), openings);
  EXPECT_EQ(Openings(*tank->Grid(), 49), (TRows{{0, c.height - 1}}));
  EXPECT_EQ(Openings(*tank->Grid(), 52), (TRows{{0, c.height - 1}}));
  EXPECT_EQ(tank->Grid()->Cell(50, 0).Displacement, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SlitsGrating,
    testing::Values(TGratingCase{401, 1, 15, 40, {{193, 207}}, 1},  // the default
                                                                    // T = 1610 > 260: g = 260 / 1610, w = 2,
                                                                    // s = 6, T = 234, top = 33; all 30 open
                    TGratingCase{300, 30, 15, 40, {{33, 34}, {41, 42}, {49, 50}}, 30},
                    TGratingCase{400, 2, 10, 20, {{180, 189}, {210, 219}}, 2},
                    TGratingCase{
                        401, 2, 10, 20, {{180, 189}, {210, 220}}, 2},  // odd H - T: the top slit is taller
                    TGratingCase{400, 3, 0, 40, {}, 0},                // width 0 closes every slit
                    TGratingCase{400, 3, 10, 0, {{185, 214}}, 1},      // space 0: one opening of N x w
                    TGratingCase{30, 2, 15, 40, {}, 0}));              // no room in a tank this low

TEST(Slits, ValuesBeyondThePanelsRangesAreHeldToThemAndTheHeldValueDoesNotRemap) {
  const auto [tank, slits] = TMediumInTank<TSlitsRIMapper>(200, 401);
  slits->SetNumber(2147483647);
  slits->SetWidth(-2147483647 - 1);
  slits->SetSpace(100000);
  EXPECT_EQ(slits->GetNumber(), 30);
  EXPECT_EQ(slits->GetWidth(), 0);
  EXPECT_EQ(slits->GetSpace(), 99);
  slits->SetNumber(-3);
  EXPECT_EQ(slits->GetNumber(), 1);
  tank->Grid()->Cell(150, 150).SpeedFactor = 0;  // shows whether a pass ran
  slits->SetSpace(99);
  EXPECT_EQ(tank->Grid()->Cell(150, 150).SpeedFactor, 0);
  slits->SetSpace(98);
  EXPECT_EQ(tank->Grid()->Cell(150, 150).SpeedFactor, 0.5f);
}

TEST(SlitsPanel, BarsShowTheMapperAndWriteItsPropertiesByName) {
  const auto [tank, slits] = TMediumInTank<TSlitsRIMapper>(200, 401);
  slits->SetNumber(4);
  slits->SetSpace(0);
  const auto panel = PanelOf<TSlitsControlPanel>(*slits);
  ASSERT_TRUE(panel);
  using P = TSlitsControlPanel;
  EXPECT_EQ(P::Row(P::SlitCount).caption, "Slit");
  EXPECT_EQ(P::Row(P::WidthBar).caption, "Width");
  EXPECT_EQ(P::Row(P::SpacingBar).caption, "Spacing");
  EXPECT_EQ(panel->Readout(P::SlitCount), "4");
  EXPECT_EQ(panel->Readout(P::WidthBar), "15mm");
  EXPECT_EQ(panel->Readout(P::SpacingBar), "0mm");
  panel->SetPosition(P::WidthBar, 7);
  panel->SetPosition(P::SlitCount, 2);
  panel->SetPosition(P::SpacingBar, 120);
  EXPECT_EQ(slits->GetWidth(), 7);
  EXPECT_EQ(slits->GetNumber(), 2);
  EXPECT_EQ(slits->GetSpace(), 99);
  EXPECT_EQ(panel->Readout(P::SpacingBar), "99mm");
}

}  // namespace
}  // namespace wavora::test
