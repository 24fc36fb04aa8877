// The page's way into the core: a lesson session with its texts as JSON, its pictures as RGBA bytes
// and its files as bytes, each a view into the module's memory that stays valid until the next call
// that makes the same kind of answer (the page copies what it keeps).

#include <algorithm>
#include <iterator>
#include <string_view>
#include <unordered_map>

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include "document/class_registration.h"
#include "document/example_order.h"
#include "document/experiment_preview.h"
#include "document/lesson_session.h"
#include "document/slideshow_file.h"
#include "sim/control_panel_model.h"
#include "sim/text_language.h"
#include "web/json_text.h"
#include "web/page_texts.h"

namespace wavora {

namespace {

const char* KindName(TMessageBox::TKind kind) {
  switch (kind) {
    case TMessageBox::mbInformation:
      return "information";
    case TMessageBox::mbWarning:
      return "warning";
    case TMessageBox::mbError:
      return "error";
    case TMessageBox::mbNone:
      break;
  }
  return "none";
}

const char* ControlKindName(TControlKind kind) {
  switch (kind) {
    case TControlKind::Button:
      return "button";
    case TControlKind::ButtonGroup:
      return "group";
    case TControlKind::Slider:
      return "slider";
    case TControlKind::ReadOut:
      return "readout";
    case TControlKind::MenuEntry:
      return "menu";
  }
  return "readout";
}

const char* CommandName(TPanelCommand command) {
  switch (command) {
    case TPanelCommand::Setting:
      return "setting";
    case TPanelCommand::SaveSnapshot:
      return "saveSnapshot";
    case TPanelCommand::CopySnapshot:
      return "copySnapshot";
    case TPanelCommand::SaveData:
      return "saveData";
    case TPanelCommand::CopyData:
      return "copyData";
  }
  return "setting";
}

const char* ResultName(TChangeResult result) {
  switch (result) {
    case TChangeResult::Done:
      return "done";
    case TChangeResult::ShellCommand:
      return "shellCommand";
    case TChangeResult::UnknownControl:
      return "unknownControl";
    case TChangeResult::ReadOnly:
      return "readOnly";
    case TChangeResult::Hidden:
      return "hidden";
    case TChangeResult::Disabled:
      return "disabled";
    case TChangeResult::OutOfRange:
      return "outOfRange";
  }
  return "unknownControl";
}

// The tools' pictures by the image index the tool list gives them: files of the page's icons folder
// (assets/icons), as the window's tool menu shows them.
std::string_view ToolPicture(int imageIndex) {
  static constexpr std::string_view kPictures[] = {
      "",           "ruler",       "protractor", "cross_section", "intensity",
      "paper_tape", "level_meter", "stopwatch",  "spectrometer"};
  return imageIndex > 0 && imageIndex < int(std::size(kPictures)) ? kPictures[imageIndex] : "";
}

std::string CatalogueJson(const std::vector<TCatalogueEntry>& entries) {
  TJsonText json;
  json.BeginArray();
  for (const TCatalogueEntry& entry : entries) {
    json.BeginObject().Key("className").Value(entry.className).Key("typeName").Value(entry.typeName);
    json.Key("description").Value(entry.description).Key("helpPage").Value(entry.helpPage);
    json.Key("picture").Value(ToolPicture(entry.imageIndex)).EndObject();
  }
  return json.EndArray().Text();
}

const char* ObjectKindName(TObjectKind kind) {
  switch (kind) {
    case TObjectKind::Source:
      return "source";
    case TObjectKind::Medium:
      return "medium";
    case TObjectKind::Tool:
      return "tool";
    case TObjectKind::PanelTool:
      return "panelTool";
  }
  return "tool";
}

void ControlJson(TJsonText& json, const TPanelControl& control) {
  json.BeginObject().Key("id").Value(control.id).Key("kind").Value(ControlKindName(control.kind));
  json.Key("caption").Value(control.caption).Key("hint").Value(control.hint).Key("text").Value(control.text);
  json.Key("min").Value(control.min).Key("max").Value(control.max).Key("step").Value(control.step);
  json.Key("value").Value(control.value).Key("toggle").Value(control.toggle);
  json.Key("command").Value(CommandName(control.command)).Key("separated").Value(control.separated);
  json.Key("enabled").Value(control.enabled).Key("visible").Value(control.visible);
  json.Key("items").BeginArray();
  for (const TControlItem& item : control.items) {
    json.BeginObject().Key("value").Value(item.value).Key("name").Value(item.name);
    json.Key("caption").Value(item.caption).Key("hint").Value(item.hint).Key("heading").Value(item.heading);
    json.EndObject();
  }
  json.EndArray().EndObject();
}

TShiftState ShiftOf(int flags) {
  return {(flags & 1) != 0, (flags & 2) != 0, (flags & 4) != 0};
}

TMouseButton ButtonOf(int button) {
  switch (button) {
    case 1:
      return TMouseButton::Middle;
    case 2:
      return TMouseButton::Right;
    default:
      return TMouseButton::Left;
  }
}

emscripten::val BytesView(const std::vector<uint8_t>& bytes) {
  return emscripten::val(emscripten::typed_memory_view(bytes.size(), bytes.data()));
}

emscripten::val BytesView(const std::string& bytes) {
  return emscripten::val(
      emscripten::typed_memory_view(bytes.size(), reinterpret_cast<const uint8_t*>(bytes.data())));
}

// Pixels of the screen's order (blue, green, red, 0xFF) as the canvas takes them (red, green, blue,
// alpha).
void ToRgba(const TFastDIB& image, std::vector<uint8_t>& rgba) {
  rgba.resize(size_t(image.Width()) * size_t(image.Height()) * 4);
  uint8_t* out = rgba.data();
  for (int y = 0; y < image.Height(); ++y) {
    const uint8_t* pixel = image.Row(y);
    for (int x = 0; x < image.Width(); ++x, pixel += 4, out += 4) {
      out[0] = pixel[2];
      out[1] = pixel[1];
      out[2] = pixel[0];
      out[3] = 255;
    }
  }
}

// The session as the page sees it. Slots: 0 source, 1 medium, 2 tool. Frame modes: 0 normal,
// 1 fast, 2 frozen. Buttons: 0 left, 1 middle, 2 right. Shift flags: 1 shift, 2 control, 4 alt.
class TPageSession {
 public:
  TPageSession(int width, int height) : session_(width, height) {}

