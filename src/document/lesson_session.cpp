#include "document/lesson_session.h"

#include <algorithm>

#include "document/help_page_name.h"
#include "document/slide_clipboard.h"
#include "document/slide_commands.h"
#include "model/node_files.h"
#include "sim/class_list.h"
#include "sim/control_panel_model.h"
#include "sim/control_panel_tool.h"
#include "sim/exciter.h"
#include "sim/field_file.h"
#include "sim/ri_map.h"
#include "sim/text_language.h"
#include "sim/tool.h"
#include "sim/tool_data.h"
#include "sim/tool_panel.h"

namespace wavora {

namespace {

std::vector<TCatalogueEntry> Catalogue(const TClassList& classes) {
  std::vector<TCatalogueEntry> entries;
  for (int i = 0; i < classes.Count(); ++i) {
    const TClassInfo& info = *classes.Class(i);
    entries.push_back({info.ClassName(), std::string(TranslatedText(info.TypeName())),
                       std::string(TranslatedText(info.TypeDescription())), HelpPageOf(info),
                       classes.ImageIndex(i)});
  }
  return entries;
}

}  // namespace

TLessonSession::TLessonSession(int32_t tankWidth, int32_t tankHeight)
    : document_(NewSlideshow(tankWidth, tankHeight)), image_(tankWidth, tankHeight) {
  changes_.MarkUnchanged(*document_);
  ShowSlide(0);
}

TLessonSession::~TLessonSession() {
  // The panels refer to the document's objects.
  tools_.clear();
  medium_ = {};
  source_ = {};
}

TOpenedLesson TLessonSession::Open(const std::string& fileBytes, const std::string& fileName) {
  TOpenedSlideshow opened =
      OpenSlideshowBytes(fileBytes, fileName, document_->TankWidth(), document_->TankHeight());
  const TRef<TSlideshow> slideshow = RefCast<TSlideshow>(opened.document);
  if (!slideshow) return {opened.message, false};
  tools_.clear();
  toolsTankID_ = -1;
  medium_ = {};
  source_ = {};
  document_ = slideshow;
  changes_.MarkUnchanged(*document_);
  // The slide the file marks active shows; the first when it marks none.
  int shown = 0;
  for (int i = 0; i < document_->SlideCount(); ++i) {
    if (document_->SlideUniqueID(i) == document_->ActiveID) shown = i;
  }
  ShowSlide(shown);
  return {opened.message, true};
}

std::string TLessonSession::Save() const {
  return SaveToText(*document_);
}

int TLessonSession::SlideCount() const {
  return document_->SlideCount();
}

TSlideSummary TLessonSession::Slide(int index) const {
  TSlideSummary slide{document_->SlideName(index), document_->SlideDescription(index), {}};
  if (const TRef<TWater> tank = document_->GetWater(index)) {
    if (const TRef<TBaseRIMap> medium = tank->GetRIMap()) slide.medium = TranslatedText(medium->TypeName());
  }
  return slide;
}

TFastDIB TLessonSession::SlidePicture(int index) const {
  TFastDIB picture(document_->TankWidth(), document_->TankHeight());
  document_->DrawSlide(index, picture);
  return picture;
}

int TLessonSession::ShownSlide() const {
  for (int i = 0; i < document_->SlideCount(); ++i) {
    if (document_->SlideUniqueID(i) == document_->ActiveID && document_->GetWater(i)) return i;
  }
  return -1;
}

void TLessonSession::ShowSlide(int index) {
  const TRef<TWater> next = document_->GetWater(index);
  if (!next) return;
  if (const TRef<TWater> previous = ShownTank(); previous && previous != next) DeactivateTools(*previous);
  document_->ActiveID = next->GetUniqueID();
  // A slide read without a source gets its source here, so that the source's panel shows.
  next->GetExciter();
  FollowTank();
  // Not drawn here: drawing applies the medium's suggestion for the source, and a slide's first step
  // comes before its first picture, as in the runner.
}

void TLessonSession::SetSlideTexts(const std::string& name, const std::string& description) {
  if (const TRef<TWater> tank = ShownTank()) {
    tank->SetName(name);
    tank->SetDescription(description);
  }
}

std::string TLessonSession::NewSlide() {
  const TRef<TWater> previous = ShownTank();
  try {
    AddNewSlide(*document_);
  } catch (const std::exception& e) {
    return e.what();
  }
  if (previous) DeactivateTools(*previous);
  FollowTank();
  return {};
}

bool TLessonSession::DeleteShownSlide() {
  // The panels refer to the deleted tank's objects until they follow the slide shown next.
  const TRef<TWater> deleted = ShownTank();
  if (!DeleteActiveSlide(*document_)) return false;
  ShowSlide(ShownSlide());
  return true;
}

void TLessonSession::MoveSlide(int fromIndex, int toIndex) {
  if (fromIndex >= 0 && fromIndex < document_->GetChildCount())
    document_->Move(document_->GetChildren(fromIndex), toIndex);
}

void TLessonSession::SetDisplayShape(int tag) {
  const TDisplayShape shape = DisplayShapeOfTag(tag);
  changes_.LayOutUnchanged(*document_, [&] { document_->SetTankSize(shape.width, shape.height); });
  image_.SetSize(shape.width, shape.height);
}

void TLessonSession::ClearField() {
  if (const TRef<TWater> tank = ShownTank()) tank->ClearField();
}

int TLessonSession::ContrastPosition() const {
  const TRef<TWater> tank = ShownTank();
  return tank ? SliderPositionFromExposure(tank->GetExposure()) : 50;
}

void TLessonSession::SetContrastPosition(int position) {
  if (const TRef<TWater> tank = ShownTank())
    tank->SetExposure(ExposureFromSliderPosition(std::clamp(position, 0, 100)));
}

TRef<TWater> TLessonSession::ShownTank() const {
  return document_->GetActiveWater();
}

bool TLessonSession::RunFrame(TFrameMode mode) {
  const TRef<TWater> tank = ShownTank();
  loop_.fast = mode == TFrameMode::Fast;
  loop_.paused = mode == TFrameMode::Frozen;
  loop_.mouseIsDown = pointerDown_;
  const TFrameOutcome outcome = loop_.RunFrame(tank.Get(), image_, false);
  buttons_ = outcome.buttons;
  FollowTank();
  activeToolID_ = outcome.activePanelTool ? outcome.activePanelTool->GetUniqueID() : 0;
  if (TBaseCPFrame* panel = ToolPanelOf(activeToolID_)) outcome.activePanelTool->UpdateControlPanel(*panel);
  return outcome.imageChanged;
}

void TLessonSession::PointerDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y, bool drip) {
  if (const TRef<TWater> tank = ShownTank()) {
    tank->SetDripMode(drip);
    tank->MouseDown(button, shift, x, y);
    tank->SetDripMode(false);
  }
  pointerDown_ = true;
}

