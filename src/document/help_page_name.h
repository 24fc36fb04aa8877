#pragma once

#include <string>
#include <string_view>

#include "model/class_info.h"

namespace wavora {

// The help page of a class the window offers (a medium, the source, a tool) is named after the class as
// files name it, so every class in the lists has exactly one page and a new class needs one.
inline std::string HelpPageOf(const TClassInfo& nodeClass) {
  return nodeClass.ClassName() + ".html";
}

// The anchor of the section on such a page that explains the object's panel, where F1 on the panel leads.
inline constexpr std::string_view kHelpPanelSection = "panel";

}  // namespace wavora
