#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "document/class_registration.h"
#include "image/fast_dib.h"
#include "media/block_mapper.h"
#include "media/lens_mapper.h"
#include "media/mode_buttons_cp.h"
#include "media_test_tank.h"
#include "model/property_text.h"
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

// A medium as a user leaves it: a setting (if any) made on its panel, then its first handle that takes
// a press dragged away (the empty tank, the slits, the Earth and the tsunami have none).
struct TLeftCase {
  const char* className;
  const char* setting = nullptr;
  const char* value = nullptr;
};

// Whether a handle was dragged.
bool LeaveChanged(TWater& tank, const TLeftCase& c) {
  TBaseRIMap& medium = *tank.GetRIMap();
  if (c.setting) SetPropertyFromText(medium, c.setting, c.value, false);
  std::vector<TPoint> handles = {medium.Point3(), medium.Point1(), medium.Point2()};
  if (const auto* block = dynamic_cast<TBlockRIMapper*>(&medium)) {
    handles = {{int32_t(std::lround(block->Handle(2).x)), int32_t(std::lround(block->Handle(2).y))}};
  } else if (const auto* lens = dynamic_cast<TLensMapper*>(&medium)) {
    handles = {lens->FocusHandle()};
  }
  for (const TPoint p : handles) {
    Press(tank, p.x, p.y);
    const bool held = tank.CapturedObject().Get() == &medium;
    Drag(tank, p.x - 23, p.y + 17);
    Release(tank, p.x - 23, p.y + 17);
    if (held) return true;
  }
  return false;
}

class MediumLeft : public testing::TestWithParam<TLeftCase> {};

// Each medium as the user left it survives saving and reopening, a display shape changed and back
// (the file stays byte for byte the same), and another experiment chosen, the slide saved and
// reopened, and the medium chosen again.
TEST_P(MediumLeft, KeepsWhatTheUserLeftThroughFilesShapesAndOtherExperiments) {
  const TLeftCase c = GetParam();
  SCOPED_TRACE(c.className);
  RegisterClasses();
  const int index = MapClassIndexOf(c.className);
  const TRef<TWater> tank = TankWithMedium(*MapClass(index), 401, 250);
  const TWaterGrid fresh = *tank->Grid();
  const std::string_view name = c.className;
  const bool handleless = name == "TNoneRIMap" || name == "TSlitsRIMapper" || name == "TEarthRIMapper" ||
                          name == "TTsunamiRIMapper";
  EXPECT_EQ(LeaveChanged(*tank, c), !handleless);
  if (index > 0) {
    EXPECT_FALSE(SameMedium(*tank->Grid(), fresh)) << "the change shows in the tank";
  }
  const std::string saved = SavedText(*tank);
  const TWaterGrid left = *tank->Grid();

  const TRef<TWater> loaded = Reloaded(*tank);
  ASSERT_TRUE(loaded);
  EXPECT_EQ(SavedText(*loaded), saved);
  EXPECT_TRUE(SameMedium(*loaded->Grid(), left));

  tank->SetSize(201, 401);
  EXPECT_TRUE(SameMedium(*ReadTank(SavedText(*tank), 401, 250)->Grid(), left)) << "saved on another shape";
  tank->SetSize(401, 250);
  EXPECT_EQ(SavedText(*tank), saved);
  EXPECT_TRUE(SameMedium(*tank->Grid(), left));

  const TRef<TBaseRIMap> medium = tank->GetRIMap();
  tank->SetRIMapClass(*MapClass(index == 0 ? 1 : 0));
  EXPECT_FALSE(medium->Grid()) << "a parked medium lets go of the tank's grid";
  const TRef<TWater> reopened = Reloaded(*tank);
  ASSERT_TRUE(reopened);
  reopened->SetRIMapClass(*MapClass(index));
  EXPECT_TRUE(SameMedium(*reopened->Grid(), left));
}

INSTANTIATE_TEST_SUITE_P(
    EveryMedium, MediumLeft,
    testing::Values(TLeftCase{"TNoneRIMap"}, TLeftCase{"TBlockRIMapper"}, TLeftCase{"TRefractionMapper"},
                    TLeftCase{"TRefractionMapper", "Mode", "2"}, TLeftCase{"TRefractionMapper", "n", "0.5"},
                    TLeftCase{"TPlaneMirror"}, TLeftCase{"TPlaneMirror", "Mode", "0"},
                    TLeftCase{"TLensMapper"}, TLeftCase{"TLensMapper", "LensType", "1"},
                    TLeftCase{"TCurvedMirror"}, TLeftCase{"TCurvedMirror", "MirrorType", "1"},
                    TLeftCase{"TCurvedMirror", "MirrorType", "2"},
                    TLeftCase{"TCurvedMirror", "MirrorType", "3"}, TLeftCase{"TBarrierMapper"},
                    TLeftCase{"TBarrierMapper", "Snap_to_Grid", "False"},
                    TLeftCase{"TSlitsRIMapper", "Number", "3"}, TLeftCase{"TSimpleWaveGuideRIMapper"},
                    TLeftCase{"TSimpleWaveGuideRIMapper", "FibreWidth", "44"},
                    TLeftCase{"TEarthRIMapper", "Mode", "4"}, TLeftCase{"TTsunamiRIMapper", "Mode", "2"},
                    TLeftCase{"TSlitsRIMapper", "Width", "0"}));

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

