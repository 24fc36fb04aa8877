#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

#include "sim/map_holder.h"
#include "sim/water.h"
#include "sim_test_objects.h"

namespace wavora::test {
namespace {

TCellRef CellOf(TWater& tank, int32_t x, int32_t y) {
  return tank.Grid()->Cell(x, y);
}

TEST(TankBorder, DampingFallsTowardsTheEdgeOfABorderATenthOfTheShorterSideButAtLeast40) {
  const TRef<TWater> tank = MakeTank(401, 401);
  for (const auto& [x, y] : {std::pair{1, 200}, {399, 200}, {200, 1}, {200, 399}}) {
    EXPECT_NEAR(CellOf(*tank, x, y).Damping, 0.7095, 5e-5) << x << "," << y;
  }
  for (const auto& [x, y] : {std::pair{2, 200}, {398, 200}, {200, 2}, {200, 398}}) {
    EXPECT_NEAR(CellOf(*tank, x, y).Damping, 0.7219, 5e-5) << x << "," << y;
  }
  EXPECT_NEAR(CellOf(*tank, 20, 200).Damping, 0.9130, 5e-5);
  EXPECT_NEAR(CellOf(*tank, 39, 200).Damping, 0.99878, 5e-6);
  for (const auto& [x, y] : {std::pair{400, 200}, {0, 200}, {200, 200}, {40, 200}, {0, 0}}) {
    EXPECT_EQ(CellOf(*tank, x, y).Damping, 0.999f) << x << "," << y;
  }
  // A corner cell lies on the ring of its smaller distance.
  EXPECT_EQ(CellOf(*tank, 1, 30).Damping, CellOf(*tank, 1, 200).Damping);
  EXPECT_EQ(BorderWidth(401, 401), 40);
  EXPECT_EQ(BorderWidth(250, 401), 40);
  EXPECT_EQ(BorderWidth(405, 600), 40);  // 40.5 rounds to the even 40
  EXPECT_EQ(BorderWidth(415, 415), 42);
  EXPECT_EQ(BorderWidth(1000, 2000), 100);
}

TEST(TankStep, OneDisplacedCellSpreadsToItsFourNeighbours) {
  const TRef<TWater> tank = MakeTank(401, 401);
  CellOf(*tank, 200, 200).Displacement = 1;
  tank->Step();
  for (const auto& [x, y] : {std::pair{199, 200}, {201, 200}, {200, 199}, {200, 201}}) {
    EXPECT_EQ(CellOf(*tank, x, y).Velocity, 0.5f);
    EXPECT_EQ(CellOf(*tank, x, y).Displacement, 0.4995f);
  }
  for (const auto& [x, y] : {std::pair{199, 199}, {201, 201}, {199, 201}, {201, 199}}) {
    EXPECT_EQ(CellOf(*tank, x, y).Displacement, 0.0f);
    EXPECT_EQ(CellOf(*tank, x, y).Velocity, 0.0f);
  }
  EXPECT_EQ(CellOf(*tank, 200, 200).Velocity, -2.0f);
  EXPECT_EQ(CellOf(*tank, 200, 200).Displacement, -0.999f);
}

TEST(TankStep, HeightIsClippedAsStoredButVelocityNever) {
  const struct {
    float height, velocity, damping, expected;
  } cases[] = {{3.4f, 0.2f, 0.999f, 3.5f}, {-3.4f, -0.2f, 0.999f, -3.5f}, {3.5f, 0.0f, 1.0f, 3.5f},
               {-3.5f, 0.0f, 1.0f, -3.5f}, {0.0f, 100.0f, 1.0f, 3.5f},    {3.0f, 0.4f, 1.0f, 3.4f}};
  for (const auto& c : cases) {
    const TRef<TWater> tank = MakeTank(101, 101);
    const TCellRef cell = CellOf(*tank, 50, 50);
    // A wall cell keeps its velocity, so the height pass alone decides.
    cell = {c.height, c.velocity, 0.0f, c.damping};
    tank->Step();
    EXPECT_EQ(cell.Displacement, c.expected) << c.height << " " << c.velocity;
    EXPECT_EQ(cell.Velocity, c.velocity);
  }
}

// Bits of every field value after stepping a reference scene: any change of the scheme, of the
// rounding or of the evaluation order (fused multiply-add, reordered sums) shows here.
uint64_t FieldDigest(const TWaterGrid& grid) {
  uint64_t hash = 1469598103934665603ull;
  for (int32_t x = 0; x < grid.Width(); ++x) {
    for (int32_t y = 0; y < grid.Height(); ++y) {
      for (float value : {grid.Cell(x, y).Displacement, grid.Cell(x, y).Velocity}) {
        uint32_t bits;
        std::memcpy(&bits, &value, sizeof bits);
        hash = (hash ^ bits) * 1099511628211ull;
      }
    }
  }
  return hash;
}

TEST(TankStep, ReferenceSceneStepsToTheSameBits) {
  const TRef<TWater> tank = MakeTank(120, 90);
  tank->SetRIMapClass(TTestBlock::StaticClassInfo());
  CellOf(*tank, 30, 45).Displacement = 2;
  CellOf(*tank, 31, 45).Velocity = -0.7f;
  for (int i = 0; i < 200; ++i)
    tank->Step();
  EXPECT_EQ(FieldDigest(*tank->Grid()), 0x695437208fcac58bull) << std::hex << FieldDigest(*tank->Grid());
}

TEST(TankField, ClearFieldKeepsTheMedium) {
  const TRef<TWater> tank = MakeTank(101, 101);
  tank->SetRIMapClass(TTestBlock::StaticClassInfo());
  const TRef<TTestLine> line = MakeNode<TTestLine>();
  tank->add(line);
  CellOf(*tank, 50, 50).Displacement = 1;
  CellOf(*tank, 0, 0).Displacement = 1;
  for (int i = 0; i < 5; ++i)
    tank->Step();
  const TWaterGrid before = *tank->Grid();
  tank->ClearField();
  const TWaterGrid& after = *tank->Grid();
  for (int32_t x = 0; x < after.Width(); ++x) {
    for (int32_t y = 0; y < after.Height(); ++y) {
      ASSERT_EQ(after.Cell(x, y).Displacement, 0.0f);
      ASSERT_EQ(after.Cell(x, y).Velocity, 0.0f);
      ASSERT_EQ(after.Cell(x, y).SpeedFactor, before.Cell(x, y).SpeedFactor);
      ASSERT_EQ(after.Cell(x, y).Damping, before.Cell(x, y).Damping);
    }
  }
  EXPECT_EQ(after.Cell(50, 50).SpeedFactor, 0.2727f);
  EXPECT_EQ(line->resetCount, 1);
}

TEST(TankSize, SetSizeAttachesEveryObjectAndRemapsTheMedium) {
  const TRef<TWater> tank = MakeTank(101, 101);
  tank->SetRIMapClass(TTestBlock::StaticClassInfo());
  const TRef<TTestBlock> block = RefCast<TTestBlock>(tank->GetRIMap());
  const TRef<TTestLine> line = MakeNode<TTestLine>();
  tank->add(line);
  const int geometryBefore = line->geometryCount;
  const int mapsBefore = block->mapCount;
  tank->SetSize(250, 200);
  EXPECT_EQ(line->Grid(), tank->Grid());
  EXPECT_EQ(line->W(), 250);
  EXPECT_EQ(line->H(), 200);
  EXPECT_EQ(line->geometryCount, geometryBefore + 1);
  EXPECT_GT(block->mapCount, mapsBefore);
  EXPECT_EQ(tank->Grid()->Cell(125, 100).SpeedFactor, 0.2727f);
}

// Grids without interior: nothing may step, draw or look outside the cells.
TEST(TankSize, EveryOperationOnATinyGridStaysInsideIt) {
  for (const auto& [w, h] : {std::pair{0, 0}, {1, 5}, {2, 2}, {5, 2}, {3, 3}, {12, 12}}) {
    const TRef<TWater> tank = MakeTank(w, h);
    tank->add(MakeNode<TTestLine>());
    tank->SetRIMapClass(TTestBlock::StaticClassInfo());
    tank->Step();
    tank->ClearField();
    tank->MouseDown(TMouseButton::Left, {}, 1, 1);
    tank->MouseMove({}, 2, 2);
    tank->MouseUp(TMouseButton::Left, {}, 2, 2);
    tank->SetDripMode(true);
    tank->MouseDown(TMouseButton::Left, {}, 1, 1);
    tank->Step();
    tank->MouseUp(TMouseButton::Left, {}, 1, 1);
    EXPECT_EQ(tank->DisplacementAt(-5, 1000), 0.0f);
    EXPECT_EQ(tank->MemoryUsage(), int64_t{w} * h * 16);
  }
}

TEST(TankLookup, ImagePositionsCountRowsFromTheTop) {
  const TRef<TWater> tank = MakeTank(101, 81);
  CellOf(*tank, 10, 80 - 20) = {0.25f, 0, 0.125f, 0.999f};
  EXPECT_EQ(tank->DisplacementAt(10, 20), 0.25f);
  EXPECT_EQ(tank->SpeedFactorAt(10, 20), 0.125f);
  EXPECT_EQ(tank->SpeedFactorAt(101, 20), 0.0f);  // outside: nothing read
}

TEST(TankNames, NameFollowsTheMediumUntilTheUserGivesAnother) {
  RegisterSimTestClasses();
  const TRef<TWater> bare = MakeNode<TWater>();
  EXPECT_EQ(bare->GetName(), "Empty Slide");
  EXPECT_EQ(bare->GetDescription(), "Choose an object to explore.");

  const TRef<TWater> tank = MakeTank(101, 101);
  EXPECT_EQ(tank->GetName(), "Empty Tank");
  tank->SetName("Empty Tank");
  tank->SetRIMapClass(TTestBlock::StaticClassInfo());
  EXPECT_EQ(tank->GetName(), "Test Block");
  EXPECT_EQ(tank->GetDescription(), "A block of slower medium");

  // A name the user gives stays, even one that is also a medium's name.
  for (const std::string name : {"My lens", "Test Wall"}) {
    tank->SetName(name);
    tank->SetRIMapClass(TTestWall::StaticClassInfo());
    tank->SetRIMapClass(TTestBlock::StaticClassInfo());
    EXPECT_EQ(tank->GetName(), name);
    EXPECT_EQ(tank->GetDescription(), "A block of slower medium");
  }
}

// Every medium coming back as the user left it is pinned with the real media; here, the bookkeeping.
TEST(TankMedium, SwitchingBackRestoresTheFirstObjectParksEachClassOnceAndIgnoresNonMedia) {
  const TRef<TWater> tank = MakeTank(101, 101);
  tank->SetRIMapClass(TTestBlock::StaticClassInfo());
  const TRef<TBaseRIMap> first = tank->GetRIMap();
  tank->SetRIMapClass(TTestWall::StaticClassInfo());
  tank->SetRIMapClass(TTestBlock::StaticClassInfo());
  EXPECT_EQ(tank->GetRIMap(), first);
  int holders = 0;
  TRef<TMapHolder> holder;
  for (int i = 0; i < tank->GetChildCount(); ++i) {
    if (auto h = RefCast<TMapHolder>(tank->GetChildren(i))) holder = h, ++holders;
  }
  ASSERT_EQ(holders, 1);
  ASSERT_EQ(holder->GetChildCount(), 2);
  EXPECT_EQ(holder->GetChildren(0)->ClassInfo().ClassName(), "TNoneRIMap");
  EXPECT_EQ(holder->GetChildren(1)->ClassInfo().ClassName(), "TTestWall");

  // Switching to the class in use or to a class that is no medium changes nothing.
  const int children = tank->GetChildCount();
  tank->SetRIMapClass(TTestBlock::StaticClassInfo());
  tank->SetRIMapClass(TBaseRIMap::StaticClassInfo());  // abstract: cannot be created
  tank->SetRIMapClass(TTestLine::StaticClassInfo());
  EXPECT_EQ(tank->GetRIMap(), first);
  EXPECT_EQ(tank->GetChildCount(), children);
}

}  // namespace
}  // namespace wavora::test
