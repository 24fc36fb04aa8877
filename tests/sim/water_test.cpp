#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "sim/water.h"
#include "sim_test_objects.h"

namespace wavora::test {
namespace {

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
  tank->Grid()->Cell(30, 45).Displacement = 2;
  tank->Grid()->Cell(31, 45).Velocity = -0.7f;
  for (int i = 0; i < 200; ++i)
    tank->Step();
  EXPECT_EQ(FieldDigest(*tank->Grid()), 0x695437208fcac58bull) << std::hex << FieldDigest(*tank->Grid());
}

// The digests run tanks of one size; the border grows with larger ones, halves rounding to even.
TEST(TankBorder, BorderIsATenthOfTheShorterSideButAtLeast40) {
  std::vector<int32_t> widths;
  for (const auto& [w, h] : {std::pair{401, 401}, {250, 401}, {405, 600}, {415, 415}, {1000, 2000}})
    widths.push_back(BorderWidth(w, h));
  EXPECT_EQ(widths, (std::vector<int32_t>{40, 40, 40, 42, 100}));
}

TEST(TankField, ClearFieldKeepsTheMedium) {
  const TRef<TWater> tank = MakeTank(101, 101);
  tank->SetRIMapClass(TTestBlock::StaticClassInfo());
  tank->Grid()->Cell(50, 50).Displacement = 1;
  tank->Grid()->Cell(0, 0).Displacement = 1;
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
}

// A mapping pass owns the whole medium: a stale wall or damping from an earlier pass goes.
TEST(TankMedium, MappingPassRestoresEverythingOutsideTheObject) {
  const TRef<TWater> tank = MakeTank(401, 401);
  tank->SetRIMapClass(TTestBlock::StaticClassInfo());
  const TRef<TTestBlock> block = RefCast<TTestBlock>(tank->GetRIMap());
  TWaterGrid reference(401, 401);
  ResetMedium(reference);
  tank->Grid()->Cell(300, 300).SpeedFactor = 0;
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
  EXPECT_EQ(MapClassIndexOf("TTestBlock"), 1);
  EXPECT_EQ(MapClassIndexOf("ttestblock"), -1) << "a file names its medium exactly";
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
  for (const std::string name : {"My lens", "Empty Tank"}) {
    tank->SetName(name);
    tank->SetRIMapClass(TNoneRIMap::StaticClassInfo());
    tank->SetRIMapClass(TTestBlock::StaticClassInfo());
    EXPECT_EQ(tank->GetName(), name);
  }
}

}  // namespace
}  // namespace wavora::test