  std::string Open(const std::string& bytes, const std::string& fileName) {
    const TOpenedLesson opened = session_.Open(bytes, fileName);
    TJsonText json;
    json.BeginObject()
        .Key("kind")
        .Value(KindName(opened.message.kind))
        .Key("text")
        .Value(opened.message.text);
    json.Key("opened").Value(opened.opened).EndObject();
    return json.Text();
  }
  emscripten::val Save() {
    file_ = session_.Save();
    return BytesView(file_);
  }

  bool Changed() const { return session_.Changed(); }
  void MarkSaved() { session_.MarkSaved(); }
  // The window's title for a slideshow of that file name ("" for a new one).
  static std::string FileTitle(const std::string& fileName) { return wavora::FileTitle(fileName); }

  std::string Slides() const {
    TJsonText json;
    json.BeginArray();
    for (int i = 0; i < session_.SlideCount(); ++i) {
      const TSlideSummary slide = session_.Slide(i);
      json.BeginObject().Key("name").Value(slide.name).Key("description").Value(slide.description);
      json.Key("medium").Value(slide.medium).EndObject();
    }
    return json.EndArray().Text();
  }
  int ShownSlide() const { return session_.ShownSlide(); }
  void ShowSlide(int index) { session_.ShowSlide(index); }
  emscripten::val SlidePicture(int index) {
    ToRgba(session_.SlidePicture(index), slidePicture_);
    return BytesView(slidePicture_);
  }

