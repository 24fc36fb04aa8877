#pragma once

#include "image/colour.h"
#include "sim/scene_drawing.h"

namespace wavora {

class TFastDIB;

// The line tools' marks in their label box beside the line: one period of a wave for the
// cross-section, an "I" for the intensity.
void DrawWaveGlyph(TFastDIB& image, const TLabelBox& box, TColour colour);
void DrawIntensityGlyph(TFastDIB& image, const TLabelBox& box, TColour colour);

}  // namespace wavora
