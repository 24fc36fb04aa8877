#pragma once

#include <bit>
#include <cstdint>
#include <string_view>
#include <vector>

#include "image/colour.h"
#include "image/font_renderer.h"

namespace wavora {

// Largest image: each side and the pixel count are bounded so that no size from a file or a
// computation can ask for an absurd buffer.
inline constexpr int kMaxDibSide = 32768;
inline constexpr int64_t kMaxDibPixels = int64_t{1} << 26;

// An image of 4 bytes per pixel in the order blue, green, red, 0xFF, rows stored top first with no
// padding: the 32-bit RGB layout of the screen's back buffer on a little-endian processor, so the view
// wraps and paints the buffer with neither a copy nor a conversion. Every pixel's fourth byte is 0xFF
// from SetSize on; drawing writes only the other three, copies move whole pixels.
//
// Drawing takes coordinates counted from the top, x to the right and y downward. Every primitive
// clips to the image: no coordinate or size, however large, writes outside the buffer.
class TFastDIB {
 public:
  static_assert(std::endian::native == std::endian::little, "pixels are laid out as little-endian words");
  static constexpr int kBytesPerPixel = 4;

  TFastDIB() = default;
  TFastDIB(int width, int height) { SetSize(width, height); }

  // Resizes to width × height pixels, all black. A negative side counts as 0; a side above
  // kMaxDibSide or more than kMaxDibPixels pixels throws std::length_error.
  void SetSize(int width, int height);

  int Width() const { return width_; }
  int Height() const { return height_; }
  bool IsEmpty() const { return width_ == 0 || height_ == 0; }
  int BytesPerRow() const { return bytesPerRow_; }

  // The whole buffer, top row first, rows BytesPerRow() apart; null when empty.
  uint8_t* Bits() { return bits_.empty() ? nullptr : Row(0); }
  const uint8_t* Bits() const { return bits_.empty() ? nullptr : Row(0); }
  // Row y from the top, 0 ≤ y < Height(); the caller keeps y in range.
  uint8_t* Row(int y) { return reinterpret_cast<uint8_t*>(bits_.data()) + size_t(y) * size_t(bytesPerRow_); }
  const uint8_t* Row(int y) const {
    return reinterpret_cast<const uint8_t*>(bits_.data()) + size_t(y) * size_t(bytesPerRow_);
  }

  // The pixel at (x, y) from the top; black outside the image.
  TColour Pixel(int x, int y) const;
  void SetPixel(int x, int y, TColour colour);

  void Fill(TColour colour);
  // Fills columns left ... right − 1 of rows top ... bottom − 1.
  void FillRect(int left, int top, int right, int bottom, TColour colour);

  // Width in pixels of lines and arcs, 1 ... kMaxPenWidth; 1 draws every line as described here, a
  // wider pen lays that many side by side across the line's major axis (arcs: rings outward).
  static constexpr int kMaxPenWidth = 4;
  int PenWidth() const { return penWidth_; }
  void SetPenWidth(int width) { penWidth_ = width < 1 ? 1 : width > kMaxPenWidth ? kMaxPenWidth : width; }

  // The line from (x1, y1) to (x2, y2), both ends included. Exactly horizontal and vertical lines
  // are solid; any other line is anti-aliased: at each step along its major axis the two pixels
  // that straddle the ideal line are blended with the colour by their coverage.
  void Line(int x1, int y1, int x2, int y2, TColour colour);

  // The ellipse inscribed in the box of pixels left ... right, top ... bottom (all included):
  // filled (its outline in the same colour), or only its one-pixel outline.
  void FillEllipse(int left, int top, int right, int bottom, TColour colour);
  void FrameEllipse(int left, int top, int right, int bottom, TColour colour);
  // The filled disc of the given radius about (x, y): the ellipse in the box x ± radius, y ± radius.
  void FillCircle(int x, int y, int radius, TColour colour);
  // The part of the one-pixel circle of the given radius about (x, y) that runs counter-clockwise on
  // screen from startAngle to endAngle (radians from the +x direction, counter-clockwise as seen,
  // that is with y pointing up). Equal angles give the whole circle.
  void Arc(int x, int y, int radius, double startAngle, double endAngle, TColour colour);

  // Fills columns left ... right − 1 of rows top ... bottom − 1 with the four-corner gradient: the
  // corner pixels get the corner colours, each row's ends vary linearly from the top row to the
  // bottom row, and each channel varies linearly along every row between its ends.
  void GradientFill(int left, int top, int right, int bottom, TColour topLeft, TColour topRight,
                    TColour bottomLeft, TColour bottomRight);

  // Copies the width × height block at (sourceX, sourceY) of source to (x, y) of this image; the
  // parts outside either image are left out. The source may be this image.
  void CopyRect(int x, int y, const TFastDIB& source, int sourceX, int sourceY, int width, int height);
  // Copies the whole source with its top-left corner at (x, y).
  void Draw(int x, int y, const TFastDIB& source) {
    CopyRect(x, y, source, 0, 0, source.width_, source.height_);
  }

  // Text in the image's current font. The text cell is TextExtent(text) in size with its top-left
  // corner at (x, y); glyph coverage is blended with the colour. The opaque form first fills the
  // cell with the background colour.
  const TFont& Font() const { return font_; }
  void SetFont(const TFont& font) { font_ = font; }
  TTextExtent TextExtent(std::string_view text) const { return wavora::TextExtent(font_, text); }
  void TextOut(int x, int y, std::string_view text, TColour colour);
  void TextOut(int x, int y, std::string_view text, TColour colour, TColour background);

 private:
  // One pixel wide, whatever the pen.
  void ThinLine(int x1, int y1, int x2, int y2, TColour colour);
  // The parameters of an arc: pixels of the outline whose direction from the centre lies in it.
  struct TArcRange {
    double centreX = 0;
    double centreY = 0;
    double start = 0;  // radians, counter-clockwise with y up
    double sweep = 0;  // radians, 0 ... 2π; 0 is the whole circle
  };

  uint8_t* PixelAddress(int64_t x, int64_t y) { return Row(int(y)) + size_t(x) * kBytesPerPixel; }
  const uint8_t* PixelAddress(int64_t x, int64_t y) const { return Row(int(y)) + size_t(x) * kBytesPerPixel; }
  bool Contains(int64_t x, int64_t y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
  // Blends the colour into the pixel (x, y) with weight 0 ... 255; nothing outside the image.
  void Blend(int64_t x, int64_t y, TColour colour, int weight);
  // Sets pixels x0 ... x1 of row y, clipped.
  void Span(int64_t x0, int64_t x1, int64_t y, TColour colour);
  // Draws the ellipse in the box: filled, or its outline (all of it, or the part in the arc).
  void DrawEllipse(int64_t left, int64_t top, int64_t right, int64_t bottom, TColour colour, bool filled,
                   const TArcRange* arc);

  int width_ = 0;
  int height_ = 0;
  int bytesPerRow_ = 0;
  std::vector<uint32_t> bits_;  // whole pixels, so the buffer is aligned for them
  int penWidth_ = 1;
  TFont font_;
};

}  // namespace wavora