void TLessonSession::PointerMove(TShiftState shift, int32_t x, int32_t y) {
  if (const TRef<TWater> tank = ShownTank()) tank->MouseMove(shift, x, y);
}

void TLessonSession::PointerUp(TMouseButton button, TShiftState shift, int32_t x, int32_t y) {
  if (const TRef<TWater> tank = ShownTank()) tank->MouseUp(button, shift, x, y);
  pointerDown_ = false;
}

std::vector<TCatalogueEntry> TLessonSession::Experiments() {
  return Catalogue(MediumClasses());
}

std::vector<TCatalogueEntry> TLessonSession::Tools() {
  return Catalogue(ToolClasses());
}

void TLessonSession::ChooseExperiment(int classIndex) {
  const TRef<TWater> tank = ShownTank();
  const TClassInfo* mapClass = MapClass(classIndex);
  if (!tank || !mapClass) return;
  tank->SetRIMapClass(*mapClass);
  FollowTank();
}

bool TLessonSession::AddTool(int toolIndex) {
  const TRef<TWater> tank = ShownTank();
  if (!tank || !AddToolFromList(*tank, toolIndex)) return false;
  FollowTank();
  return true;
}

TDeleted TLessonSession::DeleteSelected() {
  const TRef<TWater> tank = ShownTank();
  if (!tank) return TDeleted::Nothing;
  const TDeleted deleted = DeleteActiveObject(*tank);
  FollowTank();
  return deleted;
}