  bool RunFrame(int mode) {
    return session_.RunFrame(mode == 1   ? TFrameMode::Fast
                             : mode == 2 ? TFrameMode::Frozen
                                         : TFrameMode::Normal);
  }
  int Width() const { return session_.Picture().Width(); }
  int Height() const { return session_.Picture().Height(); }
  emscripten::val Picture() {
    ToRgba(session_.Picture(), picture_);
    return BytesView(picture_);
  }
  void SetSlideTexts(const std::string& name, const std::string& description) {
    session_.SetSlideTexts(name, description);
  }
  std::string NewSlide() { return session_.NewSlide(); }
  bool DeleteShownSlide() { return session_.DeleteShownSlide(); }
  void MoveSlide(int fromIndex, int toIndex) { session_.MoveSlide(fromIndex, toIndex); }
  void SetDisplayShape(int tag) { session_.SetDisplayShape(tag); }
  void ClearField() { session_.ClearField(); }
  int Contrast() const { return session_.ContrastPosition(); }
  void SetContrast(int position) { session_.SetContrastPosition(position); }
  // The help menu's view settings: the theory overlay and high contrast.
  void SetTheory(bool on) { session_.SetTheory(on); }
  void SetHighContrast(bool on) { session_.SetHighContrast(on); }

  std::string Selection() const {
    const TSelectionButtons& buttons = session_.SelectionButtons();
    TJsonText json;
    json.BeginObject().Key("snapEnabled").Value(buttons.snapEnabled).Key("snapDown").Value(buttons.snapDown);
    json.Key("deleteEnabled").Value(buttons.deleteEnabled).EndObject();
    return json.Text();
  }

  void PointerDown(int button, int shift, int x, int y, bool drip) {
    session_.PointerDown(ButtonOf(button), ShiftOf(shift), x, y, drip);
  }
  void PointerMove(int shift, int x, int y) { session_.PointerMove(ShiftOf(shift), x, y); }
  void PointerUp(int button, int shift, int x, int y) {
    session_.PointerUp(ButtonOf(button), ShiftOf(shift), x, y);
  }

  static std::string Experiments() { return CatalogueJson(TLessonSession::Experiments()); }
  static std::string Tools() { return CatalogueJson(TLessonSession::Tools()); }
  void ChooseExperiment(int index) { session_.ChooseExperiment(index); }
  bool AddTool(int index) { return session_.AddTool(index); }
  std::string DeleteSelected() {
    switch (session_.DeleteSelected()) {
      case TDeleted::Object:
        return "object";
      case TDeleted::Medium:
        return "medium";
      case TDeleted::Nothing:
        break;
    }
    return "nothing";
  }

  // The objects of the slide on show, as the "Tools" tab lists them.
  std::string Objects() const {
    const TObjectListContent content = session_.Objects();
    TJsonText json;
    json.BeginObject().Key("selected").Value(content.selected).Key("items").BeginArray();
    for (const TObjectListItem& item : content.items) {
      json.BeginObject().Key("id").Value(item.uniqueID).Key("kind").Value(ObjectKindName(item.kind));
      json.Key("name").Value(item.name);
      const bool tool = item.kind == TObjectKind::Tool || item.kind == TObjectKind::PanelTool;
      json.Key("picture").Value(tool ? ToolPicture(item.imageIndex) : "").EndObject();
    }
    return json.EndArray().EndObject().Text();
  }
  void SelectObject(int id) { session_.SelectObject(id); }
  void SetSnap(bool snap) { session_.SetSnap(snap); }

