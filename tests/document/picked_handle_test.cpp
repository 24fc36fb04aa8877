#include <gtest/gtest.h>

#include <vector>

#include "document/class_registration.h"
#include "document/picked_handle.h"
#include "media/plane_mirror.h"
#include "sim/general_exciter.h"
#include "sim/ri_map.h"
#include "tools/protractor.h"
#include "tools/ruler.h"

namespace wavora {
namespace {

class PickedHandle : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterClasses();
    tank_->add(MakeNode<TNoneRIMap>());
    tank_->add(source_);
    tank_->SetSize(401, 401);
    source_->SetBeamType(TGeneralExciter::kPoint);
    tank_->add(ruler_);
    tank_->add(protractor_);
  }

  TPoint Cell(const TPickedHandle& picked) const { return PickedHandlePlace(*tank_, picked)->cell; }

  TRef<TWater> tank_ = MakeNode<TWater>();
  TRef<TGeneralExciter> source_ = MakeNode<TGeneralExciter>();
  TRef<TRuler> ruler_ = MakeNode<TRuler>();
  TRef<TProtractor> protractor_ = MakeNode<TProtractor>();
};

// N walks every handle in the object list's order, round and round; Shift+N walks back.
TEST_F(PickedHandle, StepsThroughEveryObjectsHandlesInListOrderBothWays) {
  const int32_t source = source_->GetUniqueID(), ruler = ruler_->GetUniqueID();
  const int32_t protractor = protractor_->GetUniqueID();
  const std::vector<TPickedHandle> forward = {{source, 0},     {ruler, 0},      {ruler, 1}, {protractor, 0},
                                              {protractor, 1}, {protractor, 2}, {source, 0}};
  TPickedHandle picked;
  for (const TPickedHandle& expected : forward) {
    picked = StepPickedHandle(*tank_, picked, 1);
    EXPECT_EQ(picked, expected);
  }
  EXPECT_EQ(StepPickedHandle(*tank_, {}, -1), (TPickedHandle{protractor, 2}));
  EXPECT_EQ(StepPickedHandle(*tank_, {ruler, 0}, -1), (TPickedHandle{source, 0}));
  // A pick whose object has gone starts afresh.
  tank_->Remove(iXMLNode(ruler_));
  EXPECT_FALSE(PickedHandlePlace(*tank_, {ruler, 1}));
  EXPECT_EQ(StepPickedHandle(*tank_, {ruler, 1}, 1), (TPickedHandle{source, 0}));
}

// Keys move a handle as a drag does: cell by cell when free, a snap line at a time when snapping,
// over the other end of a line rather than onto it, and never past the drag's margin.
TEST_F(PickedHandle, NudgesFollowTheDragsRules) {
  struct TCase {
    const char* what;
    bool snap;
    TPoint end1, end2;  // the ruler's ends before
    int dx, dy;
    TPoint expected;  // end 1 after
  };
  const TCase cases[] = {
      {"free, one cell right", false, {100, 100}, {300, 100}, 1, 0, {101, 100}},
      {"free, ten cells down", false, {100, 100}, {300, 100}, 0, -10, {100, 90}},
      {"snapping, one cell reaches the next line", true, {101, 101}, {293, 101}, 1, 0, {117, 101}},
      {"over the other end", false, {100, 100}, {110, 100}, 1, 0, {120, 100}},
      {"held at the margin", false, {6, 100}, {300, 100}, -1, 0, {6, 100}},
  };
  const TPickedHandle end1{ruler_->GetUniqueID(), 0};
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.what);
    ruler_->SetSnapToGrid(false);
    ruler_->SetX1Percent(TBaseControl::PercentFromCell(c.end1.x, 401));
    ruler_->SetY1Percent(TBaseControl::PercentFromCell(c.end1.y, 401));
    ruler_->SetX2Percent(TBaseControl::PercentFromCell(c.end2.x, 401));
    ruler_->SetY2Percent(TBaseControl::PercentFromCell(c.end2.y, 401));
    ruler_->SetSnapToGrid(c.snap);
    ASSERT_EQ(Cell(end1), c.end1);
    const bool moved = NudgePickedHandle(*tank_, end1, c.dx, c.dy);
    EXPECT_EQ(moved, Cell(end1) != c.end1);
    EXPECT_EQ(Cell(end1), c.expected);
    EXPECT_EQ(ruler_->Point2(), c.end2);
    EXPECT_FLOAT_EQ(ruler_->GetX1Percent(), TBaseControl::PercentFromCell(c.expected.x, 401));
  }
}

// A medium re-maps as its handle moves, and its saved place follows.
TEST_F(PickedHandle, AMediumsHandleMovesItsMedium) {
  tank_->SetRIMapClass(TPlaneMirror::StaticClassInfo());
  const auto mirror = RefCast<TPlaneMirror>(tank_->GetRIMap());
  ASSERT_TRUE(mirror);
  const TPickedHandle picked = StepPickedHandle(*tank_, {source_->GetUniqueID(), 0}, 1);
  ASSERT_EQ(picked.objectID, mirror->GetUniqueID());
  const TPoint before = Cell(picked);
  const float percentBefore = mirror->GetX1Percent();
  EXPECT_TRUE(NudgePickedHandle(*tank_, picked, 1, 0));
  EXPECT_GT(Cell(picked).x, before.x);
  EXPECT_NE(mirror->GetX1Percent(), percentBefore);
}

}  // namespace
}  // namespace wavora
