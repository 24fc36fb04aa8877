#pragma once

#include <string>
#include <vector>

namespace wavora {

// A saved slideshow with a slide for every source shape, each holding every tool of the tools menu,
// and one slide for every medium class: every class a file may hold, at its initial values.
std::string SeedSlideshowText();

// The slides of the seed slideshow, each as the clipboard carries it.
std::vector<std::string> SeedSlideTexts();

// A libFuzzer dictionary of the text format's element and attribute names, taken from the classes
// registered at start-up, with the value names of enumerations and Booleans.
std::string FuzzDictionary();

}  // namespace wavora
