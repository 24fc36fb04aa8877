#include "widgets/icons.h"

#include <QCoreApplication>

#include <array>

namespace wavora {

namespace {

constexpr std::array<const char*, kIconCount> kIconFiles = {
    "clear_water",
    "freeze",
    "drips",
    "camera_copy",
    "camera_save",
    "help",
    "new_slide",
    "delete_slide",
    "slideshow_menu",
    "experiment",
    "snap_to_grid",
    "delete_object",
    "arrow_up",
    "arrow_down",
    "tools_tab",
    "slides_tab",
    "lens_convex",
    "lens_concave",
    "mirror_quick",
    "mirror_accurate",
    "refraction_quick",
    "refraction_quick_left",
    "refraction_accurate",
    "circular_quick",
    "circular_accurate",
    "parabolic_quick",
    "parabolic_accurate",
    "earth_reflection",
    "earth_refraction",
    "earth_p_waves",
    "earth_s_waves",
    "tsunami_indian_ocean",
    "tsunami_atlantic",
    "ruler",
    "protractor",
    "cross_section",
    "intensity",
    "stopwatch",
    "paper_tape",
    "level_meter",
    "spectrometer",
};

// Pictures of the tool list's image indices.
constexpr struct {
  int imageIndex;
  TIcon icon;
} kToolIcons[] = {
    {1, TIcon::Ruler},     {2, TIcon::Protractor}, {3, TIcon::CrossSection}, {4, TIcon::Intensity},
    {7, TIcon::Stopwatch}, {5, TIcon::PaperTape},  {6, TIcon::LevelMeter},   {8, TIcon::Spectrometer},
};

}  // namespace

QString IconPath(TIcon icon) {
  return QStringLiteral(":/icons/%1.svg").arg(QLatin1String(kIconFiles[static_cast<size_t>(icon)]));
}

// Every call hands out the same icon of a kind, so that Qt's pixmap cache keeps one set of rendered
// pictures per icon rather than a new set for each button, list item or arrow that asks for it. The
// icons are released with the application object, before the image system they belong to goes.
QIcon WavoraIcon(TIcon icon) {
  static std::array<QIcon, kIconCount>* icons = nullptr;
  if (icons == nullptr) {
    icons = new std::array<QIcon, kIconCount>();
    qAddPostRoutine([] {
      delete icons;
      icons = nullptr;
    });
  }
  QIcon& made = (*icons)[static_cast<size_t>(icon)];
  if (made.isNull()) made = QIcon(IconPath(icon));
  return made;
}

QIcon ToolIcon(int imageIndex) {
  for (const auto& entry : kToolIcons) {
    if (entry.imageIndex == imageIndex) return WavoraIcon(entry.icon);
  }
  return {};
}

}  // namespace wavora
