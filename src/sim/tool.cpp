#include "sim/tool.h"

#include "sim/tool_class_list.h"

namespace wavora {

const TClassInfo& TBaseTool::StaticClassInfo() {
  static const TClassInfo info = TClassBuilder<TBaseTool>("TBaseTool", &TBaseControl::StaticClassInfo())
                                     .Texts("Base Tool Type", "Need to change this")
                                     .Abstract()
                                     .Build();
  return info;
}

TColour TBaseTool::HandleColour() const {
  return GetActiveTool() ? RGB(210, 210, 254) : RGB(56, 70, 150);
}

int TBaseTool::ListImageIndex() const {
  return ToolImageIndexOf(ClassInfo());
}

}  // namespace wavora
