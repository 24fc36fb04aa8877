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
  LensConvex,
  LensConcave,
  MirrorQuick,
  MirrorAccurate,
  RefractionQuick,
  RefractionQuickLeft,
  RefractionAccurate,
  CircularQuick,
  CircularAccurate,
  ParabolicQuick,
  ParabolicAccurate,
  EarthReflection,
  EarthRefraction,
  EarthPWaves,
  EarthSWaves,
  TsunamiIndianOcean,
  TsunamiAtlantic,
  Ruler,
  Protractor,
  CrossSection,
  Intensity,
  Stopwatch,
  PaperTape,
  LevelMeter,
  Spectrometer,
};
inline constexpr int kIconCount = static_cast<int>(TIcon::Spectrometer) + 1;

// Resource path of the icon, such as ":/icons/freeze.svg".
QString IconPath(TIcon icon);
QIcon WavoraIcon(TIcon icon);
// The picture of a tool class by the image index the tool list gives it; none for an index without
// a picture.
QIcon ToolIcon(int imageIndex);

}  // namespace wavora
