#pragma once

#include <QIcon>
#include <QString>

namespace wavora {

// The program's own line icons, drawn as SVG and compiled into the binary under ":/icons/".
enum class TIcon {
  ClearWater,
  Freeze,
  Drips,
  CameraCopy,
  CameraSave,
  Help,
  NewSlide,
  DeleteSlide,
  SlideshowMenu,
  Experiment,
  SnapToGrid,
  DeleteObject,
  ArrowUp,
  ArrowDown,
  ToolsTab,
  SlidesTab,
  ToolRuler,
  ToolProtractor,
  ToolCrossSection,
  ToolIntensity,
  ToolPaperTape,
  ToolLevelMeter,
  ToolStopwatch,
  ToolSpectrometer,
};
inline constexpr int kIconCount = static_cast<int>(TIcon::ToolSpectrometer) + 1;

// Resource path of the icon, such as ":/icons/freeze.svg".
QString IconPath(TIcon icon);
QIcon WavoraIcon(TIcon icon);

}  // namespace wavora
