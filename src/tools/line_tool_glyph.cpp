#include "tools/line_tool_glyph.h"

#include "image/fast_dib.h"

namespace wavora {

void DrawWaveGlyph(TFastDIB& image, const TLabelBox& box, TColour colour) {
  const int l = box.left, t = box.top, r = box.right, b = box.bottom;
  const int w = r - l;
  const int m = t + (b - t) / 2;
  const int xs[] = {l, l + w / 8, l + w / 4, l + 3 * w / 8, l + 5 * w / 8, l + 3 * w / 4, l + 7 * w / 8, r};
  const int ys[] = {m, t + 4, t + 3, t + 4, b - 4, b - 3, b - 4, m};
  for (int i = 0; i + 1 < 8; ++i)
    image.Line(xs[i], ys[i], xs[i + 1], ys[i + 1], colour);
}

void DrawIntensityGlyph(TFastDIB& image, const TLabelBox& box, TColour colour) {
  const int l = box.left, t = box.top, r = box.right, b = box.bottom;
  image.Line(l + 4, t + 3, r - 2, t + 3, colour);
  image.Line(l + 1 + (r - l) / 2, t + 3, l + (r - l) / 2, b - 3, colour);
  image.Line(l + 3, b - 3, r - 3, b - 3, colour);
}

}  // namespace wavora
