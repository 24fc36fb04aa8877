#include "sim/scene_object.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "sim/rounding.h"
#include "sim/unique_id.h"
#include "sim/water.h"

namespace wavora {

const TClassInfo& TBaseWaterObject::StaticClassInfo() {
  static const TClassInfo info =
      TClassBuilder<TBaseWaterObject>("TBaseWaterObject", &TXMLNode::StaticClassInfo())
          .Texts("Base Water Object", "Need to change this")
          .Integer("UniqueID", &TBaseWaterObject::GetUniqueID, &TBaseWaterObject::SetUniqueID)
          .Abstract()
          .Build();
  return info;
}

void TBaseWaterObject::Init() {
  TXMLNode::Init();
  uniqueID_ = NewUniqueID();
}

int TBaseWaterObject::add(const iXMLNode& node) {
  const int index = TXMLNode::add(node);
  if (index >= 0) {
    if (auto* child = dynamic_cast<TBaseWaterObject*>(node.Get())) {
      child->AttachGrid(grid_, W_, H_);
      child->SetUniqueID(NewUniqueID());
    }
  }
  return index;
}

std::vector<TRef<TBaseWaterObject>> TBaseWaterObject::SceneChildren() const {
  std::vector<TRef<TBaseWaterObject>> children;
  for (int i = 0; i < GetChildCount(); ++i) {
    if (auto* object = dynamic_cast<TBaseWaterObject*>(GetChildren(i).Get())) children.emplace_back(object);
  }
  return children;
}

void TBaseWaterObject::AttachGrid(const TWaterGridRef& grid, int32_t width, int32_t height) {
  grid_ = grid;
  W_ = width;
  H_ = height;
  GeometryChanged();
  for (const TRef<TBaseWaterObject>& child : SceneChildren())
    child->AttachGrid(grid, width, height);
}

void TBaseWaterObject::DetachGrid() {
  KeepPlace();
  grid_.reset();
  W_ = 0;
  H_ = 0;
  for (const TRef<TBaseWaterObject>& child : SceneChildren())
    child->DetachGrid();
}

TWater* TBaseWaterObject::Tank() const {
  return dynamic_cast<TWater*>(ParentObject());
}

void TBaseWaterObject::ResetMedium() {
  if (grid_) wavora::ResetMedium(*grid_);
}

void TBaseWaterObject::MouseDown(TMouseButton, TShiftState, bool& handled, int32_t, int32_t) {
  handled = false;
}

void TBaseWaterObject::MouseMove(TShiftState, int32_t, int32_t) {}

void TBaseWaterObject::MouseUp(TMouseButton, TShiftState, int32_t, int32_t) {}

std::unique_ptr<TControlPanelModel> TBaseWaterObject::CreateControlPanel() {
  return nullptr;
}

void TBaseWaterObject::Draw(TFastDIB&) {}

bool TBaseWaterObject::FreezesFieldWhileDragged(const TWater&) const {
  return false;
}

bool TBaseWaterObject::NearPoint(int32_t x, int32_t y, TPoint p) {
  const int64_t dx = static_cast<int64_t>(x) - p.x;
  const int64_t dy = static_cast<int64_t>(y) - p.y;
  return dx * dx + dy * dy < 36;
}

bool TBaseWaterObject::NearSegment(int32_t x, int32_t y, TPoint a, TPoint b) {
  if (x < std::min(a.x, b.x) - 4 || x > std::max(a.x, b.x) + 4) return false;
  if (y < std::min(a.y, b.y) - 4 || y > std::max(a.y, b.y) + 4) return false;
  const double dx = static_cast<double>(b.x) - a.x;
  const double dy = static_cast<double>(b.y) - a.y;
  const double length2 = dx * dx + dy * dy;
  if (length2 == 0) return NearPoint(x, y, a);
  // t is kept in single precision and not limited to the segment: the box test above does that.
  const float t = static_cast<float>(
      ((x - static_cast<double>(a.x)) * dx + (y - static_cast<double>(a.y)) * dy) / length2);
  const TPoint foot{RoundHalfEven(a.x + dx * t), RoundHalfEven(a.y + dy * t)};
  return NearPoint(x, y, foot);
}

bool TBaseWaterObject::HitTwoPoints(int32_t x, int32_t y, TPoint a, TPoint b, bool& heldA, bool& heldB,
                                    bool& heldBody) {
  heldA = NearPoint(x, y, a);
  heldB = !heldA && NearPoint(x, y, b);
  heldBody = !heldA && !heldB && NearSegment(x, y, a, b);
  return heldA || heldB || heldBody;
}

bool TBaseWaterObject::HitThreePoints(int32_t x, int32_t y, TPoint p1, TPoint p2, TPoint p3, bool& held1,
                                      bool& held2, bool& held3, bool& heldBody) {
  held1 = NearPoint(x, y, p1);
  held2 = false;
  held3 = !held1 && NearPoint(x, y, p3);
  heldBody =
      !held1 && !held3 && (NearSegment(x, y, p2, p1) || NearSegment(x, y, p2, p3) || NearPoint(x, y, p2));
  return held1 || held3 || heldBody;
}

}  // namespace wavora
