#include "tools/tool_label.h"

#include <cstdio>

namespace wavora {

std::string OneDecimal(double value, const char* unit) {
  char text[64];
  std::snprintf(text, sizeof text, "%1.1f%s", value, unit);
  return text;
}

}  // namespace wavora
