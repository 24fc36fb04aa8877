#include "document/object_commands.h"

#include "sim/control_panel_tool.h"
#include "sim/ri_map.h"
#include "sim/tool_class_list.h"

namespace wavora {

namespace {

TBaseControl* ControlAt(const TWater& tank, int index) {
  return dynamic_cast<TBaseControl*>(tank.GetChildren(index).Get());
}

}  // namespace

TRef<TBaseControl> AddToolFromList(TWater& tank, int toolIndex) {
  const TClassInfo* toolClass = ToolClass(toolIndex);
  const TRef<TBaseControl> tool =
      toolClass ? RefCast<TBaseControl>(toolClass->Create()) : TRef<TBaseControl>();
  if (!tool) return {};
  tank.add(tool);
  tool->Activate();
  return tool;
}

TRef<TBaseControl> ObjectWithID(const TWater& tank, int32_t uniqueID) {
  for (int i = 0; i < tank.GetChildCount(); ++i) {
    TBaseControl* control = ControlAt(tank, i);
    if (control && control->GetUniqueID() == uniqueID) return TRef<TBaseControl>(control);
  }
  return {};
}

TRef<TBaseControl> SelectObject(TWater& tank, int32_t uniqueID) {
  const TRef<TBaseControl> object = ObjectWithID(tank, uniqueID);
  if (!object) return {};
  object->Activate();
  if (RefCast<TBaseRIMap>(object)) DeactivateTools(tank);
  return object;
}

void DeactivateTools(TWater& tank) {
  for (int i = 0; i < tank.GetChildCount(); ++i) {
    const iXMLNode child = tank.GetChildren(i);
    if (const TRef<TBaseTool> tool = RefCast<TBaseTool>(child)) tool->SetActiveTool(false);
    if (const TRef<TControlPanelTool> tool = RefCast<TControlPanelTool>(child)) tool->SetActiveCPTool(false);
  }
}

TDeleted DeleteActiveObject(TWater& tank) {
  for (int i = 0; i < tank.GetChildCount(); ++i) {
    TBaseControl* control = ControlAt(tank, i);
    if (!control || !control->GetActiveTool() || !control->CanBeDeleted()) continue;
    if (dynamic_cast<TBaseRIMap*>(control)) {
      tank.SetRIMapClass(TNoneRIMap::StaticClassInfo());
      return TDeleted::Medium;
    }
    tank.Remove(tank.GetChildren(i));
    for (int before = i - 1; before >= 1; --before) {
      if (TBaseControl* neighbour = ControlAt(tank, before)) {
        neighbour->SetActiveTool(true);
        break;
      }
    }
    return TDeleted::Object;
  }
  return TDeleted::Nothing;
}

void SnapActiveObjects(TWater& tank, bool snap) {
  for (int i = 0; i < tank.GetChildCount(); ++i) {
    TBaseControl* control = ControlAt(tank, i);
    if (control && control->GetActiveTool()) control->SetSnapToGrid(snap);
  }
}

}  // namespace wavora
