#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <limits>
#include <ostream>
#include <regex>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "../sim/saved_tank.h"
#include "document/class_registration.h"
#include "document/slide_commands.h"
#include "document/water_collection.h"
#include "media/fiber_control_panel.h"
#include "media/lens_cp.h"
#include "media/mode_buttons_cp.h"
#include "media/refraction_cp.h"
#include "media/slits_control_panel.h"
#include "model/node_registry.h"
#include "sim/control_panel_tool.h"
#include "sim/exciter.h"
#include "sim/general_exciter_cp.h"
#include "sim/refractive_index_cp.h"
#include "sim/ri_map.h"
#include "sim/tool_panel.h"
#include "tools/point_logger_cp.h"

// Every panel of every class a tank can hold, shown and changed only through the panel interface, the
// way a shell that does not know the panel's class does: each control it lists changes exactly as its
// named handler changes it, and every change a control refuses leaves everything as it was.

namespace wavora {

// Found by the test library beside the type, so that failures name the outcome.
void PrintTo(TChangeResult result, std::ostream* out) {
  *out << "change result " << int(result);
}

namespace {

constexpr int kRigSize = 64;
// Steps before and after each change, so that what it does to a running source reaches the field.
constexpr int kRunSteps = 20;

using THandler = std::function<void(TControlPanelModel&)>;

// The named handler of a panel class, as its view calls it.
template <class TPanel>
THandler On(void (*handler)(TPanel&)) {
  return [handler](TControlPanelModel& panel) { handler(dynamic_cast<TPanel&>(panel)); };
}

// A control other than a menu entry, changed to value through the interface and by its handler, after
// what brings the panel to where the control is shown.
struct TRow {
  std::string object;
  std::string id;
  int32_t value;
  THandler handler;
  THandler before = [](TControlPanelModel&) {};
};

using TSource = TGeneralExciterCP;
using TIndex = TRefractiveIndexCP;
using TSlits = TSlitsControlPanel;

const std::vector<TRow>& Rows() {
  static const std::vector<TRow> rows = {
      {"TGeneralExciter", "Type1", 3, On<TSource>([](auto& p) { p.ShapeMenuClick(3); })},
      {"TGeneralExciter", "PowerButton", 0, On<TSource>([](auto& p) { p.PowerButtonClick(); })},
      {"TGeneralExciter", "OneWave", 0, On<TSource>([](auto& p) { p.OneWaveClick(); })},
      {"TGeneralExciter", "WavelengthBar", 20, On<TSource>([](auto& p) { p.SetWavelengthBar(20); })},
      {"TGeneralExciter", "CustomSpeedButton1", 0, On<TSource>([](auto& p) { p.CustomSpeedButton1Click(); })},
      {"TGeneralExciter", "FrequencyBar", 30, On<TSource>([](auto& p) { p.SetFrequencyBar(30); }),
       On<TSource>([](auto& p) { p.CustomSpeedButton1Click(); })},
      {"TGeneralExciter", "DetuneSlider", 25, On<TSource>([](auto& p) { p.SetDetuneSlider(25); }),
       On<TSource>([](auto& p) { p.ShapeMenuClick(3); })},
      {"TGeneralExciter", "MachSlider", 15, On<TSource>([](auto& p) { p.SetMachSlider(15); }),
       On<TSource>([](auto& p) { p.ShapeMenuClick(4); })},
      {"TGeneralExciter", "HarmonicsButton", 0, On<TSource>([](auto& p) { p.HarmonicsButtonClick(); }),
       On<TSource>([](auto& p) { p.ShapeMenuClick(4); })},
      {"TGeneralExciter", "DopplerReset", 0, On<TSource>([](auto& p) { p.DopplerResetClick(); }),
       On<TSource>([](auto& p) { p.ShapeMenuClick(4); })},
      {"TBlockRIMapper", "RfIndex", 4, On<TIndex>([](auto& p) { p.SetPosition(4); })},
      {"TPlaneMirror", "Mode", 0, On<TModeButtonsCP>([](auto& p) { p.TypeClick(0); })},
      {"TRefractionMapper", "Mode", 2, On<TModeButtonsCP>([](auto& p) { p.TypeClick(2); })},
      {"TRefractionMapper", "RefractiveIndexCP1.RfIndex", 3,
       On<TRefractionCP>([](auto& p) { p.RefractiveIndexCP1().SetPosition(3); })},
      {"TCurvedMirror", "MirrorType", 3, On<TModeButtonsCP>([](auto& p) { p.TypeClick(3); })},
      {"TLensMapper", "LensType", 1, On<TLensControlpanel>([](auto& p) { p.Type1Click(1); })},
      {"TLensMapper", "RefractiveIndexCP1.RfIndex", 2,
       On<TLensControlpanel>([](auto& p) { p.RefractiveIndexCP1().SetPosition(2); })},
      {"TSimpleWaveGuideRIMapper", "WidthSlider", 20,
       On<TFiberControlPanel>([](auto& p) { p.SetWidthSliderPosition(20); })},
      {"TSimpleWaveGuideRIMapper", "RefractiveIndexCP1.RfIndex", 2,
       On<TFiberControlPanel>([](auto& p) { p.RefractiveIndexCP1().SetPosition(2); })},
      {"TSlitsRIMapper", "SlitCount", 3, On<TSlits>([](auto& p) { p.SetPosition(TSlits::SlitCount, 3); })},
      {"TSlitsRIMapper", "WidthBar", 5, On<TSlits>([](auto& p) { p.SetPosition(TSlits::WidthBar, 5); })},
      {"TSlitsRIMapper", "SpacingBar", 30,
       On<TSlits>([](auto& p) { p.SetPosition(TSlits::SpacingBar, 30); })},
      {"TEarthRIMapper", "Mode", 3, On<TModeButtonsCP>([](auto& p) { p.TypeClick(3); })},
      {"TTsunamiRIMapper", "Mode", 1, On<TModeButtonsCP>([](auto& p) { p.TypeClick(1); })},
      {"TPointLoggerTool", "StopButton", 0, On<TPointLoggerCP>([](auto& p) { p.StopButtonClick(); })},
      {"TPointLoggerTool", "RecButton", 0, On<TPointLoggerCP>([](auto& p) { p.RecButtonClick(); }),
       On<TPointLoggerCP>([](auto& p) { p.StopButtonClick(); })},
      {"TPointLoggerTool", "ClearButton", 0, On<TPointLoggerCP>([](auto& p) { p.ClearButtonClick(); })},
  };
  return rows;
}

std::string Digest(const void* bytes, size_t size) {
  return std::to_string(std::hash<std::string_view>()({static_cast<const char*>(bytes), size}));
}

// A new slide holding an object of the class, and the object's panel.
struct TRig {
  explicit TRig(const TClassInfo& objectClass) {
    if (objectClass.InheritsFrom(TBaseRIMap::StaticClassInfo())) {
      water->SetRIMapClass(objectClass);
      object = water->GetRIMap();
    } else if (&water->GetExciter()->ClassInfo() == &objectClass) {
      object = water->GetExciter();
    } else {
      object = RefCast<TBaseWaterObject>(objectClass.Create());
      water->add(object);
    }
    panel = object->CreateControlPanel();
    if (auto* frame = dynamic_cast<TBaseCPFrame*>(panel.get())) frame->SetBoxSize(120, 60);
  }

