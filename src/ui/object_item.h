#pragma once

#include <QIcon>
#include <QRect>

#include "document/object_list.h"

class QPainter;

namespace wavora {

class TFastDIB;

// Items of the object list are 32 pixels high; a panel tool's item, which shows a picture of its
// panel, 75.
inline constexpr int kObjectItemHeight = 32;
inline constexpr int kPanelItemHeight = 75;
int ObjectItemHeight(TObjectKind kind);

// The 20 x 20 picture of a tool by its image index in the tool class list (1 ... 8).
QIcon ToolImage(int imageIndex);

// One item of the object list on its background: the source's shape picture, the medium's experiment
// picture with a mark that shows whether it is selected, or the tool's picture, each beside the name;
// a panel tool's name above a reduced picture of its panel (none while the panel has no image).
void DrawObjectItem(QPainter& painter, const TObjectListItem& item, const QRect& rect, bool selected,
                    const QIcon& picture, const TFastDIB* panelImage);

}  // namespace wavora
