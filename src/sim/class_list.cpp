#include "sim/class_list.h"

namespace wavora {

int TClassList::ImageIndexOf(const TClassInfo& nodeClass) const {
  for (const TEntry& entry : entries_) {
    if (entry.nodeClass == &nodeClass) return entry.imageIndex;
  }
  return -1;
}

int TClassList::LastIndexOfName(std::string_view name) const {
  for (int i = Count() - 1; i >= 0; --i) {
    if (entries_[size_t(i)].nodeClass->ClassName() == name) return i;
  }
  return -1;
}

TClassList& MediumClasses() {
  static TClassList list;
  return list;
}

TClassList& ExciterClasses() {
  static TClassList list;
  return list;
}

TClassList& ToolClasses() {
  static TClassList list;
  return list;
}

}  // namespace wavora
