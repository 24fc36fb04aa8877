#pragma once

#include <QColor>

namespace wavora {

// Panels of objects and tools sit on the light grey the core paints their images with; the window's
// panel areas have the same colour, so views of panels need no background of their own.
inline const QColor kPanelBackground(247, 247, 247);

// The main window's medium panel holder is this high and centres a panel in it, so a taller panel
// keeps its controls in the middle rows; the first row that shows is MediumPanelTop.
inline constexpr int kMediumPanelHolderHeight = 150;
constexpr int MediumPanelTop(int panelHeight) {
  return panelHeight > kMediumPanelHolderHeight ? (panelHeight - kMediumPanelHolderHeight + 1) / 2 : 0;
}

}  // namespace wavora
