#include "tools/tool_label.h"

#include "sim/text_language.h"

namespace wavora {

std::string OneDecimal(double value, const char* unit) {
  return ReadoutNumber(value, 1) + unit;
}

}  // namespace wavora
