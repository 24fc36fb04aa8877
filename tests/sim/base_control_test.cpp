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

TEST(Snapping, SnapsToTheLinesThroughCell5OrThroughTheAnchor) {
  std::vector<int32_t> snapped;
  for (const int32_t v : {12, 13, 14, 29, 0, -4, 398})
    snapped.push_back(TBaseControl::Snap(v, 5, 401));
  // 13: 8/16 rounds to the even 0; 29: 24/16 rounds to 2; below 5 one line up; above n - 5 one down.
  EXPECT_EQ(snapped, (std::vector<int32_t>{5, 5, 21, 37, 5, 5, 389}));
  const TRef<TWater> tank = MakeTank(401, 401);
  const TRef<TTestLine> line = MakeNode<TTestLine>();
  tank->add(line);
  EXPECT_EQ(line->SnapRelative({110, 50}, {100, 203}), (TPoint{116, 43}));
}

TEST(Percentages, CellsFromPercentagesAndBackAndTheSetterReportsAMoveOnce) {
  std::vector<int32_t> cells;
  for (const float percent : {50.0f, 0.0f, 100.0f, 1e9f, -1e9f, std::numeric_limits<float>::quiet_NaN()})
    cells.push_back(TBaseControl::CellFromPercent(percent, 401));
  EXPECT_EQ(cells, (std::vector<int32_t>{200, 5, 395, 400, 0, 5}));
  EXPECT_EQ(TBaseControl::CellFromPercent(10, 250), 29);
  EXPECT_EQ(TBaseControl::PercentFromCell(5, 401), 0.000001f);
  EXPECT_EQ(TBaseControl::PercentFromCell(200, 401), 50.0f);
  EXPECT_EQ(TBaseControl::PercentFromCell(395, 401), 100.0f);

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
    line->SetSnapToGrid(false);
    tank->add(line);
    line->SetX1Percent(TBaseControl::PercentFromCell(100, 401));
    line->SetY1Percent(TBaseControl::PercentFromCell(200, 401));
    line->SetX2Percent(TBaseControl::PercentFromCell(300, 401));
    line->SetY2Percent(TBaseControl::PercentFromCell(200, 401));
  }
  void Drag(TPoint from, TPoint to) {
    tank->MouseDown(TMouseButton::Left, {}, from.x, ImageY(401, from.y));
    tank->MouseMove({}, to.x, ImageY(401, to.y));
    tank->MouseUp(TMouseButton::Left, {}, to.x, ImageY(401, to.y));
  }
  TRef<TWater> tank = MakeTank(401, 401);
  TRef<TTestLine> line = MakeNode<TTestLine>();
};

TEST_F(LineDrag, DragsThatWouldShortenTheLineOrPushAnEndNearTheEdgeAreRefused) {
  Drag({300, 200}, {105, 205});
  EXPECT_EQ(line->Point2(), (TPoint{300, 200}));
  Drag({300, 200}, {110, 200});  // exactly 10 cells apart is allowed
  EXPECT_EQ(line->Point2(), (TPoint{110, 200}));
  line->SetX2Percent(TBaseControl::PercentFromCell(300, 401));
  // A body drag that would push an end near the edge is refused as a whole.
  Drag({200, 200}, {300, 200});  // end 2 would reach 400
  EXPECT_EQ(line->Point1(), (TPoint{100, 200}));
  EXPECT_EQ(line->Point2(), (TPoint{300, 200}));
  Drag({200, 200}, {250, 150});
  EXPECT_EQ(line->Point1(), (TPoint{150, 150}));
  EXPECT_EQ(line->Point2(), (TPoint{350, 150}));
  Drag({150, 150}, {-50, 1000});
  // The pointer is clamped: X into [6, W - 6], Y into [6, H - 6], then y = H - 1 - Y.
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

TEST(HitTests, SegmentIsNearWithinSixCellsOfItsFootAndThreePointsNeverHoldTheCentreAlone) {
  EXPECT_TRUE(TBaseWaterObject::NearSegment(50, 54, {0, 50}, {100, 50}));
  EXPECT_FALSE(TBaseWaterObject::NearSegment(50, 55, {0, 50}, {100, 50}));   // outside the box grown by 4
  EXPECT_FALSE(TBaseWaterObject::NearSegment(105, 50, {0, 50}, {100, 50}));  // beyond the box
  EXPECT_TRUE(TBaseWaterObject::NearSegment(3, 3, {0, 0}, {0, 0}));
  EXPECT_TRUE(TBaseWaterObject::NearSegment(52, 48, {0, 0}, {100, 100}));
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
    tank->SetRIMapClass(TTestBlock::StaticClassInfo());  // the block covers cells 160 .. 240
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
  void Release() { tank->MouseUp(TMouseButton::Left, {}, 0, 0); }
  TRef<TWater> tank = MakeTank(401, 401);
  TRef<TTestLine> line = MakeNode<TTestLine>();
  TRef<TTestTool> tool = MakeNode<TTestTool>();
};

TEST_F(Routing, SelectedToolGetsThePressFirstOtherwiseTheEarliestChild) {
  line->SetActiveTool(false);
  tool->SetActiveTool(true);
  Press(100, 50);
  EXPECT_EQ(tank->CapturedObject(), RefCast<TBaseWaterObject>(tool));
  Release();
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
  Release();
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
  // Dragging the source freezes the field only over a medium that asks for it.
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

TEST(Identifiers, SceneObjectsGetDistinctIdentifiersInRangeAndRestartRepeatsTheSequence) {
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

  std::vector<int32_t> first(5), again(5);
  RestartUniqueIDs();
  std::generate(first.begin(), first.end(), NewUniqueID);
  RestartUniqueIDs();
  std::generate(again.begin(), again.end(), NewUniqueID);
  EXPECT_EQ(again, first);
}

}  // namespace
}  // namespace wavora::test
