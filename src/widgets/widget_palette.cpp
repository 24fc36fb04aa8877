#include "widgets/widget_palette.h"

namespace wavora {

namespace {

// One scheme for the whole program, as the platform's palette is.
const TWidgetColours* current = &kStandardColours;

}  // namespace

const TWidgetColours& WidgetColours() {
  return *current;
}

void UseHighContrastColours(bool on) {
  current = on ? &kHighContrastColours : &kStandardColours;
}

}  // namespace wavora
