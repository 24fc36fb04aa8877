#include <gtest/gtest.h>

#include <cmath>

#include "sim/refractive_index_cp.h"
#include "sim/simple_message_cp.h"
#include "sim_test_objects.h"

namespace wavora::test {
namespace {

TRef<TTestBlock> BlockIn(const TRef<TWater>& tank) {
  tank->SetRIMapClass(TTestBlock::StaticClassInfo());
  return RefCast<TTestBlock>(tank->GetRIMap());
}

TEST(MediumValue, SettingNWritesTheBlockAndRemapsOnlyOnChangeAndIsHeldToWhatTheStepCanRun) {
  const TRef<TWater> tank = MakeTank(401, 401);
  const TRef<TTestBlock> block = BlockIn(tank);
  EXPECT_EQ(block->GetN(), 0.5454f);
  const int maps = block->mapCount;
  block->SetN(0.5f);
  EXPECT_EQ(block->mapCount, maps + 1);
  EXPECT_EQ(tank->Grid()->Cell(200, 200).SpeedFactor, 0.25f);
  block->SetN(0.5f);
  EXPECT_EQ(block->mapCount, maps + 1);
  // Values beyond open water or a wall are held to them.
  for (const auto& [n, held] : {std::pair{7.0f, 1.0f}, {-2.0f, 0.0f}, {std::nanf(""), 0.0f}}) {
    block->SetN(n);
    EXPECT_EQ(block->GetN(), held) << n;
  }
}

TEST(MappingContract, PassRestoresEverythingOutsideTheObject) {
  const TRef<TWater> tank = MakeTank(401, 401);
  const TRef<TTestBlock> block = BlockIn(tank);
  const TWaterGrid open(401, 401);
  TWaterGrid reference = open;
  ResetMedium(reference);
  tank->Grid()->Cell(300, 300).SpeedFactor = 0;  // a stale wall from some earlier pass
  tank->Grid()->Cell(1, 100).Damping = 0.1f;
  block->SetX1Percent(10);  // moving a handle re-maps
  for (int32_t x = 0; x < 401; ++x) {
    for (int32_t y = 0; y < 401; ++y) {
      const bool inBlock = x >= block->Point1().x && x <= block->Point2().x && y >= block->Point1().y &&
                           y <= block->Point2().y;
      ASSERT_EQ(tank->Grid()->Cell(x, y).SpeedFactor, inBlock ? 0.2727f : 0.5f) << x << "," << y;
      ASSERT_EQ(tank->Grid()->Cell(x, y).Damping, reference.Cell(x, y).Damping) << x << "," << y;
    }
  }
}

TEST(MappingContract, MappingWithoutAGridDoesNothing) {
  RegisterSimTestClasses();
  const TRef<TTestBlock> block = MakeNode<TTestBlock>();
  block->SetN(0.25f);
  EXPECT_EQ(block->mapCount, 0);
}

TEST(RefractiveIndexPanel, OpensAtTheMediumWithoutWritingBackAndItsSliderSetsNByName) {
  const TRef<TWater> tank = MakeTank(101, 101);
  const TRef<TTestBlock> block = BlockIn(tank);
  const auto panel = std::unique_ptr<TRefractiveIndexCP>(
      dynamic_cast<TRefractiveIndexCP*>(block->CreateControlPanel().release()));
  ASSERT_TRUE(panel);
  EXPECT_EQ(panel->Object(), block.Get());
  EXPECT_EQ(panel->Position(), 5);
  EXPECT_EQ(panel->RefractiveIndexLabel(), "1.35");
  EXPECT_EQ(block->GetN(), 0.5454f);
  const struct {
    int32_t position;
    float n;
    const char* label;
  } cases[] = {{0, 1.0f, "1.00"},      {1, 10 / 11.0f, "1.05"}, {2, 9 / 11.0f, "1.11"},
               {3, 8 / 11.0f, "1.17"}, {4, 7 / 11.0f, "1.25"},  {5, 6 / 11.0f, "1.35"},
               {6, 5 / 11.0f, "1.48"}, {7, 4 / 11.0f, "1.66"},  {8, 3 / 11.0f, "1.91"},
               {9, 2 / 11.0f, "2.35"}, {10, 1 / 11.0f, "3.32"}, {15, 1 / 11.0f, "3.32"}};
  for (const auto& c : cases) {
    panel->SetPosition(c.position);
    panel->RfIndexChange();
    EXPECT_FLOAT_EQ(block->GetN(), c.n) << c.position;
    EXPECT_EQ(panel->RefractiveIndexLabel(), c.label) << c.position;
  }
}

TEST(EmptyTank, ShowsAnEmptyMessagePanelAndWritesNoMedium) {
  const TRef<TWater> tank = MakeTank(101, 101);
  const TRef<TBaseRIMap> medium = tank->GetRIMap();
  EXPECT_EQ(medium->TypeName(), "Empty Tank");
  EXPECT_EQ(medium->TypeDescription(), " ");
  const auto panel = tank->CreateRIMapControlPanel();
  const auto* message = dynamic_cast<const TSimpleMessageCP*>(panel.get());
  ASSERT_TRUE(message);
  EXPECT_EQ(message->Message(), "");
  EXPECT_FALSE(medium->GetSnapToGrid());
  EXPECT_EQ(medium->HandleColour(), RGB(140, 12, 24));
}

TEST(MediumClassList, LooksClassesUpByIndexAndExactName) {
  RegisterSimTestClasses();
  EXPECT_EQ(MapClass(0), &TNoneRIMap::StaticClassInfo());
  EXPECT_EQ(MapClass(-1), nullptr);
  EXPECT_EQ(MapClass(MapClassCount()), nullptr);
  EXPECT_EQ(MapClassIndexOf("TTestBlock"), 1);
  EXPECT_EQ(MapClassIndexOf("ttestblock"), -1);
  EXPECT_EQ(MapClassIndexOf("TNoSuchMapper"), -1);
}

}  // namespace
}  // namespace wavora::test
