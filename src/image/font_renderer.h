#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace wavora {

// A font chosen by family name and size. The name goes through fontconfig, so "Arial" finds a face
// with Arial's metrics and an unknown name falls back to the system's default sans face.
struct TFont {
  std::string name = "Arial";
  int size = 8;  // points at 96 pixels per inch; clamped to 1 ... kMaxFontSize when used

  friend bool operator==(const TFont&, const TFont&) = default;
};

inline constexpr int kMaxFontSize = 200;

struct TTextExtent {
  int width = 0;   // sum of the glyph advances, pixels
  int height = 0;  // the font's line height (ascent + descent), pixels

  friend bool operator==(const TTextExtent&, const TTextExtent&) = default;
};

// The grey-level coverage of one glyph, rows from the top, 0 (none) ... 255 (full).
struct TGlyphImage {
  int left = 0;  // first column, relative to the pen position
  int top = 0;   // first row, relative to the top of the text line
  int width = 0;
  int height = 0;
  std::vector<uint8_t> coverage;
};

// Em size in pixels of a font size in points: size × 96 / 72, rounded.
int FontPixelSize(const TFont& font);

// Text is UTF-8; a byte that does not start a valid sequence stands for the Latin-1 character of
// that code. Layout is one line at whole-pixel pen positions without kerning, so every glyph of a
// font and size has the same pixels wherever it stands. Faces and rendered glyphs are cached for
// the life of the process.
TTextExtent TextExtent(const TFont& font, std::string_view text);

// Calls draw for every glyph that has pixels, with the pen position of the glyph relative to the
// start of the text. The glyph cache is locked meanwhile: draw must not lay out text itself.
void RenderText(const TFont& font, std::string_view text,
                const std::function<void(int64_t penX, const TGlyphImage& glyph)>& draw);

}  // namespace wavora