  // The tank from the keyboard: the next (step > 0) or previous handle picked, and the picked handle
  // moved by cells (y upward) as a drag moves it; whether it moved.
  void PickHandle(int step) { picked_ = session_.StepHandle(picked_, step); }
  bool NudgeHandle(int dx, int dy) { return session_.NudgeHandle(picked_, dx, dy); }
  // The picked handle: its object's id, list name and reading, its number among the object's
  // handles, and its cell (grid coordinates); null when none is picked or its object has gone.
  std::string PickedHandle() const {
    const std::optional<THandlePlace> place = session_.HandlePlace(picked_);
    if (!place) return "null";
    TJsonText json;
    json.BeginObject().Key("id").Value(picked_.objectID).Key("name").Value(place->object->ListName());
    json.Key("reading").Value(session_.ReadOut(picked_.objectID)).Key("handle").Value(picked_.handle + 1);
    json.Key("count").Value(place->count).Key("x").Value(place->cell.x).Key("y").Value(place->cell.y);
    return json.EndObject().Text();
  }
  std::string ReadOut(int id) const { return session_.ReadOut(id); }
  // The experiment menu's picture of the medium class, kExperimentPreviewSize square, RGBA.
  emscripten::val ExperimentPicture(int classIndex) {
    ToRgba(ExperimentPreview(classIndex), experimentPicture_);
    return BytesView(experimentPicture_);
  }
  static int ExperimentPictureSize() { return kExperimentPreviewSize; }
  static std::string Texts() { return PageTextsJson(); }
  // The chosen language's entries, an object from the table's English text to the language's; an
  // entry it lacks, or a value that is no text, stays English. Anything but an object speaks English.
  static void SetLanguage(const emscripten::val& entries) {
    std::unordered_map<std::string, std::string> translations;
    if (entries.typeOf().as<std::string>() == "object" && !entries.isNull()) {
      const emscripten::val keys = emscripten::val::global("Object").call<emscripten::val>("keys", entries);
      for (const std::string& english : emscripten::vecFromJSArray<std::string>(keys)) {
        const emscripten::val translated = entries[english];
        if (translated.isString()) translations.emplace(english, translated.as<std::string>());
      }
    }
    if (translations.empty()) {
      SetTextLookup(nullptr);
      return;
    }
    SetTextLookup([translations = std::move(translations)](std::string_view english) {
      const auto found = translations.find(std::string(english));
      return found != translations.end() ? found->second : std::string();
    });
  }
  // The example lessons' file names (one a line) in the order a course teaches them, as JSON.
  static std::string TeachingOrder(const std::string& fileNames) {
    std::vector<std::string> names;
    size_t start = 0;
    while (start < fileNames.size()) {
      const size_t end = std::min(fileNames.find('\n', start), fileNames.size());
      if (end > start) names.push_back(fileNames.substr(start, end - start));
      start = end + 1;
    }
    TJsonText json;
    json.BeginArray();
    for (const std::string& name : InTeachingOrder(names))
      json.Value(name);
    return json.EndArray().Text();
  }

  // The panel's controls as a JSON array; [] when the slot holds no panel.
  std::string Panel(int slot) const {
    TJsonText json;
    json.BeginArray();
    for (const TPanelControl& control : session_.PanelControls(SlotOf(slot)))
      ControlJson(json, control);
    return json.EndArray().Text();
  }
  std::string HelpPage(int slot) const { return session_.HelpPage(SlotOf(slot)); }
  void RemakePanels() { session_.RemakePanels(); }
  std::string ChangePanel(int slot, const std::string& id, int value) {
    return ResultName(session_.ChangePanel(SlotOf(slot), id, value));
  }
  // The active tool's panel picture at the box size, or null without one.
  emscripten::val ToolPanelPicture(int width, int height) {
    const TFastDIB* picture = session_.ToolPanelPicture(width, height);
    if (!picture) return emscripten::val::null();
    ToRgba(*picture, panelPicture_);
    return BytesView(panelPicture_);
  }
  void ToolPanelPointer(int what, int x, int y) {
    session_.ToolPanelPointer(what == 0   ? TLessonSession::TPanelPointer::Down
                              : what == 1 ? TLessonSession::TPanelPointer::Move
                                          : TLessonSession::TPanelPointer::Up,
                              x, y);
  }

  std::string ToolReadingsCsv() const { return session_.ToolReadingsCsv(); }
  std::string CopySlide() const { return session_.CopySlide(); }
  std::string PasteSlide(const std::string& text) {
    TJsonText json;
    json.BeginArray();
    for (const std::string& message : session_.PasteSlide(text))
      json.Value(message);
    return json.EndArray().Text();
  }
  emscripten::val FieldBytes() {
    field_ = session_.FieldBytes();
    return BytesView(field_);
  }

