#pragma once

#include <QColor>

namespace wavora {

// Panels of objects and tools sit on the light grey the core paints their images with; the window's
// panel areas have the same colour, so views of panels need no background of their own.
inline const QColor kPanelBackground(247, 247, 247);

}  // namespace wavora
