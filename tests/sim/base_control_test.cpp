#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <set>
#include <vector>

#include "sim/unique_id.h"
#include "sim_test_objects.h"

namespace wavora::test {
namespace {

// Image row of a grid row in a tank of height h.
int32_t ImageY(int32_t h, int32_t y) {
  return h - 1 - y;
}

struct TSnapCase {
  int32_t v, n, expected;
};

class PlainSnapping : public testing::TestWithParam<TSnapCase> {};

TEST_P(PlainSnapping, SnapsToTheLinesThroughCell5) {
  const TSnapCase c = GetParam();
  EXPECT_EQ(TBaseControl::Snap(c.v, 5, c.n), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, PlainSnapping,
                         testing::Values(TSnapCase{12, 401, 5},
                                         TSnapCase{13, 401, 5},  // 8/16 rounds to even 0
                                         TSnapCase{14, 401, 21}, TSnapCase{29, 401, 37},  // 24/16 rounds to 2
                                         TSnapCase{0, 401, 5}, TSnapCase{-4, 401, 5},  // below 5: one line up
                                         TSnapCase{398, 401, 389}));  // above n-5: one line down

TEST(Snapping, RelativeSnappingUsesTheLinesThroughTheAnchor) {
  const TRef<TWater> tank = MakeTank(401, 401);
  const TRef<TTestLine> line = MakeNode<TTestLine>();
  tank->add(line);
  EXPECT_EQ(line->SnapRelative({110, 50}, {100, 203}), (TPoint{116, 43}));
}

struct TPercentCase {
  float percent;
  int32_t n, cell;
};

class Percentages : public testing::TestWithParam<TPercentCase> {};

TEST_P(Percentages, CellFromPercent) {
  const TPercentCase c = GetParam();
  EXPECT_EQ(TBaseControl::CellFromPercent(c.percent, c.n), c.cell);
}

INSTANTIATE_TEST_SUITE_P(Cases, Percentages,
                         testing::Values(TPercentCase{50, 401, 200}, TPercentCase{0, 401, 5},
                                         TPercentCase{100, 401, 395}, TPercentCase{10, 250, 29},
                                         TPercentCase{1e9f, 401, 400}, TPercentCase{-1e9f, 401, 0},
                                         TPercentCase{std::numeric_limits<float>::quiet_NaN(), 401, 5}));

TEST(Percentages, CellsReportTheirPercentage) {
  EXPECT_EQ(TBaseControl::PercentFromCell(5, 401), 0.000001f);
  EXPECT_EQ(TBaseControl::PercentFromCell(200, 401), 50.0f);
  EXPECT_EQ(TBaseControl::PercentFromCell(395, 401), 100.0f);
}

TEST(Percentages, SetterMovesTheCellAndReportsTheMoveOnce) {
  const TRef<TWater> tank = MakeTank(401, 401);
  const TRef<TTestLine> line = MakeNode<TTestLine>();
  tank->add(line);
  const int moved = line->movedCount;
  line->SetX1Percent(50);
  EXPECT_EQ(line->Point1().x, 200);
  EXPECT_EQ(line->movedCount, moved + 1);
  line->SetX1Percent(50.1f);  // same cell
  EXPECT_EQ(line->movedCount, moved + 1);
  EXPECT_EQ(line->GetX1Percent(), 50.1f);  // what the user set, not its cell's
}

// A kind 2 line from (100, 200) to (300, 200) in a 401 x 401 tank, unsnapped, as a user meets it.
class LineDrag : public testing::Test {
 protected:
  void SetUp() override {
    tank = MakeTank(401, 401);
    line = MakeNode<TTestLine>();
    line->SetSnapToGrid(false);
    tank->add(line);
    line->SetX1Percent(PercentOf(100));
    line->SetY1Percent(PercentOf(200));
    line->SetX2Percent(PercentOf(300));
    line->SetY2Percent(PercentOf(200));
  }
  static float PercentOf(int32_t cell) { return TBaseControl::PercentFromCell(cell, 401); }
  void Drag(TPoint from, TPoint to) {
    tank->MouseDown(TMouseButton::Left, {}, from.x, ImageY(401, from.y));
    tank->MouseMove({}, to.x, ImageY(401, to.y));
    tank->MouseUp(TMouseButton::Left, {}, to.x, ImageY(401, to.y));
  }
  TRef<TWater> tank;
  TRef<TTestLine> line;
};

TEST_F(LineDrag, EndDraggedTooCloseToTheOtherEndStaysWhereItWas) {
  Drag({300, 200}, {105, 205});
  EXPECT_EQ(line->Point2(), (TPoint{300, 200}));
  Drag({300, 200}, {110, 200});  // exactly 10 cells apart is allowed
  EXPECT_EQ(line->Point2(), (TPoint{110, 200}));
}

TEST_F(LineDrag, BodyDragThatWouldPushAnEndNearTheEdgeIsRefusedAsAWhole) {
  Drag({200, 200}, {300, 200});  // end 2 would reach 400
  EXPECT_EQ(line->Point1(), (TPoint{100, 200}));
  EXPECT_EQ(line->Point2(), (TPoint{300, 200}));
  Drag({200, 200}, {250, 150});
  EXPECT_EQ(line->Point1(), (TPoint{150, 150}));
  EXPECT_EQ(line->Point2(), (TPoint{350, 150}));
}

TEST_F(LineDrag, PointerIsClampedInsideTheMargin) {
  Drag({100, 200}, {-50, 1000});
  // X into [6, W - 6], Y into [6, H - 6], then y = H - 1 - Y.
  EXPECT_EQ(line->Point1(), (TPoint{6, 394}));
}

TEST_F(LineDrag, PressedObjectCapturesThePointerUntilRelease) {
  tank->MouseDown(TMouseButton::Left, {}, 100, ImageY(401, 200));
  EXPECT_EQ(tank->CapturedObject(), RefCast<TBaseWaterObject>(line));
  EXPECT_TRUE(line->IsDragging());
  EXPECT_FALSE(tank->FrozenByDrag());  // dragging a plain object does not stop the waves
  tank->MouseUp(TMouseButton::Left, {}, 100, ImageY(401, 200));
  EXPECT_FALSE(tank->CapturedObject());
  EXPECT_FALSE(line->IsDragging());
}

TEST(HitTests, SegmentIsNearWithinSixCellsOfItsFoot) {
  EXPECT_TRUE(TBaseWaterObject::NearSegment(50, 54, {0, 50}, {100, 50}));
  EXPECT_FALSE(TBaseWaterObject::NearSegment(50, 55, {0, 50}, {100, 50}));   // outside the box grown by 4
  EXPECT_FALSE(TBaseWaterObject::NearSegment(105, 50, {0, 50}, {100, 50}));  // beyond the box
  EXPECT_TRUE(TBaseWaterObject::NearSegment(3, 3, {0, 0}, {0, 0}));
  EXPECT_TRUE(TBaseWaterObject::NearSegment(52, 48, {0, 0}, {100, 100}));
}

TEST(HitTests, ThreePointsNeverHoldTheCentreAlone) {
  bool h1, h2, h3, body;
  EXPECT_TRUE(TBaseWaterObject::HitThreePoints(50, 50, {80, 50}, {50, 50}, {50, 80}, h1, h2, h3, body));
  EXPECT_FALSE(h1 || h2 || h3);
  EXPECT_TRUE(body);
  EXPECT_TRUE(TBaseWaterObject::HitThreePoints(50, 79, {80, 50}, {50, 50}, {50, 80}, h1, h2, h3, body));
  EXPECT_TRUE(h3);
  EXPECT_FALSE(body);
}

// Two objects over the same place: a line (first child) and a tool on the same segment.
class Routing : public testing::Test {
 protected:
  void SetUp() override {
    tank = MakeTank(401, 401);
    tank->SetRIMapClass(TTestBlock::StaticClassInfo());  // the block covers cells 160 .. 240
    line = MakeNode<TTestLine>();
    tool = MakeNode<TTestTool>();
    for (const TRef<TBaseControl>& object : {TRef<TBaseControl>(line), TRef<TBaseControl>(tool)}) {
      object->SetSnapToGrid(false);
      tank->add(object);
      object->SetX1Percent(TBaseControl::PercentFromCell(50, 401));
      object->SetY1Percent(TBaseControl::PercentFromCell(50, 401));
      object->SetX2Percent(TBaseControl::PercentFromCell(150, 401));
      object->SetY2Percent(TBaseControl::PercentFromCell(50, 401));
    }
  }
  void Press(int32_t x, int32_t y, TShiftState shift = {}) {
    tank->MouseDown(TMouseButton::Left, shift, x, ImageY(401, y));
  }
  TRef<TWater> tank;
  TRef<TTestLine> line;
  TRef<TTestTool> tool;
};

TEST_F(Routing, SelectedToolGetsThePressFirst) {
  line->SetActiveTool(false);
  tool->SetActiveTool(true);
  Press(100, 50);
  EXPECT_EQ(tank->CapturedObject(), RefCast<TBaseWaterObject>(tool));
}

TEST_F(Routing, OtherwiseTheEarliestChildTakesIt) {
  tool->SetActiveTool(false);
  Press(100, 50);
  EXPECT_EQ(tank->CapturedObject(), RefCast<TBaseWaterObject>(line));
  EXPECT_TRUE(line->GetActiveTool());
  EXPECT_FALSE(tool->GetActiveTool());
  EXPECT_FALSE(tank->GetRIMap()->GetActiveTool());
}

TEST_F(Routing, MediumUnderneathIsSelectedOnlyWhenNothingTookThePress) {
  tank->GetRIMap()->SetActiveTool(false);
  Press(230, 170);  // inside the block, away from its handles and its diagonal
  EXPECT_FALSE(tank->CapturedObject());
  EXPECT_TRUE(tank->GetRIMap()->GetActiveTool());
  tank->MouseUp(TMouseButton::Left, {}, 230, ImageY(401, 170));
  tank->GetRIMap()->SetActiveTool(false);
  Press(300, 300);  // open water
  EXPECT_FALSE(tank->GetRIMap()->GetActiveTool());
}

TEST_F(Routing, CtrlClickKeepsTheOthersSelected) {
  tool->SetActiveTool(false);
  line->SetActiveTool(false);
  tank->GetRIMap()->SetActiveTool(true);
  Press(100, 50, TShiftState{.ctrl = true});
  EXPECT_TRUE(line->GetActiveTool());
  EXPECT_TRUE(tank->GetRIMap()->GetActiveTool());
}

TEST_F(Routing, DraggingTheMediumFreezesTheField) {
  tank->MouseUp(TMouseButton::Left, {}, 0, 0);
  // The block's own kind-2 handle at its first corner.
  const TPoint corner = RefCast<TBaseControl>(tank->GetRIMap())->Point1();
  line->SetActiveTool(false);
  tool->SetActiveTool(false);
  Press(corner.x, corner.y);
  EXPECT_EQ(tank->CapturedObject(), RefCast<TBaseWaterObject>(tank->GetRIMap()));
  EXPECT_TRUE(tank->FrozenByDrag());
}

TEST_F(Routing, DripModePressNeverReachesTheObjects) {
  tool->SetActiveTool(true);
  tank->SetDripMode(true);
  EXPECT_FALSE(tool->GetActiveTool());
  Press(100, 50);
  tank->SetDripMode(false);
  EXPECT_FALSE(tank->CapturedObject());
  EXPECT_FALSE(line->IsDragging());
  EXPECT_FALSE(tank->FrozenByDrag());
  tank->Step();
  // The drip (left button: down) lands on the pressed cell after the step.
  EXPECT_FLOAT_EQ(tank->Grid()->Cell(100, 50).Displacement, 1.5f * -0.9f);
  EXPECT_FLOAT_EQ(tank->Grid()->Cell(101, 51).Displacement, 0.5f * -0.9f);
  tank->MouseUp(TMouseButton::Left, {}, 100, ImageY(401, 50));
  // -0.3 as a single plus 0.3 leaves a trace below zero for one more step.
  tank->Step();
  tank->Step();
  EXPECT_EQ(tank->GetExciter()->DripAmplitude(), 0.0f);
}

TEST(SourceDrag, FreezesOnlyOverAMediumThatAsksForIt) {
  const TRef<TWater> tank = MakeTank(401, 401);
  const TRef<TTestSource> source = RefCast<TTestSource>(tank->GetExciter());
  EXPECT_FALSE(source->FreezesFieldWhileDragged(*tank));
  tank->SetRIMapClass(TTestWall::StaticClassInfo());
  EXPECT_TRUE(source->FreezesFieldWhileDragged(*tank));
}

TEST(Selection, AddingSelectsControlsButNeverTheSourceOrTheEmptyTank) {
  const TRef<TWater> tank = MakeTank(401, 401);
  EXPECT_FALSE(tank->GetRIMap()->GetActiveTool());
  EXPECT_FALSE(tank->GetRIMap()->CanBeDeleted());
  const TRef<TTestLine> first = MakeNode<TTestLine>();
  const TRef<TTestLine> second = MakeNode<TTestLine>();
  tank->add(first);
  tank->add(second);
  EXPECT_FALSE(first->GetActiveTool());
  EXPECT_TRUE(second->GetActiveTool());
  EXPECT_TRUE(second->HasHandles());
  second->kind = 7;
  EXPECT_FALSE(second->HasHandles());
}

TEST(Identifiers, SceneObjectsGetDistinctIdentifiersInRange) {
  SeedUniqueIDs(42);
  std::set<int32_t> seen;
  for (int i = 0; i < 1000; ++i) {
    const int32_t id = NewUniqueID();
    EXPECT_GE(id, 10);
    EXPECT_LT(id, 2147000000);
    EXPECT_TRUE(seen.insert(id).second);
  }
  const TRef<TTestLine> parent = MakeNode<TTestLine>();
  const TRef<TTestLine> child = MakeNode<TTestLine>();
  const int32_t before = child->GetUniqueID();
  parent->add(child);
  EXPECT_NE(child->GetUniqueID(), before);
}

TEST(Identifiers, RestartRepeatsTheSequenceOfAFreshProcess) {
  RestartUniqueIDs();
  std::vector<int32_t> first(5);
  std::generate(first.begin(), first.end(), NewUniqueID);
  RestartUniqueIDs();
  std::vector<int32_t> again(5);
  std::generate(again.begin(), again.end(), NewUniqueID);
  EXPECT_EQ(again, first);
}

}  // namespace
}  // namespace wavora::test
