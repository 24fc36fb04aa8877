#pragma once

#include <QColor>
#include <QWidget>

namespace wavora {

// Panels of objects and tools sit on the light grey the core paints their images with.
inline const QColor kPanelBackground(247, 247, 247);

// Gives a panel view its opaque background.
inline void SetPanelBackground(QWidget& panel) {
  QPalette colours = panel.palette();
  colours.setColor(QPalette::Window, kPanelBackground);
  panel.setPalette(colours);
  panel.setAutoFillBackground(true);
}

}  // namespace wavora
