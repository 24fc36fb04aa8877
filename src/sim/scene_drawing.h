#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "image/colour.h"
#include "sim/pointer.h"

namespace wavora {

class TFastDIB;

// Drawing over the tank image for scene objects. Positions are grid cells (y upward); the image has
// the grid's size, so row Y = H - 1 - y with H the image height. Everything clips to the image.

// The handle marker: a disc of radius 4 with a light stroke at its upper left and a dark one at its
// lower right.
void DrawHandle(TFastDIB& image, int32_t x, int32_t y, TColour colour);
// A filled disc with its outline, in one colour.
void FillCircle(TFastDIB& image, int32_t x, int32_t y, TColour colour, int32_t radius);
// The 3 x 3 pixels around (x, y), leaving out the image's outer ring.
void DrawDot(TFastDIB& image, int32_t x, int32_t y, TColour colour);
// Two barbs at tip, pointing back towards tail, of size s; nothing when the points coincide.
void DrawArrowHead(TFastDIB& image, TPoint tip, TPoint tail, TColour colour, double s);
// The barbs plus a bar of length 2s across the line through the tip.
void DrawBarArrowHead(TFastDIB& image, TPoint tip, TPoint tail, TColour colour, double s);
void DrawArrow(TFastDIB& image, TPoint tail, TPoint tip, TColour colour, double s);
void DrawDoubleArrow(TFastDIB& image, TPoint a, TPoint b, TColour colour, double s);
void DrawPlus(TFastDIB& image, int32_t x, int32_t y, TColour colour, int32_t r);
void DrawCross(TFastDIB& image, int32_t x, int32_t y, TColour colour, int32_t r);

// A box in image coordinates (rows from the top); right and bottom are left + width, top + height.
struct TLabelBox {
  int32_t left = 0, top = 0, right = 0, bottom = 0;
  friend bool operator==(const TLabelBox&, const TLabelBox&) = default;
};

// Where a label of the given text goes beside the segment A-B: off its middle by 0.65 of the text
// size across the segment, then kept inside the image's inner area. None when A = B.
std::optional<TLabelBox> LabelRect(const TFastDIB& image, std::string_view text, TPoint a, TPoint b);
// The same for a segment between points that need not lie on cells.
std::optional<TLabelBox> LabelRect(const TFastDIB& image, std::string_view text, double ax, double ay,
                                   double bx, double by);

// The colour moved 30 % towards white, and darkened to 80 %; channels rounded half to even.
TColour Lighter(TColour colour);
TColour Darker(TColour colour);

}  // namespace wavora
