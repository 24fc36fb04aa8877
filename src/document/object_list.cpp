#include "document/object_list.h"

#include <optional>

#include "sim/control_panel_tool.h"
#include "sim/exciter.h"
#include "sim/ri_map.h"

namespace wavora {

namespace {

// The group the object is listed in, or none for objects the list does not show.
std::optional<TObjectKind> KindOf(const iXMLNode& child) {
  if (RefCast<TBaseExciter>(child)) return TObjectKind::Source;
  if (RefCast<TBaseRIMap>(child)) return TObjectKind::Medium;
  if (RefCast<TControlPanelTool>(child)) return TObjectKind::PanelTool;
  if (RefCast<TBaseTool>(child)) return TObjectKind::Tool;
  return std::nullopt;
}

}  // namespace

TObjectListContent ObjectListOf(const TWater& tank) {
  TObjectListContent content;
  for (const TObjectKind group : {TObjectKind::Source, TObjectKind::Medium, TObjectKind::Tool}) {
    for (int i = 0; i < tank.GetChildCount(); ++i) {
      const iXMLNode child = tank.GetChildren(i);
      const std::optional<TObjectKind> kind = KindOf(child);
      const bool inGroup =
          kind && (*kind == group || (group == TObjectKind::Tool && *kind == TObjectKind::PanelTool));
      if (!inGroup) continue;
      const auto* object = dynamic_cast<const TBaseControl*>(child.Get());
      content.items.push_back({object->GetUniqueID(), *kind, object->ListName(), object->ListImageIndex()});
      if (object->GetActiveTool()) content.selected = static_cast<int>(content.items.size()) - 1;
    }
  }
  return content;
}

int32_t SelectedObjectID(const TWater& tank) {
  int32_t selected = -1;
  for (int i = 0; i < tank.GetChildCount(); ++i) {
    const auto* control = dynamic_cast<const TBaseControl*>(tank.GetChildren(i).Get());
    if (control && control->GetActiveTool()) selected = control->GetUniqueID();
  }
  return selected;
}

}  // namespace wavora
