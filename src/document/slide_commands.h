#pragma once

#include "document/water_collection.h"

namespace wavora {

// A new slide as the window makes it: a tank holding a new object of the first medium class (the
// empty tank) and a new source, added to the slideshow (which sizes it) and made the active slide.
// Raises std::logic_error when the class lists were not filled at start-up.
TRef<TWater> AddNewSlide(TWaterCollection& slideshow);

// Deletes the active slide unless it is the only one: the slide after it becomes active, or the one
// before when it was the last. Whether a slide was deleted; the caller keeps the deleted tank alive
// (a reference) while anything still refers to its objects.
bool DeleteActiveSlide(TWaterCollection& slideshow);

// The document the program starts with: an empty slideshow of that tank size with one new slide.
TRef<TSlideshow> NewSlideshow(int32_t tankWidth, int32_t tankHeight);

}  // namespace wavora
