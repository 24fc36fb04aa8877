#pragma once

#include "image/colour.h"
#include "sim/theory_figure.h"

namespace wavora {

class TFastDIB;
class TWater;

// The theory overlay: what physics predicts for the experiment in a tank, drawn over its picture in a
// colour no medium, object or tool uses, so it reads on the grey water and on every medium's tint.
inline constexpr TColour kTheoryColour = RGB(255, 0, 255);

// The predictions of every scene object in the tank (the medium and the source are objects too). A
// measuring tool's read-out is appended to the label nearest to it, so a student reads the
// measurement beside the prediction it checks.
TTheoryFigure TankTheory(const TWater& tank);

// Draws the figure over an image of the tank's size (grid cells, y upward; image row H - 1 - y), clipped
// to the image: lines (dashed ones for construction lines), marks as small crosses, circles, and labels
// in black on the overlay's colour.
void DrawTheoryFigure(const TTheoryFigure& figure, TFastDIB& image);

// The tank's predictions drawn over its picture.
void DrawTheory(const TWater& tank, TFastDIB& image);

}  // namespace wavora
