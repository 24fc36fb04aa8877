#pragma once

#include "model/class_info.h"

namespace wavora {

// The tool classes offered in the tools menu, each with the index of its picture, filled once at
// start-up in menu order.
void RegisterTool(const TClassInfo& toolClass, int imageIndex);
int ToolCount();
// The class of entry i, or none outside 0 .. count - 1.
const TClassInfo* ToolClass(int index);
// The picture of entry i, or -1 outside the list.
int ToolImageIndex(int index);
// The picture of the first entry with that class, or -1.
int ToolImageIndexOf(const TClassInfo& toolClass);

}  // namespace wavora
