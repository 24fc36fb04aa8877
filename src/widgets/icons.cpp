#include "widgets/icons.h"

#include <array>

namespace wavora {

namespace {

constexpr std::array<const char*, kIconCount> kIconFiles = {
    "clear_water",        "freeze",         "drips",
    "camera_copy",        "camera_save",    "help",
    "new_slide",          "delete_slide",   "slideshow_menu",
    "experiment",         "snap_to_grid",   "delete_object",
    "arrow_up",           "arrow_down",     "tools_tab",
    "slides_tab",         "tool_ruler",     "tool_protractor",
    "tool_cross_section", "tool_intensity", "tool_paper_tape",
    "tool_level_meter",   "tool_stopwatch", "tool_spectrometer",
};

}  // namespace

QString IconPath(TIcon icon) {
  return QStringLiteral(":/icons/%1.svg").arg(QLatin1String(kIconFiles[static_cast<size_t>(icon)]));
}

QIcon WavoraIcon(TIcon icon) {
  return QIcon(IconPath(icon));
}

}  // namespace wavora
