#include "sim/water.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "image/fast_dib.h"
#include "sim/base_control.h"
#include "sim/exciter.h"
#include "sim/field_colour.h"
#include "sim/map_holder.h"
#include "sim/resource_strings.h"
#include "sim/ri_map.h"
#include "sim/tool.h"
#include "sim/unique_id.h"

namespace wavora {

namespace {

template <class T>
T* As(const iXMLNode& node) {
  return dynamic_cast<T*>(node.Get());
}

bool IsSelectedTool(const iXMLNode& node) {
  const TBaseTool* tool = As<TBaseTool>(node);
  return tool && tool->GetActiveTool();
}

}  // namespace

const TClassInfo& TWater::StaticClassInfo() {
  static const TClassInfo info =
      TClassBuilder<TWater>("TWater", &TXMLNode::StaticClassInfo())
          .Single("Exposure", &TWater::GetExposure, &TWater::SetExposure)
          .Integer("UniqueID", &TWater::GetUniqueID, &TWater::SetUniqueID)
          .String("Name", &TWater::StoredName, &TWater::SetStoredName)
          .String("Description", &TWater::StoredDescription, &TWater::SetStoredDescription)
          .Build();
  return info;
}

void TWater::Init() {
  TXMLNode::Init();
  SetSize(0, 0);
  exposure_ = 2.55f;
  RenewUniqueIDs();
}

namespace {

// Every scene object anywhere below node, the media parked in the map holder included, so that a
// copied or reloaded tank shares no identifier with the rest of the document.
void RenewUniqueIDsBelow(const TBasicXMLNode& node) {
  for (const iXMLNode& child : ChildList(node)) {
    if (auto* object = As<TBaseWaterObject>(child)) object->SetUniqueID(NewUniqueID());
    RenewUniqueIDsBelow(*child);
  }
}

}  // namespace

void TWater::RenewUniqueIDs() {
  uniqueID_ = NewUniqueID();
  RenewUniqueIDsBelow(*this);
}

int TWater::add(const iXMLNode& node) {
  const int index = TXMLNode::add(node);
  if (index < 0) return index;
  auto* object = As<TBaseWaterObject>(node);
  if (!object) return index;
  object->AttachGrid(grid_, W_, H_);
  if (auto* control = As<TBaseControl>(node)) {
    if (control->ActivatedWhenAdded()) {
      // A control arriving selected was selected when its tank was saved, and its Activate leaves
      // the others alone; the sibling selected only because it was read just before it was not, and
      // left selected it would add one more selected tool at every save and reopen.
      const bool arrivedSelected = control->GetActiveTool();
      if (arrivedSelected && selectedOnArrival_ && IsChild(selectedOnArrival_))
        selectedOnArrival_->SetActiveTool(false);
      control->Activate();
      selectedOnArrival_ = arrivedSelected ? nullptr : TRef<TBaseControl>(control);
    } else {
      control->SetActiveTool(false);
    }
  }
  if (auto* medium = As<TBaseRIMap>(node)) {
    medium->MapToWater();
    // Older versions saved a slide's derived texts; read back, they would stop following the medium.
    // Only texts that came from a file are judged, so one the user typed stays whatever it reads.
    if (textsMayBeDerived_) {
      if (name_ == medium->TypeName()) name_.clear();
      if (description_ == medium->TypeDescription()) description_.clear();
      textsMayBeDerived_ = false;
    }
  }
  return index;
}

void TWater::Remove(const iXMLNode& node) {
  // An object leaving the tank no longer takes the pointer.
  if (node && node.Get() == capturedObject_.Get()) {
    capturedObject_ = nullptr;
    captured_ = false;
  }
  TXMLNode::Remove(node);
}

void TWater::SetSize(int32_t width, int32_t height) {
  W_ = std::max(width, 0);
  H_ = std::max(height, 0);
  grid_ = std::make_shared<TWaterGrid>(W_, H_);
  stepsRun_ = 0;
  wavora::ResetMedium(*grid_);
  for (const iXMLNode& child : ChildList(*this)) {
    if (auto* object = As<TBaseWaterObject>(child)) {
      object->AttachGrid(grid_, W_, H_);
      object->MapToWater();
    }
  }
}

void TWater::ClearField() {
  std::fill_n(grid_->Displacements(0), grid_->CellCount(), 0.0f);
  std::fill_n(grid_->Velocities(0), grid_->CellCount(), 0.0f);
  stepsRun_ = 0;
  for (const iXMLNode& child : ChildList(*this)) {
    if (auto* object = As<TBaseWaterObject>(child)) object->Reset();
  }
}

bool TWater::FitsImage(const TFastDIB& image) const {
  return image.Width() == W_ && image.Height() == H_;
}

void TWater::Step() {
  if (!grid_->HasInterior()) return;
  stepper_.Sweep(*grid_, nullptr, MakeFieldShade(exposure_));
  ApplySource();
  // By index, holding each child while its hook runs: a hook may add or remove children.
  for (int i = 0; i < GetChildCount(); ++i) {
    const iXMLNode child = GetChildren(i);
    if (auto* tool = As<TBaseTool>(child)) tool->AfterStep();
  }
}

void TWater::StepAndDraw(TFastDIB& image) {
  if (!grid_->HasInterior()) return;
  stepper_.Sweep(*grid_, FitsImage(image) ? &image : nullptr, MakeFieldShade(exposure_));
  ApplySource();
  DrawObjects(image, true);
}

void TWater::DrawOnly(TFastDIB& image) {
  if (!grid_->HasInterior()) return;
  if (FitsImage(image)) stepper_.Draw(*grid_, image, MakeFieldShade(exposure_));
  DrawObjects(image, false);
}

void TWater::DrawObjects(TFastDIB& image, bool sample) {
  for (int i = 0; i < GetChildCount(); ++i) {
    const iXMLNode child = GetChildren(i);
    auto* object = As<TBaseWaterObject>(child);
    if (!object || IsSelectedTool(child)) continue;
    if (auto* tool = As<TBaseTool>(child); tool && sample) tool->AfterStep();
    object->Draw(image);
  }
  for (int i = 0; i < GetChildCount(); ++i) {
    const iXMLNode child = GetChildren(i);
    if (!IsSelectedTool(child)) continue;
    auto* tool = As<TBaseTool>(child);
    if (sample) tool->AfterStep();
    tool->Draw(image);
  }
}

void TWater::ApplySource() {
  ++stepsRun_;
  if (const TRef<TBaseExciter> source = GetExciter()) source->Apply();
}

TRef<TBaseRIMap> TWater::GetRIMap() const {
  for (int i = GetChildCount() - 1; i >= 0; --i) {
    const iXMLNode child = GetChildren(i);
    if (auto* medium = As<TBaseRIMap>(child)) return TRef<TBaseRIMap>(medium);
  }
  return nullptr;
}

TRef<TBaseExciter> TWater::GetExciter() {
  for (int i = GetChildCount() - 1; i >= 0; --i) {
    const iXMLNode child = GetChildren(i);
    if (auto* source = As<TBaseExciter>(child)) return TRef<TBaseExciter>(source);
  }
  const TClassInfo* sourceClass = ExciterClass(0);
  if (!sourceClass) return nullptr;
  const TRef<TBaseExciter> source = RefCast<TBaseExciter>(sourceClass->Create());
  if (source) add(source);
  return source;
}

TRef<TMapHolder> TWater::FindMapHolder() const {
  for (int i = 0; i < GetChildCount(); ++i) {
    const iXMLNode child = GetChildren(i);
    if (auto* holder = As<TMapHolder>(child)) return TRef<TMapHolder>(holder);
  }
  return nullptr;
}

void TWater::SetRIMapClass(const TClassInfo& mapClass) {
  // Only a creatable medium class can replace the medium; anything else leaves the tank as it is.
  if (!mapClass.InheritsFrom(TBaseRIMap::StaticClassInfo())) return;
  const TRef<TBaseRIMap> old = GetRIMap();
  if (old && old->ClassInfo().InheritsFrom(mapClass)) return;
  TRef<TMapHolder> holder = FindMapHolder();
  if (!holder) {
    holder = MakeNode<TMapHolder>();
    add(holder);
  }
  iXMLNode next;
  for (const iXMLNode& kept : ChildList(*holder)) {
    if (kept->ClassInfo().InheritsFrom(mapClass)) {
      next = kept;
      break;
    }
  }
  if (!next) next = mapClass.Create();
  if (!next) return;
  add(next);
  if (old) holder->add(old);
}

std::string TWater::GetName() const {
  if (!name_.empty()) return name_;
  if (const TRef<TBaseRIMap> medium = GetRIMap()) return std::string(TranslatedText(medium->TypeName()));
  return std::string(rs::EmptySlide);
}

void TWater::SetName(const std::string& value) {
  if (name_.empty() && GetName() == value) return;
  name_ = value;
}

std::string TWater::GetDescription() const {
  if (!description_.empty()) return description_;
  if (const TRef<TBaseRIMap> medium = GetRIMap())
    return std::string(TranslatedText(medium->TypeDescription()));
  return std::string(rs::ChooseAnObject);
}

void TWater::SetDescription(const std::string& value) {
  if (description_.empty() && GetDescription() == value) return;
  description_ = value;
}

void TWater::SetStoredName(const std::string& value) {
  name_ = value;
  textsMayBeDerived_ = true;
}

void TWater::SetStoredDescription(const std::string& value) {
  description_ = value;
  textsMayBeDerived_ = true;
}

float TWater::DisplacementAt(int32_t X, int32_t Y) const {
  const int32_t y = H_ - 1 - Y;
  return grid_->Contains(X, y) ? grid_->Cell(X, y).Displacement : 0.0f;
}

float TWater::SpeedFactorAt(int32_t X, int32_t Y) const {
  const int32_t y = H_ - 1 - Y;
  return grid_->Contains(X, y) ? grid_->Cell(X, y).SpeedFactor : 0.0f;
}

void TWater::SetDripMode(bool on) {
  dripMode_ = on;
  if (!on) return;
  for (const iXMLNode& child : ChildList(*this)) {
    if (auto* control = As<TBaseControl>(child)) control->SetActiveTool(false);
  }
}

void TWater::MouseDown(TMouseButton button, TShiftState shift, int32_t X, int32_t Y) {
  captured_ = false;
  sourceDrag_ = false;
  capturedObject_ = nullptr;
  if (dripMode_) {
    const TRef<TBaseExciter> source = GetExciter();
    if (!source) return;
    sourceDrag_ = true;
    capturedObject_ = source;
    source->StartDrip(X, Y, button == TMouseButton::Right);
    return;
  }
  const std::vector<iXMLNode> children = ChildList(*this);
  for (const iXMLNode& child : children) {
    if (captured_) break;
    if (!IsSelectedTool(child)) continue;
    capturedObject_ = As<TBaseWaterObject>(child);
    capturedObject_->MouseDown(button, shift, captured_, X, Y);
  }
  for (const iXMLNode& child : children) {
    if (captured_) break;
    auto* object = As<TBaseWaterObject>(child);
    if (!object || IsSelectedTool(child)) continue;
    capturedObject_ = object;
    object->MouseDown(button, shift, captured_, X, Y);
  }
  if (captured_) return;
  capturedObject_ = nullptr;
  // A press on a slower medium that nothing took selects the medium object.
  const int32_t y = H_ - 1 - Y;
  if (grid_->Contains(X, y) && grid_->Cell(X, y).SpeedFactor < kOpenSpeedFactor) {
    if (const TRef<TBaseRIMap> medium = GetRIMap()) medium->Activate();
  }
}

void TWater::MouseMove(TShiftState shift, int32_t X, int32_t Y) {
  if (captured_ && capturedObject_) {
    capturedObject_->MouseMove(shift, X, Y);
    capturedObject_->KeepPlace();
    return;
  }
  if (sourceDrag_) {
    if (auto* source = dynamic_cast<TBaseExciter*>(capturedObject_.Get())) source->MoveDrip(X, Y);
    return;
  }
  const std::vector<iXMLNode> children = ChildList(*this);
  for (const iXMLNode& child : children) {
    if (IsSelectedTool(child)) As<TBaseWaterObject>(child)->MouseMove(shift, X, Y);
  }
  for (const iXMLNode& child : children) {
    auto* object = As<TBaseWaterObject>(child);
    if (object && !IsSelectedTool(child)) object->MouseMove(shift, X, Y);
  }
}

void TWater::MouseUp(TMouseButton button, TShiftState shift, int32_t X, int32_t Y) {
  if (captured_ && capturedObject_) {
    capturedObject_->MouseUp(button, shift, X, Y);
    capturedObject_->KeepPlace();
  } else if (sourceDrag_) {
    if (auto* source = dynamic_cast<TBaseExciter*>(capturedObject_.Get())) source->StopDrip();
    sourceDrag_ = false;
  }
  capturedObject_ = nullptr;
  captured_ = false;
}

TRef<TBaseWaterObject> TWater::CapturedObject() const {
  return captured_ ? capturedObject_ : nullptr;
}

bool TWater::FrozenByDrag() const {
  const TRef<TBaseWaterObject> held = CapturedObject();
  return held && held->FreezesFieldWhileDragged(*this);
}

std::unique_ptr<TControlPanelModel> TWater::CreateRIMapControlPanel() const {
  const TRef<TBaseRIMap> medium = GetRIMap();
  return medium ? medium->CreateControlPanel() : nullptr;
}

std::unique_ptr<TControlPanelModel> TWater::CreateExciterControlPanel() {
  const TRef<TBaseExciter> source = GetExciter();
  return source ? source->CreateControlPanel() : nullptr;
}

int32_t TWater::RIMapUniqueID() const {
  const TRef<TBaseRIMap> medium = GetRIMap();
  return medium ? medium->GetUniqueID() : 0;
}

}  // namespace wavora