 private:
  static TPanelSlot SlotOf(int slot) {
    return slot == 0 ? TPanelSlot::Source : slot == 1 ? TPanelSlot::Medium : TPanelSlot::Tool;
  }

  TLessonSession session_;
  std::vector<uint8_t> picture_;
  std::vector<uint8_t> slidePicture_;
  std::vector<uint8_t> panelPicture_;
  std::vector<uint8_t> experimentPicture_;
  std::string file_;
  std::string field_;
  TPickedHandle picked_;
};

}  // namespace

EMSCRIPTEN_BINDINGS(wavora) {
  // The classes a lesson can hold, registered once as the module starts.
  RegisterClasses();
  emscripten::class_<TPageSession>("Session")
      .constructor<int, int>()
      .function("open", &TPageSession::Open)
      .function("save", &TPageSession::Save)
      .function("changed", &TPageSession::Changed)
      .function("markSaved", &TPageSession::MarkSaved)
      .class_function("fileTitle", &TPageSession::FileTitle)
      .function("slides", &TPageSession::Slides)
      .function("shownSlide", &TPageSession::ShownSlide)
      .function("showSlide", &TPageSession::ShowSlide)
      .function("slidePicture", &TPageSession::SlidePicture)
      .function("runFrame", &TPageSession::RunFrame)
      .function("width", &TPageSession::Width)
      .function("height", &TPageSession::Height)
      .function("picture", &TPageSession::Picture)
      .function("selection", &TPageSession::Selection)
      .function("setSlideTexts", &TPageSession::SetSlideTexts)
      .function("newSlide", &TPageSession::NewSlide)
      .function("deleteShownSlide", &TPageSession::DeleteShownSlide)
      .function("moveSlide", &TPageSession::MoveSlide)
      .function("setDisplayShape", &TPageSession::SetDisplayShape)
      .function("clearField", &TPageSession::ClearField)
      .function("contrast", &TPageSession::Contrast)
      .function("setContrast", &TPageSession::SetContrast)
      .function("setTheory", &TPageSession::SetTheory)
      .function("setHighContrast", &TPageSession::SetHighContrast)
      .function("objects", &TPageSession::Objects)
      .function("selectObject", &TPageSession::SelectObject)
      .function("setSnap", &TPageSession::SetSnap)
      .function("pickHandle", &TPageSession::PickHandle)
      .function("nudgeHandle", &TPageSession::NudgeHandle)
      .function("pickedHandle", &TPageSession::PickedHandle)
      .function("readOut", &TPageSession::ReadOut)
      .function("experimentPicture", &TPageSession::ExperimentPicture)
      .class_function("experimentPictureSize", &TPageSession::ExperimentPictureSize)
      .class_function("texts", &TPageSession::Texts)
      .class_function("setLanguage", &TPageSession::SetLanguage)
      .class_function("teachingOrder", &TPageSession::TeachingOrder)
      .function("helpPage", &TPageSession::HelpPage)
      .function("remakePanels", &TPageSession::RemakePanels)
      .function("pointerDown", &TPageSession::PointerDown)
      .function("pointerMove", &TPageSession::PointerMove)
      .function("pointerUp", &TPageSession::PointerUp)
      .class_function("experiments", &TPageSession::Experiments)
      .class_function("tools", &TPageSession::Tools)
      .function("chooseExperiment", &TPageSession::ChooseExperiment)
      .function("addTool", &TPageSession::AddTool)
      .function("deleteSelected", &TPageSession::DeleteSelected)
      .function("panel", &TPageSession::Panel)
      .function("changePanel", &TPageSession::ChangePanel)
      .function("toolPanelPicture", &TPageSession::ToolPanelPicture)
      .function("toolPanelPointer", &TPageSession::ToolPanelPointer)
      .function("toolReadingsCsv", &TPageSession::ToolReadingsCsv)
      .function("copySlide", &TPageSession::CopySlide)
      .function("pasteSlide", &TPageSession::PasteSlide)
      .function("fieldBytes", &TPageSession::FieldBytes);
}

}  // namespace wavora
