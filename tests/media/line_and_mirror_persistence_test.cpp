#include <gtest/gtest.h>

#include <string>

#include "../sim/saved_tank.h"
#include "media_test_tank.h"
#include "model/property_text.h"
#include "sim/ri_map.h"

namespace wavora::test {
namespace {

struct TSavedCase {
  const char* className;
  const char* setting;
  const char* value;
};

class LineAndMirrorFiles : public testing::TestWithParam<TSavedCase> {};

// The tank is saved after a handle was dragged, so the file holds percentages of cells the pass chose.
TEST_P(LineAndMirrorFiles, ReopenWithTheSameTextAndTheSameMedium) {
  const TSavedCase c = GetParam();
  const TRef<TWater> tank = MakeTank(401, 250);
  tank->SetRIMapClass(*MapClass(MapClassIndexOf(c.className)));
  const TRef<TBaseRIMap> medium = tank->GetRIMap();
  SetPropertyFromText(*medium, c.setting, c.value, false);
  const TPoint handle = medium->HandleKind() == 4 ? medium->Point3() : medium->Point2();
  Press(*tank, handle.x, handle.y);
  Drag(*tank, handle.x - 23, handle.y + 17);
  Release(*tank, handle.x - 23, handle.y + 17);
  ASSERT_NE(medium->HandleKind() == 4 ? medium->Point3() : medium->Point2(), handle);

  const std::string saved = SavedText(*tank);
  const TRef<TWater> loaded = ReadTank(saved, 401, 250);
  ASSERT_TRUE(loaded);
  EXPECT_EQ(SavedText(*loaded), saved);
  for (int32_t x = 0; x < 401; ++x) {
    for (int32_t y = 0; y < 250; ++y)
      ASSERT_EQ(loaded->Grid()->Cell(x, y).SpeedFactor, tank->Grid()->Cell(x, y).SpeedFactor)
          << x << "," << y;
  }
}

INSTANTIATE_TEST_SUITE_P(Media, LineAndMirrorFiles,
                         testing::Values(TSavedCase{"TPlaneMirror", "Mode", "0"},
                                         TSavedCase{"TPlaneMirror", "Mode", "1"},
                                         TSavedCase{"TRefractionMapper", "Mode", "2"},
                                         TSavedCase{"TRefractionMapper", "n", "0.5"},
                                         TSavedCase{"TCurvedMirror", "MirrorType", "0"},
                                         TSavedCase{"TCurvedMirror", "MirrorType", "1"},
                                         TSavedCase{"TCurvedMirror", "MirrorType", "2"},
                                         TSavedCase{"TCurvedMirror", "MirrorType", "3"},
                                         TSavedCase{"TBarrierMapper", "Snap_to_Grid", "False"}));

}  // namespace
}  // namespace wavora::test
