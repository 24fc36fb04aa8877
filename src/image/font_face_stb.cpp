#define STB_TRUETYPE_IMPLEMENTATION
#define STBTT_STATIC
#include <stb_truetype.h>

#include <cstdint>
#include <string_view>

#include "image/font_face.h"

namespace wavora {

// Defined by the source the build generates from the face's file.
std::string_view TextFaceFile();

namespace {

// Fixed-point arithmetic as FreeType does it (16.16 scales, 26.6 pixels), so that line heights and
// advances come out in the same whole pixels as on the native build and text takes the same room
// there: only the glyphs' pixels differ, as this rasteriser does not hint.
int64_t DivideFixed(int64_t a, int64_t b) {
  return (a * 65536 + b / 2) / b;
}
int64_t MultiplyFixed(int64_t a, int64_t b) {
  const int64_t product = ((a < 0 ? -a : a) * (b < 0 ? -b : b) + 0x8000) >> 16;
  return (a < 0) != (b < 0) ? -product : product;
}

const stbtt_fontinfo* TextFace() {
  static stbtt_fontinfo face;
  static const bool loaded = [] {
    const std::string_view file = TextFaceFile();
    const auto* bytes = reinterpret_cast<const unsigned char*>(file.data());
    return stbtt_InitFont(&face, bytes, stbtt_GetFontOffsetForIndex(bytes, 0)) != 0;
  }();
  return loaded ? &face : nullptr;
}

class TStbFace final : public TSizedFace {
 public:
  TStbFace(const stbtt_fontinfo* face, int pixelSize, int64_t scale, int ascent, int descent)
      : TSizedFace(ascent, descent),
        face_(face),
        scale_(scale),
        pixelScale_(stbtt_ScaleForMappingEmToPixels(face, static_cast<float>(pixelSize))) {}

  TRenderedGlyph Render(char32_t code) override {
    TRenderedGlyph glyph;
    const int index = stbtt_FindGlyphIndex(face_, static_cast<int>(code));
    int advance = 0;
    int leftBearing = 0;
    stbtt_GetGlyphHMetrics(face_, index, &advance, &leftBearing);
    glyph.advance = static_cast<int>((MultiplyFixed(advance, scale_) + 32) >> 6);
    int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    stbtt_GetGlyphBitmapBox(face_, index, pixelScale_, pixelScale_, &x0, &y0, &x1, &y1);
    if (x1 <= x0 || y1 <= y0) return glyph;
    TGlyphImage& image = glyph.image;
    image.left = x0;
    image.top = Ascent() + y0;  // y0: the top row, from the baseline downwards
    image.width = x1 - x0;
    image.height = y1 - y0;
    image.coverage.resize(size_t(image.width) * size_t(image.height));
    stbtt_MakeGlyphBitmap(face_, image.coverage.data(), image.width, image.height, image.width, pixelScale_,
                          pixelScale_, index);
    return glyph;
  }

 private:
  const stbtt_fontinfo* face_;
  int64_t scale_;     // font units to 26.6 pixels, 16.16
  float pixelScale_;  // font units to pixels
};

}  // namespace

// Every family name is drawn with the one face the program carries, the face Debian's fontconfig picks
// for "Arial".
std::unique_ptr<TSizedFace> OpenSizedFace(const std::string&, int pixelSize) {
  const stbtt_fontinfo* face = TextFace();
  if (face == nullptr) return nullptr;
  const int unitsPerEm = ttUSHORT(face->data + face->head + 18);
  int ascender = 0, descender = 0, lineGap = 0;
  stbtt_GetFontVMetrics(face, &ascender, &descender, &lineGap);
  const int64_t scale = DivideFixed(int64_t{pixelSize} * 64, unitsPerEm);
  // The line's ascent and descent rounded outwards to whole pixels.
  const int64_t ascent = (MultiplyFixed(ascender, scale) + 63) & ~int64_t{63};
  const int64_t descent = MultiplyFixed(descender, scale) & ~int64_t{63};
  return std::make_unique<TStbFace>(face, pixelSize, scale, static_cast<int>(ascent >> 6),
                                    static_cast<int>(-descent >> 6));
}

}  // namespace wavora