// A panel of mode buttons opens with the button of the medium's value down, the fallback's for a value
// no button stands for, and a click sets the value by name.
TEST(ModePanels, OpenOnTheButtonOfTheValueAndClicksSetItByName) {
  const struct {
    const char* className;
    const char* property;
    int32_t value, down, click;
  } cases[] = {
      {"TCurvedMirror", "MirrorType", 0, 0, 3}, {"TCurvedMirror", "MirrorType", 1, 1, 3},
      {"TCurvedMirror", "MirrorType", 2, 2, 3}, {"TCurvedMirror", "MirrorType", 3, 3, 1},
      {"TCurvedMirror", "MirrorType", 7, 0, 3}, {"TPlaneMirror", "Mode", 0, 0, 1},
      {"TPlaneMirror", "Mode", 1, 1, 0},        {"TPlaneMirror", "Mode", 2, 0, 1},
      {"TPlaneMirror", "Mode", 9, 0, 1},        {"TRefractionMapper", "Mode", 0, 0, 2},
      {"TRefractionMapper", "Mode", 1, 1, 2},   {"TRefractionMapper", "Mode", 2, 2, 0},
      {"TRefractionMapper", "Mode", 9, 1, 2},   {"TEarthRIMapper", "Mode", 3, 3, 4},
      {"TEarthRIMapper", "Mode", 2, 2, 4},      {"TEarthRIMapper", "Mode", 5, 0, 4},
      {"TEarthRIMapper", "Mode", -1, 0, 4},     {"TTsunamiRIMapper", "Mode", 1, 1, 0},
      {"TTsunamiRIMapper", "Mode", 2, 2, 1},    {"TTsunamiRIMapper", "Mode", 3, 0, 1},
      {"TTsunamiRIMapper", "Mode", 0, 0, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.className) + " " + std::to_string(c.value));
    const TRef<TWater> tank = MakeTank(250, 250);
    tank->SetRIMapClass(*MapClass(MapClassIndexOf(c.className)));
    TBaseRIMap& medium = *tank->GetRIMap();
    SetPropertyFromText(medium, c.property, std::to_string(c.value), false);
    const auto panel = PanelOf<TModeButtonsCP>(medium);
    ASSERT_TRUE(panel);
    EXPECT_EQ(panel->DownTag(), c.down);
    panel->TypeClick(c.click);
    EXPECT_EQ(PropertyAsText(medium, c.property), std::to_string(c.click));
    EXPECT_EQ(panel->DownTag(), c.click);
  }
}

// Every mapping pass of the Earth and the tsunami maps suggests anew the source their mode wants, even
// after a source took and changed the suggestion. Earth, 250 cells: a beam at round(R + D / 2) = 191
// above the atmosphere, a point on top of the Earth inside it. Tsunami: W x 323 div 401, H x 159 div
// 401 for the Indian Ocean, W x 307 div 401, H x 150 div 401 for the Atlantic, a beam for the beach.
TEST(SourceSuggestion, EveryPassSuggestsTheSourceOfTheMode) {
  const struct {
    const char* className;
    int32_t mode, side;
    int32_t type, row, x, y;
  } cases[] = {
      {"TEarthRIMapper", 0, 250, 1, 191, 15, 191},  {"TEarthRIMapper", 1, 250, 1, 191, 15, 191},
      {"TEarthRIMapper", 3, 250, 0, 125, 125, 225}, {"TEarthRIMapper", 4, 250, 0, 125, 125, 225},
      {"TEarthRIMapper", 2, 250, -1, 0, 0, 0},      {"TEarthRIMapper", 12, 250, -1, 0, 0, 0},
      {"TTsunamiRIMapper", 0, 401, 0, 0, 323, 159}, {"TTsunamiRIMapper", 0, 250, 0, 0, 201, 99},
      {"TTsunamiRIMapper", 1, 500, 0, 0, 382, 187}, {"TTsunamiRIMapper", 2, 401, 2, 0, 0, 0},
      {"TTsunamiRIMapper", 3, 401, -1, 0, 0, 0},    {"TTsunamiRIMapper", -8, 401, -1, 0, 0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.className) + " " + std::to_string(c.mode) + " " + std::to_string(c.side));
    const TRef<TWater> tank = MakeTank(c.side, c.side);
    tank->SetRIMapClass(*MapClass(MapClassIndexOf(c.className)));
    TBaseRIMap& medium = *tank->GetRIMap();
    SetPropertyFromText(medium, "Mode", std::to_string(c.mode), false);
    tank->SuggestedBeamType = 5;  // as if a source had taken and changed it
    tank->SuggestedBeamRow = tank->SuggestedSourceX = tank->SuggestedSourceY = 9;
    medium.MapToWater();
    EXPECT_EQ(tank->SuggestedBeamType, c.type);
    EXPECT_EQ(tank->SuggestedBeamRow, c.row);
    EXPECT_EQ(tank->SuggestedSourceX, c.x);
    EXPECT_EQ(tank->SuggestedSourceY, c.y);
  }
}

}  // namespace
}  // namespace wavora::test
