#include "tools/graph_background.h"

#include "image/fast_dib.h"
#include "sim/rounding.h"

namespace wavora {

void DrawLightGraphBackground(TFastDIB& image) {
  const int W = image.Width();
  const int H = image.Height();
  const TColour light = RGB(255, 255, 250);
  image.GradientFill(0, 0, W, H, light, light, light, RGB(225, 230, 230));
  for (int k = 0; k <= 10; ++k) {
    const int y = H - 1 - RoundHalfEven(k * (H - 1) / 10.0);
    image.Line(1, y, W - 2, y, kLightGridColour);
  }
}

}  // namespace wavora
