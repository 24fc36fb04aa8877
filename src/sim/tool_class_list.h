#pragma once

#include "sim/class_list.h"

namespace wavora {

// The tool classes offered in the tools menu, each with the index of its picture, in menu order.
inline void RegisterTool(const TClassInfo& toolClass, int imageIndex) {
  ToolClasses().Register(toolClass, imageIndex);
}
inline int ToolCount() {
  return ToolClasses().Count();
}
inline const TClassInfo* ToolClass(int index) {
  return ToolClasses().Class(index);
}
inline int ToolImageIndex(int index) {
  return ToolClasses().ImageIndex(index);
}
inline int ToolImageIndexOf(const TClassInfo& toolClass) {
  return ToolClasses().ImageIndexOf(toolClass);
}

}  // namespace wavora
