#include "image/fast_dib.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <cstring>
#include <numbers>
#include <stdexcept>
#include <string>

#include "image/half_even.h"

namespace wavora {

namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;

// Rounds to the nearest integer, halves to even, and limits to a channel value.
uint8_t RoundToChannel(double v) {
  return static_cast<uint8_t>(std::clamp(RoundedHalfEven(v), 0.0, 255.0));
}

// p + (c − p) × weight / 255, rounded.
uint8_t BlendChannel(uint8_t p, uint8_t c, int weight) {
  return static_cast<uint8_t>((p * (255 - weight) + c * weight + 127) / 255);
}

// An angle reduced into 0 ... 2π; NaN stays NaN, so a broken angle draws nothing.
double ReduceAngle(double a) {
  a = std::fmod(a, kTwoPi);
  return a < 0 ? a + kTwoPi : a;
}

// The pixel as the buffer holds it: blue in the low byte, then green, red and 0xFF.
uint32_t PackedPixel(TColour c) {
  return uint32_t{c.blue} | uint32_t{c.green} << 8 | uint32_t{c.red} << 16 | 0xFF000000u;
}

struct TSpan {
  int64_t left = 1;
  int64_t right = 0;
  bool IsEmpty() const { return left > right; }
};

}  // namespace

void TFastDIB::SetSize(int width, int height) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (width > kMaxDibSide || height > kMaxDibSide || int64_t{width} * height > kMaxDibPixels) {
    throw std::length_error("Image size " + std::to_string(width) + " x " + std::to_string(height) +
                            " is too large");
  }
  if (width == 0 || height == 0) width = height = 0;
  width_ = width;
  height_ = height;
  bytesPerRow_ = width * kBytesPerPixel;
  bits_.assign(size_t(width) * size_t(height), PackedPixel(TColour{}));
}

TColour TFastDIB::Pixel(int x, int y) const {
  if (!Contains(x, y)) return TColour{};
  const uint8_t* p = PixelAddress(x, y);
  return TColour{p[0], p[1], p[2]};
}

void TFastDIB::SetPixel(int x, int y, TColour colour) {
  if (!Contains(x, y)) return;
  uint8_t* p = PixelAddress(x, y);
  p[0] = colour.blue, p[1] = colour.green, p[2] = colour.red;
}

void TFastDIB::Blend(int64_t x, int64_t y, TColour colour, int weight) {
  if (weight <= 0 || !Contains(x, y)) return;
  uint8_t* p = PixelAddress(x, y);
  p[0] = BlendChannel(p[0], colour.blue, weight);
  p[1] = BlendChannel(p[1], colour.green, weight);
  p[2] = BlendChannel(p[2], colour.red, weight);
}

void TFastDIB::Span(int64_t x0, int64_t x1, int64_t y, TColour colour) {
  if (y < 0 || y >= height_) return;
  x0 = std::max<int64_t>(x0, 0);
  x1 = std::min<int64_t>(x1, width_ - 1);
  if (x0 > x1) return;
  const uint32_t pixel = PackedPixel(colour);
  uint32_t* p = bits_.data() + size_t(y) * size_t(width_);
  std::fill(p + x0, p + x1 + 1, pixel);
}

void TFastDIB::Fill(TColour colour) {
  FillRect(0, 0, width_, height_, colour);
}

void TFastDIB::FillRect(int left, int top, int right, int bottom, TColour colour) {
  const int64_t y0 = std::max(top, 0);
  const int64_t y1 = std::min(bottom, height_);
  for (int64_t y = y0; y < y1; ++y)
    Span(left, int64_t{right} - 1, y, colour);
}

void TFastDIB::Line(int x1, int y1, int x2, int y2, TColour colour) {
  const bool steep = std::llabs(int64_t{y2} - y1) > std::llabs(int64_t{x2} - x1);
  const auto shifted = [](int v, int offset) {
    return static_cast<int>(std::clamp<int64_t>(int64_t{v} + offset, INT_MIN, INT_MAX));
  };
  for (int offset = -(penWidth_ - 1) / 2; offset <= penWidth_ / 2; ++offset) {
    if (steep) {
      ThinLine(shifted(x1, offset), y1, shifted(x2, offset), y2, colour);
    } else {
      ThinLine(x1, shifted(y1, offset), x2, shifted(y2, offset), colour);
    }
  }
}

