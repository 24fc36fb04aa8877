#include "widgets/icons.h"

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

QIcon WavoraIcon(TIcon icon) {
  return QIcon(IconPath(icon));
}

QIcon ToolIcon(int imageIndex) {
  for (const auto& entry : kToolIcons) {
    if (entry.imageIndex == imageIndex) return WavoraIcon(entry.icon);
  }
  return {};
}

}  // namespace wavora
