#include "document/picked_handle.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "document/object_commands.h"
#include "document/object_list.h"
#include "sim/base_control.h"

namespace wavora {

namespace {

// Every handle of the tank in picking order.
std::vector<TPickedHandle> AllHandles(const TWater& tank) {
  std::vector<TPickedHandle> handles;
  for (const TObjectListItem& item : ObjectListOf(tank).items) {
    const TRef<TBaseControl> object = ObjectWithID(tank, item.uniqueID);
    const int count = object ? static_cast<int>(object->HandlePoints().size()) : 0;
    for (int i = 0; i < count; ++i)
      handles.push_back({item.uniqueID, i});
  }
  return handles;
}

int Sign(int v) {
  return (v > 0) - (v < 0);
}

}  // namespace

TPickedHandle StepPickedHandle(const TWater& tank, const TPickedHandle& picked, int step) {
  const std::vector<TPickedHandle> handles = AllHandles(tank);
  if (handles.empty() || step == 0) return {};
  const int count = static_cast<int>(handles.size());
  const auto at = std::find(handles.begin(), handles.end(), picked);
  if (at == handles.end()) return step > 0 ? handles.front() : handles.back();
  const int index = static_cast<int>(at - handles.begin());
  return handles[static_cast<size_t>(((index + Sign(step)) % count + count) % count)];
}

TPickedHandle PickNextHandle(TWater& tank, const TPickedHandle& picked, int step) {
  const TPickedHandle next = StepPickedHandle(tank, picked, step);
  if (next.handle >= 0) SelectObject(tank, next.objectID);
  return next;
}

std::optional<THandlePlace> PickedHandlePlace(const TWater& tank, const TPickedHandle& picked) {
  const TRef<TBaseControl> object = ObjectWithID(tank, picked.objectID);
  if (!object) return std::nullopt;
  const std::vector<TPoint> cells = object->HandlePoints();
  if (picked.handle < 0 || picked.handle >= static_cast<int>(cells.size())) return std::nullopt;
  return THandlePlace{object, cells[static_cast<size_t>(picked.handle)], static_cast<int>(cells.size())};
}

bool NudgePickedHandle(TWater& tank, const TPickedHandle& picked, int dx, int dy) {
  const std::optional<THandlePlace> place = PickedHandlePlace(tank, picked);
  const int distance = std::max(std::abs(dx), std::abs(dy));
  if (!place || distance == 0) return false;
  TBaseControl& object = *place->object;
  const std::vector<TPoint> before = object.HandlePoints();
  // Pointer events count image rows, downward.
  const auto imageY = [&object](int32_t y) { return object.H() - 1 - y; };
  bool taken = false;
  object.MouseDown(TMouseButton::Left, {}, taken, place->cell.x, imageY(place->cell.y));
  if (taken) {
    for (int travel = distance; travel <= distance + kNudgeGoOnCells; ++travel) {
      const int32_t x = place->cell.x + dx * travel / distance;
      const int32_t y = place->cell.y + dy * travel / distance;
      object.MouseMove({}, x, imageY(y));
      if (object.HandlePoints() != before) break;
    }
  }
  object.MouseUp(TMouseButton::Left, {}, place->cell.x, imageY(place->cell.y));
  object.KeepPlace();
  return object.HandlePoints() != before;
}

}  // namespace wavora
