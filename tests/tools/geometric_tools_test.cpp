#include <gtest/gtest.h>

#include "image/fast_dib.h"
#include "sim/water.h"
#include "tools/protractor.h"
#include "tools/ruler.h"

namespace wavora {
namespace {

// On a 401-cell side, percentages in tens fall on whole cells: 10 % is cell 44, 50 % cell 200.
struct TPercentPoint {
  float x, y;
};

// A new tool of the class in a tank of 401 x 401 cells.
template <class TTool>
struct TInTank {
  TInTank() {
    tank->SetSize(401, 401);
    tank->add(tool);
  }
  TRef<TWater> tank = MakeNode<TWater>();
  TRef<TTool> tool = MakeNode<TTool>();
};

TEST(Ruler, ReadsTheDistanceBetweenItsHandleCells) {
  const struct {
    TPercentPoint a, b;
    float length;
  } cases[] = {
      {{20, 20}, {60, 20}, 156},  // the default: cells 83 to 239
      {{10, 10}, {40, 50}, 195},  // 117 across, 156 up
      {{30, 30}, {30, 30}, 0},
  };
  for (const auto& c : cases) {
    const TInTank<TRuler> rig;
    const TRef<TRuler>& ruler = rig.tool;
    ruler->SetX1Percent(c.a.x);
    ruler->SetY1Percent(c.a.y);
    ruler->SetX2Percent(c.b.x);
    ruler->SetY2Percent(c.b.y);
    EXPECT_FLOAT_EQ(ruler->Length(), c.length);
    EXPECT_FLOAT_EQ(*ruler->Readings().at(0).value, c.length);
  }
}

TEST(Ruler, LabelStaysWhereItWasWhenBothEndsMeet) {
  const TInTank<TRuler> rig;
  const TRef<TRuler>& ruler = rig.tool;
  TFastDIB image(401, 401);
  ruler->Draw(image);
  // Below the middle of a ruler drawn from left to right: (83 + 239) / 2 = 161, row 83 from the bottom.
  EXPECT_TRUE(ruler->HitBody(161, 83 - 10));
  EXPECT_FALSE(ruler->HitBody(161, 83 + 10));
  ruler->SetX2Percent(20);
  ruler->Draw(image);
  EXPECT_EQ(ruler->Length(), 0);
  EXPECT_TRUE(ruler->HitBody(161, 83 - 10));
}

TEST(Protractor, ReadsTheCounterClockwiseAngleFromTheSecondArmToTheFirst) {
  const TInTank<TProtractor> fresh;
  EXPECT_FLOAT_EQ(fresh.tool->Angle(), 90) << "a new protractor shows a right angle";
  EXPECT_TRUE(fresh.tool->GetSnapToGrid());
  const struct {
    TPercentPoint first, third;  // the vertex is at 50 %, 50 %
    float degrees;
  } cases[] = {
      {{50, 90}, {90, 50}, 90},   // first arm up, second right
      {{90, 50}, {50, 90}, 270},  // swapped
      {{10, 50}, {90, 50}, 180},  // a straight line
      {{90, 90}, {90, 50}, 45},  {{90, 10}, {90, 50}, 315},
      {{50, 50}, {90, 50}, 0},  // an arm end on the vertex has no direction: a defined reading
      {{50, 50}, {50, 50}, 0},
  };
  for (const auto& c : cases) {
    const TInTank<TProtractor> rig;
    const TRef<TProtractor>& protractor = rig.tool;
    protractor->SetSnapToGrid(false);
    protractor->SetX2Percent(50);
    protractor->SetY2Percent(50);
    protractor->SetX1Percent(c.first.x);
    protractor->SetY1Percent(c.first.y);
    protractor->SetX3Percent(c.third.x);
    protractor->SetY3Percent(c.third.y);
    EXPECT_NEAR(protractor->Angle(), c.degrees, 1e-4) << c.first.x << "," << c.first.y;
    TFastDIB image(401, 401);
    protractor->Draw(image);  // no division by zero or stray write, whatever the arms
  }
}

}  // namespace
}  // namespace wavora
