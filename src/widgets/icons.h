#pragma once

#include <QIcon>
#include <QString>

#include <functional>

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
  Record,
};
inline constexpr int kIconCount = static_cast<int>(TIcon::Record) + 1;

// Resource path of the icon, such as ":/icons/freeze.svg".
QString IconPath(TIcon icon);
QIcon WavoraIcon(TIcon icon);
// The icon kept under `key`, made by `make` on the first call. Every call hands out that same icon, so
// that Qt's pixmap cache keeps one set of rendered pictures per icon rather than a new set for each
// button, list item, menu entry or arrow that asks for it again. Kept icons are released with the
// application object, before the image system they belong to goes.
QIcon KeptIcon(const QString& key, const std::function<QIcon()>& make);
// The picture of a tool class by the image index the tool list gives it; none for an index without
// a picture.
QIcon ToolIcon(int imageIndex);

}  // namespace wavora