TObjectListContent TLessonSession::Objects() const {
  const TRef<TWater> tank = ShownTank();
  return tank ? ObjectListOf(*tank) : TObjectListContent();
}

void TLessonSession::SelectObject(int32_t uniqueID) {
  if (const TRef<TWater> tank = ShownTank()) wavora::SelectObject(*tank, uniqueID);
}

void TLessonSession::SetSnap(bool snap) {
  if (const TRef<TWater> tank = ShownTank()) SnapActiveObjects(*tank, snap);
}

TPickedHandle TLessonSession::StepHandle(const TPickedHandle& picked, int step) {
  const TRef<TWater> tank = ShownTank();
  return tank ? PickNextHandle(*tank, picked, step) : TPickedHandle{};
}

bool TLessonSession::NudgeHandle(const TPickedHandle& picked, int dx, int dy) {
  const TRef<TWater> tank = ShownTank();
  return tank && NudgePickedHandle(*tank, picked, dx, dy);
}

std::optional<THandlePlace> TLessonSession::HandlePlace(const TPickedHandle& picked) const {
  const TRef<TWater> tank = ShownTank();
  return tank ? PickedHandlePlace(*tank, picked) : std::nullopt;
}

std::string TLessonSession::ReadOut(int32_t uniqueID) const {
  const TRef<TWater> tank = ShownTank();
  const TRef<TBaseTool> tool = tank ? RefCast<TBaseTool>(ObjectWithID(*tank, uniqueID)) : TRef<TBaseTool>();
  return tool ? tool->ReadOut() : std::string();
}

void TLessonSession::RemakePanels() {
  source_ = {};
  medium_ = {};
  tools_.clear();
  toolsTankID_ = -1;
  FollowTank();
}

void TLessonSession::FollowTank() {
  const TRef<TWater> tank = ShownTank();
  const auto follow = [](THeld& held, int32_t tag, const auto& create) {
    if (held.tag == tag && (tag == 0 || held.model)) return;
    held.model.reset();
    held.tag = tag;
    if (tag != 0) held.model = create();
  };
  follow(medium_, tank ? tank->RIMapUniqueID() : 0, [&tank] { return tank->CreateRIMapControlPanel(); });
  const TRef<TBaseExciter> source = tank ? tank->GetExciter() : TRef<TBaseExciter>();
  follow(source_, source ? source->GetUniqueID() : 0, [&tank] { return tank->CreateExciterControlPanel(); });

  // One panel a panel tool, remade when the tools of the tank on show change.
  std::vector<TControlPanelTool*> panelTools;
  for (int i = 0; tank && i < tank->GetChildCount(); ++i) {
    if (const TRef<TControlPanelTool> tool = RefCast<TControlPanelTool>(tank->GetChildren(i)))
      panelTools.push_back(tool.Get());
  }
  const int32_t tankID = tank ? tank->GetUniqueID() : 0;
  bool inStep = toolsTankID_ == tankID && tools_.size() == panelTools.size();
  for (size_t i = 0; inStep && i < panelTools.size(); ++i)
    inStep = tools_[i].tag == panelTools[i]->GetUniqueID();
  if (inStep) return;
  tools_.clear();
  for (TControlPanelTool* tool : panelTools)
    tools_.push_back({tool->GetUniqueID(), tool->CreateControlPanel()});
  toolsTankID_ = tankID;
}

