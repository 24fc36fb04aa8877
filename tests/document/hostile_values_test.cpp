#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>

#include "../sim/saved_tank.h"
#include "document/class_registration.h"
#include "document/slide_commands.h"
#include "document/slideshow_file.h"
#include "document/water_collection.h"
#include "image/fast_dib.h"
#include "model/node_files.h"
#include "model/node_registry.h"
#include "model/property_text.h"
#include "sim/control_panel_model.h"
#include "sim/control_panel_tool.h"
#include "sim/frame_loop.h"
#include "sim/ri_map.h"
#include "sim/tool_panel.h"

// Every published property of every class a file may name, set in a file to values at the limits of
// its type and far beyond what any panel offers, then opened and run as the window would. The
// classes and properties come from the registry, so a new class is covered without new test code.

namespace wavora {
namespace {

constexpr int kTankSize = 64;
#if defined(__SANITIZE_ADDRESS__)
// Under the sanitizers a frame with every tool panel brought up to date costs some 0.2 to 7 ms and
// the matrix would take four minutes; a quarter of the frames still steps, samples and draws every
// object many times over.
constexpr int kFrames = 25;
#else
constexpr int kFrames = 100;
#endif

// Tool panels as the window shows them and as small as a panel can be: width, height.
using TPanelSize = std::pair<int, int>;
const TPanelSize kPanelSizes[] = {
    {TBaseCPFrame::kDesignWidth, TBaseCPFrame::kDesignHeight}, {1, 1}, {40, 20}};

const char* const kNumbers[] = {"0",     "-1",    "1",   "2147483647", "-2147483648", "1e38",
                                "-1e38", "1e-45", "150", "-150",       "1e7"};

// 100 kB of text with both quotes, angle brackets, ampersands and every control character.
std::string HostileText() {
  std::string piece = "\"'<>&</TWater>";
  for (char c = 0; c < ' '; ++c)
    piece += c;
  std::string text;
  while (text.size() < 100000)
    text += piece;
  return text;
}

std::vector<const TClassInfo*> RegisteredClasses() {
  RegisterClasses();
  std::vector<const TClassInfo*> classes;
  for (int i = 0; i < NodeRegistry().NodeCount(); ++i)
    classes.push_back(NodeRegistry().GetEntry(i).nodeClass);
  return classes;
}

// Position of "<Name" as a whole element name in a saved text, or npos.
size_t FindElement(const std::string& text, const std::string& name) {
  for (size_t at = text.find("<" + name); at != std::string::npos; at = text.find("<" + name, at + 1)) {
    const char next = text[at + 1 + name.size()];
    if (next == ' ' || next == '/' || next == '>') return at;
  }
  return std::string::npos;
}

// A saved slideshow of one slide (a tank of the empty medium and the source) that holds an object of
// the class, with the tank, the source and that object as written by the program.
std::string SlideshowHolding(const TClassInfo& nodeClass) {
  const TRef<TSlideshow> slideshow = NewSlideshow(kTankSize, kTankSize);
  const TRef<TWater> water = slideshow->GetActiveWater();
  if (nodeClass.InheritsFrom(TBaseRIMap::StaticClassInfo())) {
    water->SetRIMapClass(nodeClass);
  } else if (FindElement(test::SavedText(*slideshow), nodeClass.ClassName()) == std::string::npos &&
             !nodeClass.IsAbstract()) {
    water->add(nodeClass.Create());
  }
  return test::SavedText(*slideshow);
}

// The text with the property's value replaced in the class's element: numbers as an attribute, the
// way files hold them, text as a property element, the way the program writes text holding both
// quotes.
std::string WithValue(std::string text, const TClassInfo& nodeClass, const std::string& property,
                      const std::string& value, bool asElement) {
  const size_t open = FindElement(text, nodeClass.ClassName());
  size_t close = text.find('>', open);
  const size_t old = text.find(" " + property + "=\"", open);
  if (old < close) {
    text.erase(old, text.find('"', old + property.size() + 3) + 1 - old);
    close = text.find('>', open);
  }
  if (!asElement)
    return text.insert(open + 1 + nodeClass.ClassName().size(), " " + property + "=\"" + value + "\"");
  const std::string element = "<" + property + ">" + EncodeElementText(value) + "</" + property + ">";
  if (text[close - 1] == '/')
    return text.replace(close - 1, 2, ">" + element + "</" + nodeClass.ClassName() + ">");
  return text.insert(close + 1, element);
}

// The object of the class in an opened one-slide slideshow: the slideshow, its tank or an object in it.
const TBasicXMLNode* ObjectOf(const TWaterCollection& slideshow, const TClassInfo& nodeClass) {
  if (&slideshow.ClassInfo() == &nodeClass) return &slideshow;
  const TRef<TWater> water = slideshow.GetWater(0);
  if (!water || &water->ClassInfo() == &nodeClass) return water.Get();
  for (int i = 0; i < water->GetChildCount(); ++i) {
    if (&water->GetChildren(i)->ClassInfo() == &nodeClass) return water->GetChildren(i).Get();
  }
  return nullptr;
}

// The property's text in the object of the class after opening the file, or none when refused.
std::optional<std::string> ValueOnOpening(const std::string& path, const TClassInfo& nodeClass,
                                          const std::string& property) {
  const TRef<TWaterCollection> slideshow =
      RefCast<TWaterCollection>(OpenSlideshowFile(path, kTankSize, kTankSize).document);
  const TBasicXMLNode* object = slideshow ? ObjectOf(*slideshow, nodeClass) : nullptr;
  if (!object) return std::nullopt;
  return PropertyAsText(*object, property);
}

struct TOutcome {
  bool accepted = false;
  std::string failure;  // empty when the case passed
};

// Saves the slideshow and reopens it. Where asked, the property must come back as the object holds
// it, unless it is an identifier that every opening renews. (Run-time state such as a source's phase
// restarts on every opening, so a slide that has run is only required to reopen.)
std::string SaveAndReopen(const TWaterCollection& slideshow, const std::string& path,
                          const TClassInfo& nodeClass, const std::string& property, bool sameValue) {
  const std::string held = PropertyAsText(*ObjectOf(slideshow, nodeClass), property);
  try {
    SaveToFile(slideshow, path);
  } catch (const std::exception& e) {
    return std::string("saving failed: ") + e.what();
  }
  const std::optional<std::string> reopened = ValueOnOpening(path, nodeClass, property);
  if (!reopened) return "the saved file does not reopen";
  if (sameValue && *reopened != held && *reopened == ValueOnOpening(path, nodeClass, property))
    return "saved as " + held.substr(0, 40) + ", reopened as " + reopened->substr(0, 40);
  return "";
}

// Opens the text as the window does, saves and reopens it, runs the slide with every object's panel
// up (tool panels of the given size, down to a single pixel), checks the field holds numbers (the source
// writes past the clip between steps, so only finiteness is certain), and saves and reopens it again.
TOutcome OpenAndRun(const std::string& text, const std::string& path, const TClassInfo& nodeClass,
                    const std::string& property, TPanelSize panelSize) {
  WriteFileText(path, text);
  const TOpenedSlideshow opened = OpenSlideshowFile(path, kTankSize, kTankSize);
  const TRef<TWaterCollection> slideshow = RefCast<TWaterCollection>(opened.document);
  if (!slideshow) {
    // The refusal names the value's property: a NUL or line break shown from the file must not cut
    // the message short of it.
    const bool named = opened.message.text.find(nodeClass.ClassName() + "." + property) != std::string::npos;
    return {false, named ? "" : "refused without naming the property: " + opened.message.text.substr(0, 200)};
  }
  if (!ObjectOf(*slideshow, nodeClass)) return {true, "the object was lost"};
  if (std::string failure = SaveAndReopen(*slideshow, path, nodeClass, property, true); !failure.empty())
    return {true, failure};

  const TRef<TWater> water = slideshow->GetWater(0);
  std::vector<std::unique_ptr<TControlPanelModel>> panels;
  for (int i = 0; i < water->GetChildCount(); ++i) {
    if (const TRef<TBaseWaterObject> object = RefCast<TBaseWaterObject>(water->GetChildren(i))) {
      panels.push_back(object->CreateControlPanel());
      if (auto* toolPanel = dynamic_cast<TBaseCPFrame*>(panels.back().get()))
        toolPanel->SetBoxSize(panelSize.first, panelSize.second);
    }
  }
  TFastDIB image(kTankSize, kTankSize);
  TFrameLoop loop;
  // As in the window, the active tool's panel follows every frame; the others are drawn at the end.
  for (int frame = 0; frame < kFrames; ++frame) {
    const TFrameOutcome outcome = loop.RunFrame(water.Get(), image, false);
    for (const auto& panel : panels) {
      auto* toolPanel = dynamic_cast<TBaseCPFrame*>(panel.get());
      if (toolPanel && &toolPanel->Tool() == outcome.activePanelTool)
        toolPanel->Tool().UpdateControlPanel(*toolPanel);
    }
  }
  for (const auto& panel : panels) {
    if (auto* toolPanel = dynamic_cast<TBaseCPFrame*>(panel.get())) toolPanel->RefreshPanel();
  }
  for (int x = 0; x < water->W(); ++x) {
    for (int y = 0; y < water->H(); ++y) {
      const float d = water->DisplacementAt(x, y);
      if (!std::isfinite(d)) return {true, "the field holds " + std::to_string(d)};
    }
  }
  return {true, SaveAndReopen(*slideshow, path, nodeClass, property, false)};
}

class HostileValues : public ::testing::TestWithParam<const TClassInfo*> {};

TEST_P(HostileValues, EveryPropertyOpensRunsAndSavesOrIsRefusedWithAMessage) {
  const TClassInfo& nodeClass = *GetParam();
  const std::string base = SlideshowHolding(nodeClass);
  ASSERT_NE(FindElement(base, nodeClass.ClassName()), std::string::npos) << "no slide can hold the class";
  const std::string path = ::testing::TempDir() + "wavora_hostile_" + nodeClass.ClassName() + ".wvr";
  const std::string hostileText = HostileText();
  for (const TPropertyInfo& property : nodeClass.Properties()) {
    const bool number = property.kind != TPropertyKind::String;
    // Booleans and enumerations take their value names; every one of them is run too.
    std::vector<std::string> values(std::begin(kNumbers), std::end(kNumbers));
    values.insert(values.end(), property.valueNames.begin(), property.valueNames.end());
    for (size_t i = 0; i < values.size(); ++i) {
      SCOPED_TRACE(nodeClass.ClassName() + "." + property.name + " = " + values[i]);
      EXPECT_EQ(OpenAndRun(WithValue(base, nodeClass, property.name, values[i], false), path, nodeClass,
                           property.name, kPanelSizes[i % std::size(kPanelSizes)])
                    .failure,
                "");
    }
    SCOPED_TRACE(nodeClass.ClassName() + "." + property.name + " = 100 kB of text");
    const TOutcome text = OpenAndRun(WithValue(base, nodeClass, property.name, hostileText, true), path,
                                     nodeClass, property.name, kPanelSizes[0]);
    EXPECT_EQ(text.failure, "");
    EXPECT_NE(text.accepted, number) << "text is refused exactly where a number is expected";
  }
}

INSTANTIATE_TEST_SUITE_P(RegisteredClasses, HostileValues, ::testing::ValuesIn(RegisteredClasses()),
                         [](const auto& info) { return info.param->ClassName(); });

// Presses on every handle of the medium and drags each far outside the tank and back.
void DragEveryHandle(TWater& water, const TBaseControl& medium) {
  for (const TPoint handle : {medium.Point1(), medium.Point2(), medium.Point3()}) {
    const int32_t Y = water.H() - 1 - handle.y;
    water.MouseDown(TMouseButton::Left, {}, handle.x, Y);
    water.MouseMove({}, -1000, -1000);
    water.MouseMove({}, water.W() + 1000, water.H() + 1000);
    water.MouseMove({}, handle.x, Y);
    water.MouseUp(TMouseButton::Left, {}, handle.x, Y);
  }
}

TPropertyValue Extreme(TPropertyKind kind, size_t i) {
  static const float kSingles[] = {std::nanf(""), INFINITY, -INFINITY, -1e30f, 1e30f, 3.4e38f, 1e-40f,
                                   -0.0f,         -5,       7,         100000, 50,    1,       2};
  static const int32_t kIntegers[] = {
      std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max(), -1, 0, 1, 2, 3, 4, 7, 100000};
  if (kind == TPropertyKind::Single) return kSingles[i % std::size(kSingles)];
  return kIntegers[i % std::size(kIntegers)];
}

// Files can only bring what the reader accepts; objects are held to more: every value of every
// number a medium publishes, NaN and infinities too, on tanks of every shape down to a few cells.
TEST(HostileMediumValues, EveryMediumMapsDrawsAndDragsWithAnyValue) {
  RegisterClasses();
  for (const auto& [width, height] : {std::pair{60, 40}, std::pair{13, 250}, std::pair{5, 5}}) {
    TFastDIB image(width, height);
    for (int c = 1; c < MapClassCount(); ++c) {
      for (const TPropertyInfo& property : MapClass(c)->Properties()) {
        if (property.kind != TPropertyKind::Single && property.kind != TPropertyKind::Integer) continue;
        if (property.name == "UniqueID") continue;
        for (size_t i = 0; i < 14; ++i) {
          const TRef<TSlideshow> slideshow = NewSlideshow(width, height);
          const TRef<TWater> water = slideshow->GetActiveWater();
          water->SetRIMapClass(*MapClass(c));
          const TRef<TBaseRIMap> medium = water->GetRIMap();
          SCOPED_TRACE(MapClass(c)->ClassName() + "." + property.name + " #" + std::to_string(i));
          property.set(*medium, Extreme(property.kind, i));
          water->SetSize(width, height);
          TFrameLoop loop;
          for (int frame = 0; frame < 2; ++frame)
            loop.RunFrame(water.Get(), image, false);
          DragEveryHandle(*water, *medium);
          water->DrawOnly(image);
        }
      }
    }
  }
}

}  // namespace
}  // namespace wavora
