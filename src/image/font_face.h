#pragma once

#include <memory>
#include <string>

#include "image/font_renderer.h"

namespace wavora {

// The faces text is drawn with, as the build rasterises them: natively the face fontconfig picks for
// a family name, through FreeType; in WebAssembly the one face compiled into the program, through
// stb_truetype. The text functions of font_renderer.h call these under their lock and cache what they
// give.

struct TRenderedGlyph {
  TGlyphImage image;
  int advance = 0;  // pixels
};

// One face at one pixel size (the em square), with its line metrics in whole pixels.
class TSizedFace {
 public:
  TSizedFace(int ascent, int descent) : ascent_(ascent), descent_(descent) {}
  virtual ~TSizedFace() = default;

  int Ascent() const { return ascent_; }
  int Descent() const { return descent_; }
  // The glyph of a character; the face's missing-glyph shape for a character it lacks.
  virtual TRenderedGlyph Render(char32_t code) = 0;

 private:
  int ascent_;
  int descent_;
};

// The face a family name is drawn with at the pixel size, or none when the build finds no face.
std::unique_ptr<TSizedFace> OpenSizedFace(const std::string& family, int pixelSize);

}  // namespace wavora