  // Steps the tank, the tool's panel following each step as the active one does in the window.
  void Run() {
    for (int i = 0; i < kRunSteps; ++i) {
      water->Step();
      if (auto* frame = dynamic_cast<TBaseCPFrame*>(panel.get())) frame->Tool().UpdateControlPanel(*frame);
    }
  }

  // All a user can see of the experiment: the objects as a file keeps them (identifiers aside, as every
  // object has its own), the field, the panel's controls and a tool panel's picture.
  std::string State() {
    Run();
    static const std::regex kIds(" UniqueID=\"[^\"]*\"");
    std::string state = std::regex_replace(test::SavedText(*water), kIds, "");
    const TWaterGrid& grid = *water->Grid();
    state += "\nfield " + Digest(grid.Displacements(0), grid.CellCount() * sizeof(float));
    for (const TPanelControl& c : panel->Controls()) {
      state += "\n" + c.id + "|" + std::to_string(int(c.kind)) + "|" + c.caption + "|" + c.hint + "|" +
               c.text + "|" + std::to_string(c.min) + "|" + std::to_string(c.max) + "|" +
               std::to_string(c.step) + "|" + std::to_string(c.value) + "|" + std::to_string(c.toggle) +
               std::to_string(c.separated) + std::to_string(c.enabled) + std::to_string(c.visible) + "|" +
               std::to_string(int(c.command));
      for (const TControlItem& item : c.items)
        state += "|" + std::to_string(item.value) + item.name + item.caption + item.hint + item.heading;
    }
    if (auto* frame = dynamic_cast<TBaseCPFrame*>(panel.get())) {
      const TFastDIB& picture = frame->BoxPicture();
      state +=
          "\npicture " + Digest(picture.Bits(), size_t(picture.BytesPerRow()) * size_t(picture.Height()));
    }
    return state;
  }

