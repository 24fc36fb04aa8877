#include "tools/cross_section_cp.h"

#include "tools/cross_section_tool.h"

namespace wavora {

TScopeToolsFrame::TScopeToolsFrame(TCrossSectionTool& tool, int gain)
    : TLineToolFrame(tool, gain), crossSection_(tool) {}

void TScopeToolsFrame::SetToolGain(int gain) {
  crossSection_.SetGain(gain);
}

void TScopeToolsFrame::HideCursor() {
  crossSection_.SetCursor(false, crossSection_.CursorPosition(), crossSection_.CursorHeight());
  crossSection_.UpdateControlPanel(*this);
}

void TScopeToolsFrame::DrawBackground(TFastDIB& image) const {
  const int W = image.Width();
  const int H = image.Height();
  const TColour corner = RGB(38, 125, 132);
  image.GradientFill(0, 0, W, H, RGB(113, 200, 237), corner, corner, corner);
  const TColour grid = RGB(78, 78, 78);
  VerticalGridLines(image, 1, W - 2, 0, H - 1, grid);
  // One horizontal line through the middle, then every 20 pixels.
  const int n = H / 20;
  const int first = (H - 20 * (n + 1)) / 2 + ((n + 1) % 2 == 1 ? 10 : 0);
  for (int k = 0; k <= n; ++k) {
    const int y = first + 20 * k;
    if (y >= 0 && y < H) image.Line(0, y, W - 1, y, grid);
  }
}

}  // namespace wavora
