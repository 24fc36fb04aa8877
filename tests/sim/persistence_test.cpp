#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "model/node_files.h"
#include "model/stream.h"
#include "saved_tank.h"
#include "sim/map_holder.h"
#include "sim_test_objects.h"

namespace wavora::test {
namespace {

iXMLNode Reload(const std::string& text) {
  TStream stream(text);
  return ReadNodeFromStream(stream);
}

// A slide holding every class of this layer: the tank, a medium in use, the holder with the media
// used before, a source, a line and a tool.
TRef<TWater> FullSlide() {
  const TRef<TWater> tank = MakeTank(401, 401);
  tank->SetRIMapClass(TTestWall::StaticClassInfo());
  tank->SetRIMapClass(TTestBlock::StaticClassInfo());
  RefCast<TTestBlock>(tank->GetRIMap())->SetN(0.75f);
  RefCast<TTestBlock>(tank->GetRIMap())->SetX1Percent(20);
  tank->GetExciter();
  const TRef<TTestLine> line = MakeNode<TTestLine>();
  line->SetSnapToGrid(false);  // a snapped line is laid out on the grid lines again when reloaded
  tank->add(line);
  line->SetX2Percent(70);
  tank->add(MakeNode<TTestTool>());
  tank->SetExposure(1.25f);
  tank->SetDescription("Waves slow down in the block.");
  return tank;
}

TEST(Persistence, EveryClassSurvivesSaveAndReload) {
  const TRef<TWater> tank = FullSlide();
  const std::string saved = SavedText(*tank);
  const TRef<TWater> loaded = RefCast<TWater>(Reload(saved));
  ASSERT_TRUE(loaded);
  loaded->SetSize(401, 401);  // as the document does with every tank it takes
  EXPECT_EQ(SavedText(*loaded), saved);
  EXPECT_EQ(loaded->GetExposure(), 1.25f);
  EXPECT_EQ(loaded->GetUniqueID(), tank->GetUniqueID());
  EXPECT_EQ(loaded->GetDescription(), "Waves slow down in the block.");
  const TRef<TTestBlock> block = RefCast<TTestBlock>(loaded->GetRIMap());
  ASSERT_TRUE(block);
  EXPECT_EQ(block->GetN(), 0.75f);
}

TEST(Persistence, ReloadedSlideRemapsOnceSized) {
  const TRef<TWater> loaded = RefCast<TWater>(Reload(SavedText(*FullSlide())));
  loaded->SetSize(401, 401);
  EXPECT_EQ(loaded->Grid()->Cell(200, 200).SpeedFactor, 0.375f);
}

TEST(Persistence, DerivedTextsAreNotSavedAndOnesOlderFilesSavedFollowTheMediumAgain) {
  const std::string saved = SavedText(*MakeTank(101, 101));
  EXPECT_EQ(saved.find("Name="), std::string::npos);
  EXPECT_EQ(saved.find("Description="), std::string::npos);

  std::string older = saved;
  older.insert(older.find("<TWater ") + 8, "Name=\"Empty Tank\" Description=\" \" ");
  const TRef<TWater> loaded = RefCast<TWater>(Reload(older));
  EXPECT_EQ(loaded->StoredName(), "");
  EXPECT_EQ(loaded->StoredDescription(), "");
  loaded->SetRIMapClass(TTestBlock::StaticClassInfo());
  EXPECT_EQ(loaded->GetName(), "Test Block");
}

// A parked medium is off the grid: it saves the percentages of the place it had, a slide read but not
// yet sized (a pasted one) saves them unchanged, and switching back after open, save, open puts the
// object where it was.
TEST(Persistence, ParkedMediumKeepsItsPlaceThroughSaveAndReload) {
  const TRef<TWater> tank = MakeTank(401, 401);
  tank->SetRIMapClass(TTestBlock::StaticClassInfo());
  const TRef<TTestBlock> block = RefCast<TTestBlock>(tank->GetRIMap());
  block->SetX1Percent(23.4567f);  // between cells: the cell's own percentage is what it keeps
  block->SetY2Percent(81.25f);
  const float placed[] = {block->GetX1Percent(), block->GetY1Percent(), block->GetX2Percent(),
                          block->GetY2Percent()};
  const TPoint p1 = block->Point1(), p2 = block->Point2();
  tank->SetRIMapClass(TTestWall::StaticClassInfo());
  EXPECT_FALSE(block->Grid()) << "a parked medium lets go of the tank's grid";

  const std::string opened = SavedText(*RefCast<TWater>(Reload(SavedText(*tank))));
  EXPECT_EQ(opened.find("1E-06"), std::string::npos) << opened;
  const TRef<TWater> reopened = RefCast<TWater>(Reload(opened));
  reopened->SetSize(401, 401);
  reopened->SetRIMapClass(TTestBlock::StaticClassInfo());
  const TRef<TTestBlock> back = RefCast<TTestBlock>(reopened->GetRIMap());
  ASSERT_TRUE(back);
  EXPECT_EQ(back->Point1(), p1);
  EXPECT_EQ(back->Point2(), p2);
  const float restored[] = {back->GetX1Percent(), back->GetY1Percent(), back->GetX2Percent(),
                            back->GetY2Percent()};
  for (int i = 0; i < 4; ++i)
    EXPECT_EQ(restored[i], placed[i]) << i;
}

void CollectIDs(const TBasicXMLNode& node, std::vector<int32_t>& ids) {
  for (int i = 0; i < node.GetChildCount(); ++i) {
    const iXMLNode child = node.GetChildren(i);
    if (auto* object = dynamic_cast<TBaseWaterObject*>(child.Get())) ids.push_back(object->GetUniqueID());
    CollectIDs(*child, ids);
  }
}

TEST(Persistence, CopiedAndRenewedSlideSharesNoIdentifier) {
  const TRef<TWater> original = FullSlide();
  const TRef<TWater> copy = RefCast<TWater>(Reload(SavedText(*original)));
  copy->RenewUniqueIDs();
  std::vector<int32_t> ids = {original->GetUniqueID(), copy->GetUniqueID()};
  CollectIDs(*original, ids);
  CollectIDs(*copy, ids);
  EXPECT_EQ(ids.size(), 14u) << "tank, medium, source, line, tool and two parked media, twice";
  EXPECT_EQ(std::set<int32_t>(ids.begin(), ids.end()).size(), ids.size());
}

}  // namespace
}  // namespace wavora::test