  TRef<TSlideshow> slideshow = NewSlideshow(kRigSize, kRigSize);
  TRef<TWater> water = slideshow->GetActiveWater();
  TRef<TBaseWaterObject> object;
  std::unique_ptr<TControlPanelModel> panel;
};

// The classes a tank can hold whose objects have a panel.
std::vector<const TClassInfo*> ClassesWithPanels() {
  RegisterClasses();
  std::vector<const TClassInfo*> classes;
  for (int i = 0; i < NodeRegistry().NodeCount(); ++i) {
    const TClassInfo* objectClass = NodeRegistry().GetEntry(i).nodeClass;
    if (objectClass->InheritsFrom(TBaseWaterObject::StaticClassInfo()) && !objectClass->IsAbstract() &&
        TRig(*objectClass).panel)
      classes.push_back(objectClass);
  }
  return classes;
}

// Runs the change on three like experiments: through the interface on the first, by the handler on the
// second, not at all on the third. The first two must end alike and, when the change does anything,
// unlike the third.
void ExpectChangeAsHandler(const TClassInfo& objectClass, const std::string& id, int32_t value,
                           const THandler& handler, const THandler& before, bool changes) {
  SCOPED_TRACE(id + " = " + std::to_string(value));
  TRig viaInterface(objectClass), viaHandler(objectClass), unchanged(objectClass);
  for (TRig* rig : {&viaInterface, &viaHandler, &unchanged}) {
    before(*rig->panel);
    rig->Run();
  }
  const auto shown = viaInterface.panel->Controls();
  ASSERT_TRUE(std::any_of(shown.begin(), shown.end(), [&id](const auto& c) {
    return c.id == id && c.visible;
  })) << "the control is not shown";
  ASSERT_EQ(viaInterface.panel->Change(id, value), TChangeResult::Done);
  handler(*viaHandler.panel);
  const std::string state = viaInterface.State();
  EXPECT_EQ(state, viaHandler.State()) << "the interface and the handler differ";
  if (changes) {
    EXPECT_NE(state, unchanged.State()) << "the change shows nowhere";
  }
}

class PanelControls : public ::testing::TestWithParam<const TClassInfo*> {};

TEST_P(PanelControls, EveryControlChangesAsItsHandlerAndRefusalsChangeNothing) {
  const TClassInfo& objectClass = *GetParam();
  TRig refused(objectClass), untouched(objectClass);
  const std::vector<TPanelControl> controls = refused.panel->Controls();

  // Complete and coherent: unique ids, ranges holding their values, labels for what a user presses,
  // and a row for every control a menu does not hold.
  std::set<std::string> ids, listed;
  for (const TPanelControl& c : controls) {
    SCOPED_TRACE(c.id);
    EXPECT_TRUE(ids.insert(c.id).second) << "the id is not unique";
    const bool pressed = c.kind == TControlKind::Button || c.kind == TControlKind::MenuEntry;
    EXPECT_TRUE(!pressed || !c.caption.empty() || !c.hint.empty()) << "nothing to label it";
    EXPECT_TRUE(c.kind != TControlKind::Slider || (c.step > 0 && c.min <= c.value && c.value <= c.max));
    EXPECT_EQ(c.kind == TControlKind::ButtonGroup, !c.items.empty());
    for (const TControlItem& item : c.items)
      EXPECT_FALSE(item.caption.empty() && item.hint.empty()) << item.name;
    if (c.kind != TControlKind::ReadOut && c.kind != TControlKind::MenuEntry) listed.insert(c.id);
  }
  std::set<std::string> rowIds;
  for (const TRow& row : Rows()) {
    if (row.object == objectClass.ClassName()) rowIds.insert(row.id);
  }
  EXPECT_EQ(listed, rowIds) << "the controls listed and the rows of the table differ";

  // Refusals (unknown ids, read-outs, hidden controls, values off a slider or no group item's) and
  // menu commands, which the shell carries out.
  EXPECT_EQ(refused.panel->Change("NoSuchControl", 0), TChangeResult::UnknownControl);
  EXPECT_EQ(refused.panel->Change("RefractiveIndexCP1.NoSuchControl", 0), TChangeResult::UnknownControl);
  for (const TPanelControl& c : controls) {
    SCOPED_TRACE(c.id);
    if (!c.visible) {
      EXPECT_EQ(refused.panel->Change(c.id, c.value), TChangeResult::Hidden);
    } else if (c.kind == TControlKind::ReadOut) {
      EXPECT_EQ(refused.panel->Change(c.id, 0), TChangeResult::ReadOnly);
    } else if (c.kind == TControlKind::Slider) {
      for (const int32_t value : {c.min - 1, c.max + 1, std::numeric_limits<int32_t>::min()})
        EXPECT_EQ(refused.panel->Change(c.id, value), TChangeResult::OutOfRange) << value;
    } else if (c.kind == TControlKind::ButtonGroup) {
      int32_t past = std::numeric_limits<int32_t>::min();
      for (const TControlItem& item : c.items)
        past = std::max(past, item.value + 1);
      EXPECT_EQ(refused.panel->Change(c.id, past), TChangeResult::OutOfRange);
    } else if (c.kind == TControlKind::MenuEntry && c.command != TPanelCommand::Setting) {
      EXPECT_EQ(refused.panel->Change(c.id, 0), TChangeResult::ShellCommand);
    }
  }
  EXPECT_EQ(refused.State(), untouched.State()) << "a refused change changed something";

  for (const TRow& row : Rows()) {
    if (row.object == objectClass.ClassName())
      ExpectChangeAsHandler(objectClass, row.id, row.value, row.handler, row.before, true);
  }
  // The view chooses a setting of the menu through the panel's PopupMenuClick.
  for (const TPanelControl& c : controls) {
    if (c.kind != TControlKind::MenuEntry || c.command != TPanelCommand::Setting) continue;
    const THandler choose = [id = c.id](TControlPanelModel& panel) {
      auto& frame = dynamic_cast<TBaseCPFrame&>(panel);
      for (const TPanelMenuEntry& entry : frame.MenuEntries()) {
        if (entry.name == id) frame.PopupMenuClick(entry);
      }
    };
    ExpectChangeAsHandler(
        objectClass, c.id, 0, choose, [](TControlPanelModel&) {}, c.value == 0);
  }
}

INSTANTIATE_TEST_SUITE_P(RegisteredClasses, PanelControls, ::testing::ValuesIn(ClassesWithPanels()),
                         [](const auto& info) { return info.param->ClassName(); });

// No panel disables a control yet; the interface refuses a disabled one all the same.
TEST(PanelControlRefusals, ADisabledControlIsNotPressed) {
  struct TPanel : TControlPanelModel {
    std::vector<TPanelControl> OwnControls() const override {
      TPanelControl button = ButtonControl("Button", "Press", {});
      button.enabled = false;
      return {button};
    }
    TChangeResult ApplyChange(const TPanelControl&, int32_t) override {
      ++presses;
      return TChangeResult::Done;
    }
    int presses = 0;
  } panel;
  EXPECT_EQ(panel.Change("Button", 0), TChangeResult::Disabled);
  EXPECT_EQ(panel.presses, 0);
}

}  // namespace
}  // namespace wavora
