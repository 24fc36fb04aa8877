#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "saved_tank.h"
#include "sim/map_holder.h"
#include "sim_test_objects.h"

namespace wavora::test {
namespace {

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
  const TRef<TWater> loaded = ReadTank(saved, 401, 401);
  ASSERT_TRUE(loaded);
  EXPECT_EQ(SavedText(*loaded), saved);
  EXPECT_EQ(loaded->GetExposure(), 1.25f);
  EXPECT_EQ(loaded->GetUniqueID(), tank->GetUniqueID());
  EXPECT_EQ(loaded->GetDescription(), "Waves slow down in the block.");
  const TRef<TTestBlock> block = RefCast<TTestBlock>(loaded->GetRIMap());
  ASSERT_TRUE(block);
  EXPECT_EQ(block->GetN(), 0.75f);
  EXPECT_EQ(loaded->Grid()->Cell(200, 200).SpeedFactor, 0.375f) << "remapped once sized";
}

TEST(Persistence, DerivedTextsAreNotSavedAndOnesOlderFilesSavedFollowTheMediumAgain) {
  const std::string saved = SavedText(*MakeTank(101, 101));
  EXPECT_EQ(saved.find("Name="), std::string::npos);
  EXPECT_EQ(saved.find("Description="), std::string::npos);

  std::string older = saved;
  older.insert(older.find("<TWater ") + 8, "Name=\"Empty Tank\" Description=\" \" ");
  const TRef<TWater> loaded = ReadTank(older, 101, 101);
  EXPECT_EQ(loaded->StoredName(), "");
  EXPECT_EQ(loaded->StoredDescription(), "");
  loaded->SetRIMapClass(TTestBlock::StaticClassInfo());
  EXPECT_EQ(loaded->GetName(), "Test Block");
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
  const TRef<TWater> copy = ReadTank(SavedText(*original), 401, 401);
  copy->RenewUniqueIDs();
  std::vector<int32_t> ids = {original->GetUniqueID(), copy->GetUniqueID()};
  CollectIDs(*original, ids);
  CollectIDs(*copy, ids);
  EXPECT_EQ(ids.size(), 14u) << "tank, medium, source, line, tool and two parked media, twice";
  EXPECT_EQ(std::set<int32_t>(ids.begin(), ids.end()).size(), ids.size());
}

}  // namespace
}  // namespace wavora::test
