#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "document/water_collection.h"

namespace wavora {

// The clipboard format a copied slide travels under, beside plain text.
inline constexpr std::string_view kSlideClipboardFormat = "WavoraWater";

// The text of a copied slide: the tank with its objects as node text.
std::string SlideClipboardText(const TWater& tank);

// The outcome of pasting: the messages to show, in order, and the slide added (none when the
// document was left as it was).
struct TPastedSlide {
  std::vector<std::string> errors;
  TRef<TWater> slide;
};

// Reads a slide from clipboard text under the same bounds as a file and, only when a whole tank was
// read, gives it new identifiers and appends it to the slideshow as its last slide (which sizes it).
// The active slide stays as it was.
TPastedSlide PasteSlide(TWaterCollection& slideshow, std::string_view text);

}  // namespace wavora
