#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "sim/water.h"

namespace wavora {

// The kinds of item in the window's object list; each is drawn in its own way.
enum class TObjectKind { Source, Medium, Tool, PanelTool };

// One item of the object list: the object's identifier, kind, name and picture (an index into the
// pictures of its kind: source shapes, media or tools).
struct TObjectListItem {
  int32_t uniqueID = 0;
  TObjectKind kind = TObjectKind::Tool;
  std::string name;
  int imageIndex = -1;
  friend bool operator==(const TObjectListItem&, const TObjectListItem&) = default;
};

// What the object list shows for a tank: its sources, then its medium objects, then its tools, each
// group in child order, and the index of the last of them that is selected (-1 for none).
struct TObjectListContent {
  std::vector<TObjectListItem> items;
  int selected = -1;
};
TObjectListContent ObjectListOf(const TWater& tank);

// The identifier of the tank's last selected object, or -1 when none is selected.
int32_t SelectedObjectID(const TWater& tank);

}  // namespace wavora