TBaseCPFrame* TLessonSession::ToolPanelOf(int32_t toolID) const {
  if (toolID == 0) return nullptr;
  for (const THeld& held : tools_) {
    if (held.tag == toolID) return dynamic_cast<TBaseCPFrame*>(held.model.get());
  }
  return nullptr;
}

TControlPanelModel* TLessonSession::Panel(TPanelSlot slot) const {
  switch (slot) {
    case TPanelSlot::Source:
      return source_.model.get();
    case TPanelSlot::Medium:
      return medium_.model.get();
    case TPanelSlot::Tool:
      return ToolPanelOf(activeToolID_);
  }
  return nullptr;
}

std::vector<TPanelControl> TLessonSession::PanelControls(TPanelSlot slot) const {
  const TControlPanelModel* panel = Panel(slot);
  return panel ? panel->Controls() : std::vector<TPanelControl>();
}

std::string TLessonSession::HelpPage(TPanelSlot slot) const {
  const TRef<TWater> tank = ShownTank();
  if (!tank || !Panel(slot)) return {};
  const TBaseControl* object = nullptr;
  switch (slot) {
    case TPanelSlot::Source:
      object = tank->GetExciter().Get();
      break;
    case TPanelSlot::Medium:
      object = tank->GetRIMap().Get();
      break;
    case TPanelSlot::Tool:
      for (int i = 0; i < tank->GetChildCount(); ++i) {
        const auto* control = dynamic_cast<const TBaseControl*>(tank->GetChildren(i).Get());
        if (control && control->GetUniqueID() == activeToolID_) object = control;
      }
      break;
  }
  return object ? HelpPageOf(object->ClassInfo()) + "#" + std::string(kHelpPanelSection) : std::string();
}

TChangeResult TLessonSession::ChangePanel(TPanelSlot slot, const std::string& id, int32_t value) {
  TControlPanelModel* panel = Panel(slot);
  if (!panel) return TChangeResult::UnknownControl;
  const TChangeResult result = panel->Change(id, value);
  // A medium panel may put a new object in the tank (a lens turned into a mirror, say).
  FollowTank();
  return result;
}

const TFastDIB* TLessonSession::ToolPanelPicture(int32_t width, int32_t height) {
  TBaseCPFrame* panel = ToolPanelOf(activeToolID_);
  if (!panel) return nullptr;
  if (panel->BoxWidth() != width || panel->BoxHeight() != height) {
    panel->SetBoxSize(width, height);
    panel->RefreshPanel();
  }
  return &panel->BoxPicture();
}

void TLessonSession::ToolPanelPointer(TPanelPointer what, int32_t x, int32_t y) {
  TBaseCPFrame* panel = ToolPanelOf(activeToolID_);
  if (!panel) return;
  switch (what) {
    case TPanelPointer::Down:
      panel->BoxMouseDown(x, y);
      break;
    case TPanelPointer::Move:
      panel->BoxMouseMove(x, y);
      break;
    case TPanelPointer::Up:
      panel->BoxMouseUp(x, y);
      break;
  }
}

std::string TLessonSession::ToolReadingsCsv() const {
  const TRef<TWater> tank = ShownTank();
  return tank ? ToolDataCsv(*tank) : std::string();
}

std::string TLessonSession::CopySlide() const {
  const TRef<TWater> tank = ShownTank();
  return tank ? SlideClipboardText(*tank) : std::string();
}

std::vector<std::string> TLessonSession::PasteSlide(const std::string& text) {
  return wavora::PasteSlide(*document_, text).errors;
}

std::string TLessonSession::FieldBytes() const {
  const TRef<TWater> tank = ShownTank();
  return tank ? EncodeFieldFile(*tank->Grid()) : std::string();
}

}  // namespace wavora
