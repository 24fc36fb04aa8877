#pragma once

#include <string_view>
#include <vector>

#include "model/class_info.h"

namespace wavora {

// An ordered list of the classes the window offers (media, sources, tools), filled once at start-up;
// an entry may carry the index of its picture.
class TClassList {
 public:
  void Register(const TClassInfo& nodeClass, int imageIndex = -1) {
    entries_.push_back({&nodeClass, imageIndex});
  }
  int Count() const { return static_cast<int>(entries_.size()); }
  // The class of entry i, or none outside 0 .. count - 1.
  const TClassInfo* Class(int index) const {
    return Contains(index) ? entries_[size_t(index)].nodeClass : nullptr;
  }
  // The picture of entry i, or -1 outside the list.
  int ImageIndex(int index) const { return Contains(index) ? entries_[size_t(index)].imageIndex : -1; }
  // The picture of the first entry with that class, or -1.
  int ImageIndexOf(const TClassInfo& nodeClass) const;
  // The last entry whose class name equals name exactly, or -1.
  int LastIndexOfName(std::string_view name) const;

 private:
  struct TEntry {
    const TClassInfo* nodeClass;
    int imageIndex;
  };
  bool Contains(int index) const { return index >= 0 && index < Count(); }

  std::vector<TEntry> entries_;
};

// The program's three lists.
TClassList& MediumClasses();
TClassList& ExciterClasses();
TClassList& ToolClasses();

}  // namespace wavora
