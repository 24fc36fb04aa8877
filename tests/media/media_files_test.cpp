#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "document/class_registration.h"
#include "image/fast_dib.h"
#include "media_test_tank.h"
#include "medium_in_tank.h"
#include "sim/ri_map.h"

namespace wavora::test {
namespace {

TRef<TWater> TankWithMedium(const TClassInfo& mediumClass, int32_t width, int32_t height) {
  RegisterClasses();
  const TRef<TWater> tank = MakeNode<TWater>();
  tank->SetSize(width, height);
  tank->SetRIMapClass(mediumClass);
  return tank;
}

TEST(MediumFiles, EveryMediumSurvivesSaveAndReload) {
  RegisterClasses();
  for (int i = 0; i < MapClassCount(); ++i) {
    const TRef<TWater> tank = TankWithMedium(*MapClass(i), 401, 401);
    const TRef<TWater> loaded = Reloaded(*tank);
    ASSERT_TRUE(loaded) << MapClass(i)->ClassName();
    EXPECT_EQ(SavedText(*loaded), SavedText(*tank)) << MapClass(i)->ClassName();
    EXPECT_TRUE(SameMedium(*loaded->Grid(), *tank->Grid())) << MapClass(i)->ClassName();
  }
}

// Values a file or a property edit may hand a medium, far outside what the panels and drags produce.
constexpr float kHostileSingles[] = {std::numeric_limits<float>::quiet_NaN(),
                                     std::numeric_limits<float>::infinity(),
                                     -1e30f,
                                     1e30f,
                                     3.4e38f,
                                     -5,
                                     0,
                                     1e-40f};
constexpr int32_t kHostileIntegers[] = {std::numeric_limits<int32_t>::min(), -5, 2, 7,
                                        std::numeric_limits<int32_t>::max()};

// Maps, draws and drags the tank's medium from presses all over the tank; the sanitizer build
// catches any write outside the grid, and every loop must end.
void Exercise(TWater& tank) {
  tank.SetSize(tank.W(), tank.H());
  TFastDIB image(tank.W(), tank.H());
  tank.DrawOnly(image);
  for (int32_t X = 0; X < tank.W(); X += 5) {
    for (int32_t Y = 0; Y < tank.H(); Y += 5) {
      tank.MouseDown(TMouseButton::Left, {}, X, Y);
      for (const int32_t far : {-100000, 0, 1, 100000})
        tank.MouseMove({}, far, X - far);
      tank.MouseUp(TMouseButton::Left, {}, X, Y);
    }
  }
  tank.DrawOnly(image);
  for (int32_t x = 0; x < tank.W(); ++x) {
    for (int32_t y = 0; y < tank.H(); ++y) {
      const float speedFactor = tank.Grid()->Cell(x, y).SpeedFactor;
      ASSERT_TRUE(speedFactor >= 0 && speedFactor <= 0.5f) << x << "," << y;
    }
  }
}

TEST(MediumFiles, HostileValuesMapDrawAndDragWithoutHarm) {
  RegisterClasses();
  for (int i = 0; i < MapClassCount(); ++i) {
    const TClassInfo& mediumClass = *MapClass(i);
    for (const auto& [width, height] : {std::pair{72, 48}, std::pair{30, 90}}) {
      const TRef<TWater> tank = TankWithMedium(mediumClass, width, height);
      TBaseRIMap& medium = *tank->GetRIMap();
      for (const TPropertyInfo& property : mediumClass.Properties()) {
        if (property.name == "UniqueID") continue;
        if (property.kind == TPropertyKind::Single) {
          for (const float value : kHostileSingles) {
            property.set(medium, value);
            Exercise(*tank);
          }
        } else if (property.kind == TPropertyKind::Integer) {
          for (const int32_t value : kHostileIntegers) {
            property.set(medium, value);
            Exercise(*tank);
          }
        }
      }
      // Every single at once, so that pairs such as Cs = Sn = 0 meet.
      for (const float value : kHostileSingles) {
        for (const TPropertyInfo& property : mediumClass.Properties()) {
          if (property.kind == TPropertyKind::Single) property.set(medium, value);
        }
        Exercise(*tank);
      }
    }
  }
}

}  // namespace
}  // namespace wavora::test
