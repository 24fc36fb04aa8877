#include "sim/tool_class_list.h"

#include <vector>

namespace wavora {

namespace {

struct TToolEntry {
  const TClassInfo* toolClass;
  int imageIndex;
};

std::vector<TToolEntry>& Tools() {
  static std::vector<TToolEntry> tools;
  return tools;
}

}  // namespace

void RegisterTool(const TClassInfo& toolClass, int imageIndex) {
  Tools().push_back({&toolClass, imageIndex});
}

int ToolCount() {
  return static_cast<int>(Tools().size());
}

const TClassInfo* ToolClass(int index) {
  return index >= 0 && index < ToolCount() ? Tools()[static_cast<size_t>(index)].toolClass : nullptr;
}

int ToolImageIndex(int index) {
  return index >= 0 && index < ToolCount() ? Tools()[static_cast<size_t>(index)].imageIndex : -1;
}

int ToolImageIndexOf(const TClassInfo& toolClass) {
  for (const TToolEntry& entry : Tools()) {
    if (entry.toolClass == &toolClass) return entry.imageIndex;
  }
  return -1;
}

}  // namespace wavora