void TFastDIB::ThinLine(int x1, int y1, int x2, int y2, TColour colour) {
  if (y1 == y2) {
    Span(std::min(x1, x2), std::max(x1, x2), y1, colour);
    return;
  }
  if (x1 == x2) {
    const int64_t top = std::max(std::min(y1, y2), 0);
    const int64_t bottom = std::min(std::max(y1, y2), height_ - 1);
    for (int64_t y = top; y <= bottom; ++y)
      SetPixel(x1, int(y), colour);
    return;
  }
  // Wu's line: along the major axis, the ideal line crosses each step at m; the pixels floor(m)
  // and floor(m) + 1 get weights 1 − frac(m) and frac(m). Only the steps inside the image are
  // walked, so even a line of huge extent costs at most one pass across the image.
  const int64_t dx = int64_t{x2} - x1;
  const int64_t dy = int64_t{y2} - y1;
  const bool steep = std::llabs(dy) > std::llabs(dx);
  const int64_t major1 = steep ? y1 : x1;
  const int64_t major2 = steep ? y2 : x2;
  const int64_t minor1 = steep ? x1 : y1;
  const double slope = steep ? double(dx) / double(dy) : double(dy) / double(dx);
  const int64_t limit = (steep ? height_ : width_) - 1;
  const int64_t first = std::max<int64_t>(std::min(major1, major2), 0);
  const int64_t last = std::min<int64_t>(std::max(major1, major2), limit);
  for (int64_t k = first; k <= last; ++k) {
    const double m = double(minor1) + slope * double(k - major1);
    const double base = std::floor(m);
    const int weight = static_cast<int>(std::nearbyint((m - base) * 255.0));
    const auto minor = static_cast<int64_t>(base);
    if (steep) {
      Blend(minor, k, colour, 255 - weight);
      Blend(minor + 1, k, colour, weight);
    } else {
      Blend(k, minor, colour, 255 - weight);
      Blend(k, minor + 1, colour, weight);
    }
  }
}

void TFastDIB::DrawEllipse(int64_t left, int64_t top, int64_t right, int64_t bottom, TColour colour,
                           bool filled, const TArcRange* arc) {
  if (left > right) std::swap(left, right);
  if (top > bottom) std::swap(top, bottom);
  // Pixel (x, y) is inside when ((x − cx) / a)² + ((y − cy) / b)² ≤ 1, with the centre and the
  // semi-axes of the box measured over whole pixels, so the box's edge pixels are reached.
  const double cx = (double(left) + double(right)) / 2;
  const double cy = (double(top) + double(bottom)) / 2;
  const double a = (double(right) - double(left) + 1) / 2;
  const double b = (double(bottom) - double(top) + 1) / 2;
  const auto spanAt = [&](int64_t y) {
    if (y < top || y > bottom) return TSpan{};
    const double d = (double(y) - cy) / b;
    const double q = 1 - d * d;
    if (q < 0) return TSpan{};
    const double halfWidth = a * std::sqrt(q);
    return TSpan{static_cast<int64_t>(std::ceil(cx - halfWidth)),
                 static_cast<int64_t>(std::floor(cx + halfWidth))};
  };
  const auto inArc = [&](int64_t x, int64_t y) {
    if (arc->sweep == 0) return true;
    return ReduceAngle(std::atan2(arc->centreY - double(y), double(x) - arc->centreX) - arc->start) <=
           arc->sweep;
  };
  const auto outline = [&](int64_t x0, int64_t x1, int64_t y) {
    if (arc == nullptr) {
      Span(x0, x1, y, colour);
      return;
    }
    for (int64_t x = std::max<int64_t>(x0, 0); x <= std::min<int64_t>(x1, width_ - 1); ++x) {
      if (inArc(x, y)) Blend(x, y, colour, 255);
    }
  };
  const int64_t y0 = std::max<int64_t>(top, 0);
  const int64_t y1 = std::min<int64_t>(bottom, height_ - 1);
  for (int64_t y = y0; y <= y1; ++y) {
    const TSpan span = spanAt(y);
    if (span.IsEmpty()) continue;
    if (filled) {
      Span(span.left, span.right, y, colour);
      continue;
    }
    // Outline pixels have a 4-neighbour outside: the span's ends, and the pixels that stick out
    // beyond the row above or the row below. The spans share a centre, so their overlap is one run.
    const TSpan above = spanAt(y - 1);
    const TSpan below = spanAt(y + 1);
    const int64_t innerLeft = std::max({above.left, below.left, span.left + 1});
    const int64_t innerRight = std::min({above.right, below.right, span.right - 1});
    if (above.IsEmpty() || below.IsEmpty() || innerLeft > innerRight) {
      outline(span.left, span.right, y);
    } else {
      outline(span.left, innerLeft - 1, y);
      outline(innerRight + 1, span.right, y);
    }
  }
}

void TFastDIB::FillEllipse(int left, int top, int right, int bottom, TColour colour) {
  DrawEllipse(left, top, right, bottom, colour, true, nullptr);
}

void TFastDIB::FrameEllipse(int left, int top, int right, int bottom, TColour colour) {
  DrawEllipse(left, top, right, bottom, colour, false, nullptr);
}

void TFastDIB::FillCircle(int x, int y, int radius, TColour colour) {
  if (radius < 0) return;
  DrawEllipse(int64_t{x} - radius, int64_t{y} - radius, int64_t{x} + radius, int64_t{y} + radius, colour,
              true, nullptr);
}

void TFastDIB::Arc(int x, int y, int radius, double startAngle, double endAngle, TColour colour) {
  if (radius < 0) return;
  const TArcRange arc{double(x), double(y), ReduceAngle(startAngle), ReduceAngle(endAngle - startAngle)};
  if (std::isnan(arc.start) || std::isnan(arc.sweep)) return;
  for (int64_t r = radius; r < int64_t{radius} + penWidth_; ++r)
    DrawEllipse(int64_t{x} - r, int64_t{y} - r, int64_t{x} + r, int64_t{y} + r, colour, false, &arc);
}

void TFastDIB::GradientFill(int left, int top, int right, int bottom, TColour topLeft, TColour topRight,
                            TColour bottomLeft, TColour bottomRight) {
  const int64_t columns = int64_t{right} - left;
  const int64_t rows = int64_t{bottom} - top;
  if (columns <= 0 || rows <= 0) return;
  const auto channels = [](TColour c) {
    return std::array<double, 3>{double(c.blue), double(c.green), double(c.red)};
  };
  const auto tl = channels(topLeft), tr = channels(topRight), bl = channels(bottomLeft),
             br = channels(bottomRight);
  const int64_t y0 = std::max(top, 0);
  const int64_t y1 = std::min(bottom, height_);
  const int64_t x0 = std::max(left, 0);
  const int64_t x1 = std::min(right, width_);
  for (int64_t y = y0; y < y1; ++y) {
    const double t = rows > 1 ? double(y - top) / double(rows - 1) : 0.0;
    std::array<double, 3> rowLeft{}, rowRight{};
    for (int c = 0; c < 3; ++c) {
      rowLeft[c] = tl[c] + (bl[c] - tl[c]) * t;
      rowRight[c] = tr[c] + (br[c] - tr[c]) * t;
    }
    uint8_t* p = x0 < x1 ? PixelAddress(x0, y) : nullptr;
    for (int64_t x = x0; x < x1; ++x, p += kBytesPerPixel) {
      const double s = columns > 1 ? double(x - left) / double(columns - 1) : 0.0;
      for (int c = 0; c < 3; ++c)
        p[c] = RoundToChannel(rowLeft[c] + (rowRight[c] - rowLeft[c]) * s);
    }
  }
}

void TFastDIB::CopyRect(int x, int y, const TFastDIB& source, int sourceX, int sourceY, int width,
                        int height) {
  int64_t dx = x, dy = y, sx = sourceX, sy = sourceY, w = width, h = height;
  // Move the block's origin into both images, shrinking it by what falls outside.
  const auto clipStart = [](int64_t& a, int64_t& b, int64_t& extent) {
    const int64_t shift = std::max<int64_t>({0, -a, -b});
    a += shift, b += shift, extent -= shift;
  };
  clipStart(dx, sx, w);
  clipStart(dy, sy, h);
  w = std::min({w, int64_t{width_} - dx, int64_t{source.width_} - sx});
  h = std::min({h, int64_t{height_} - dy, int64_t{source.height_} - sy});
  if (w <= 0 || h <= 0) return;
  const size_t bytes = size_t(w) * kBytesPerPixel;
  // Within one image, rows are taken in the order that reads each source row before it is overwritten.
  if (&source == this && dy > sy) {
    for (int64_t j = h - 1; j >= 0; --j)
      std::memmove(PixelAddress(dx, dy + j), PixelAddress(sx, sy + j), bytes);
  } else {
    for (int64_t j = 0; j < h; ++j)
      std::memmove(PixelAddress(dx, dy + j), source.PixelAddress(sx, sy + j), bytes);
  }
}

void TFastDIB::TextOut(int x, int y, std::string_view text, TColour colour) {
  RenderText(font_, text, [&](int64_t penX, const TGlyphImage& glyph) {
    const int64_t glyphX = x + penX + glyph.left;
    const int64_t glyphY = int64_t{y} + glyph.top;
    const int64_t row0 = std::max<int64_t>(0, -glyphY);
    const int64_t row1 = std::min<int64_t>(glyph.height, height_ - glyphY);
    const int64_t column0 = std::max<int64_t>(0, -glyphX);
    const int64_t column1 = std::min<int64_t>(glyph.width, width_ - glyphX);
    for (int64_t row = row0; row < row1; ++row) {
      const uint8_t* coverage = glyph.coverage.data() + row * glyph.width;
      for (int64_t column = column0; column < column1; ++column) {
        Blend(glyphX + column, glyphY + row, colour, coverage[column]);
      }
    }
  });
}

void TFastDIB::TextOut(int x, int y, std::string_view text, TColour colour, TColour background) {
  const TTextExtent extent = TextExtent(text);
  const auto clampToInt = [](int64_t v) { return int(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX)); };
  FillRect(x, y, clampToInt(int64_t{x} + extent.width), clampToInt(int64_t{y} + extent.height), background);
  TextOut(x, y, text, colour);
}

}  // namespace wavora
