#include "image/fast_dib.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <numbers>
#include <stdexcept>
#include <string>
#include <vector>

namespace wavora {
namespace {

constexpr TColour kBlack = RGB(0, 0, 0);
constexpr TColour kWhite = RGB(255, 255, 255);
constexpr TColour kRed = RGB(255, 0, 0);

// Pixels that differ from black, as (x, y) from the top.
std::vector<std::pair<int, int>> LitPixels(const TFastDIB& image) {
  std::vector<std::pair<int, int>> lit;
  for (int y = 0; y < image.Height(); ++y) {
    for (int x = 0; x < image.Width(); ++x) {
      if (image.Pixel(x, y) != kBlack) lit.emplace_back(x, y);
    }
  }
  return lit;
}

// The fourth byte of each pixel, which the screen's format needs at 0xFF; drawing must never reach it.
bool SpareBytesAreOpaque(const TFastDIB& image) {
  for (int y = 0; y < image.Height(); ++y) {
    for (int x = 0; x < image.Width(); ++x) {
      if (image.Row(y)[4 * x + 3] != 0xFF) return false;
    }
  }
  return true;
}

TEST(FastDibLayout, RowsAreTopDownBlueGreenRedOpaqueAndResizingClearsThem) {
  TFastDIB image(5, 3);
  EXPECT_EQ(image.BytesPerRow(), 20);
  EXPECT_TRUE(SpareBytesAreOpaque(image));
  image.SetPixel(1, 2, RGB(10, 20, 30));  // bottom row on screen
  const uint8_t* row = image.Row(2);
  EXPECT_EQ(std::vector<int>(row + 4, row + 8), (std::vector<int>{30, 20, 10, 255}));
  image.SetPixel(0, 0, kWhite);  // top row on screen
  EXPECT_EQ(image.Bits()[0], 255);
  EXPECT_EQ(image.Bits() + 2 * image.BytesPerRow(), image.Row(2));
  // Resizing clears to black and bounds the size.
  image.Fill(kWhite);
  image.SetSize(6, 2);
  EXPECT_EQ(image.Width(), 6);
  EXPECT_EQ(image.Height(), 2);
  EXPECT_TRUE(LitPixels(image).empty());
  image.SetSize(-3, 10);
  EXPECT_TRUE(image.IsEmpty());
  EXPECT_EQ(image.Bits(), nullptr);
  image.SetPixel(0, 0, kWhite);  // nothing to write to
  EXPECT_THROW(image.SetSize(kMaxDibSide + 1, 1), std::length_error);
  EXPECT_THROW(image.SetSize(kMaxDibSide, kMaxDibSide), std::length_error);
}

// Exactly horizontal and vertical lines are solid; others blend the two pixels that straddle the ideal
// line by coverage.
TEST(FastDibLines, StraightLinesAreSolidAndOthersBlendTheTwoPixelsThatStraddleThem) {
  TFastDIB image(8, 8);
  image.Line(7, 6, 2, 6, kWhite);
  image.Line(7, 7, 7, 3, kWhite);
  EXPECT_EQ(LitPixels(image).size(), 6u + 4u);
  image.Fill(kBlack);
  // From (0, 0) to (4, 2) the ideal line crosses x = 1 at y = 0.5 and x = 2 at y = 1.
  image.Line(0, 0, 4, 2, kWhite);
  EXPECT_EQ(image.Pixel(0, 0), kWhite);
  EXPECT_EQ(image.Pixel(2, 1), kWhite);
  EXPECT_EQ(image.Pixel(4, 2), kWhite);
  EXPECT_EQ(image.Pixel(1, 0).red + image.Pixel(1, 1).red, 255);
  EXPECT_NEAR(image.Pixel(1, 0).red, 128, 1);
  EXPECT_EQ(image.Pixel(3, 1).red + image.Pixel(3, 2).red, 255);
  EXPECT_EQ(LitPixels(image).size(), 7u);
}

TEST(FastDibShapes, HandleDiscOfRadiusFourIsRoundAndCentred) {
  TFastDIB image(20, 20);
  image.FillCircle(10, 10, 4, kWhite);
  // Row widths from the top: 5, 7, 9, 9, 9, 9, 9, 7, 5.
  const int widths[] = {5, 7, 9, 9, 9, 9, 9, 7, 5};
  for (int i = 0; i < 9; ++i) {
    int count = 0;
    for (int x = 0; x < 20; ++x)
      count += image.Pixel(x, 6 + i) == kWhite;
    EXPECT_EQ(count, widths[i]) << "row " << 6 + i;
    const int half = widths[i] / 2;
    EXPECT_EQ(image.Pixel(10 - half, 6 + i), kWhite);
    EXPECT_EQ(image.Pixel(10 + half, 6 + i), kWhite);
  }
  EXPECT_EQ(LitPixels(image).size(), 69u);
}

TEST(FastDibShapes, OutlinedEllipseLeavesTheInsideAndReachesTheBox) {
  TFastDIB image(30, 20);
  image.FrameEllipse(5, 4, 24, 15, kWhite);
  EXPECT_EQ(image.Pixel(14, 9), kBlack);
  EXPECT_EQ(image.Pixel(5, 9), kWhite);
  EXPECT_EQ(image.Pixel(24, 9), kWhite);
  EXPECT_EQ(image.Pixel(14, 4), kWhite);
  EXPECT_EQ(image.Pixel(14, 15), kWhite);
  EXPECT_EQ(image.Pixel(4, 9), kBlack);
  for (const auto& [x, y] : LitPixels(image)) {
    EXPECT_TRUE(x >= 5 && x <= 24 && y >= 4 && y <= 15);
  }
  TFastDIB filled(30, 20);
  filled.FillEllipse(24, 15, 5, 4, kWhite);  // corners in either order
  for (const auto& [x, y] : LitPixels(image))
    EXPECT_EQ(filled.Pixel(x, y), kWhite);
}

TEST(FastDibFill, GradientHasTheCornerColoursAndIsLinearBetween) {
  TFastDIB image(12, 8);
  const TColour topLeft = RGB(113, 200, 237), other = RGB(38, 125, 132);
  image.GradientFill(1, 1, 11, 7, topLeft, other, RGB(0, 0, 0), RGB(255, 255, 255));
  EXPECT_EQ(image.Pixel(1, 1), topLeft);
  EXPECT_EQ(image.Pixel(10, 1), other);
  EXPECT_EQ(image.Pixel(1, 6), kBlack);
  EXPECT_EQ(image.Pixel(10, 6), kWhite);
  // Bottom row from black to white over 9 steps: 255 × 3 / 9 = 85.
  EXPECT_EQ(image.Pixel(4, 6), RGB(85, 85, 85));
  // The rectangle excludes its right and bottom edges.
  EXPECT_EQ(image.Pixel(11, 3), kBlack);
  EXPECT_EQ(image.Pixel(5, 7), kBlack);
  EXPECT_EQ(image.Pixel(0, 0), kBlack);
}

// A copy within one image may overlap its source, in either direction.
TEST(FastDibCopy, AnOverlappingCopyMovesTheBlock) {
  TFastDIB image(6, 6);
  image.FillRect(0, 0, 3, 3, kWhite);
  image.SetPixel(0, 0, kRed);
  image.CopyRect(1, 1, image, 0, 0, 3, 3);
  EXPECT_EQ(image.Pixel(1, 1), kRed);
  EXPECT_EQ(image.Pixel(3, 3), kWhite);
  EXPECT_EQ(image.Pixel(0, 0), kRed);
  image.CopyRect(0, 0, image, 1, 1, 3, 3);
  EXPECT_EQ(image.Pixel(0, 0), kRed);
  EXPECT_EQ(image.Pixel(2, 2), kWhite);
}

constexpr TColour kBackground = RGB(40, 80, 120);
constexpr TColour kInk = RGB(250, 240, 10);

// The pixels of an image as one string, for comparing whole images.
std::string Pixels(const TFastDIB& image) {
  return std::string(reinterpret_cast<const char*>(image.Bits()),
                     size_t(image.BytesPerRow()) * image.Height());
}

TFastDIB TextImage(const TFont& font, const std::string& text) {
  TFastDIB image(120, 40);
  image.Fill(kBackground);
  image.SetFont(font);
  image.TextOut(3, 4, text, kInk);
  return image;
}

TEST(FastDibText, ExtentAddsTheAdvancesOfTheCharactersOfAFaceWithArialMetrics) {
  const TFont font{"Arial", 10};
  const TTextExtent one = TextExtent(font, "W");
  const TTextExtent three = TextExtent(font, "WWW");
  EXPECT_EQ(three.width, 3 * one.width);
  EXPECT_EQ(three.height, one.height);
  EXPECT_LT(TextExtent(font, "iii").width, three.width);
  EXPECT_EQ(TextExtent(font, "").width, 0);
  EXPECT_EQ(TextExtent(font, "").height, one.height);
  // Arial's advances at 13 pixels (size 10): "0" to "9" are 7 wide, "m" 11; a fallback face with
  // other metrics would move every label of the program.
  EXPECT_EQ(FontPixelSize(font), 13);
  EXPECT_EQ(TextExtent(font, "0123456789").width, 70);
  EXPECT_EQ(TextExtent(font, "m").width, 11);
  // An unknown font name falls back to a face.
  EXPECT_GT(TextExtent(TFont{"Ariel", 14}, "-60").width, TextExtent(TFont{"Ariel", 8}, "-60").width);
  // Malformed UTF-8 is drawn as Latin-1.
  EXPECT_EQ(TextExtent(font, "\xB0"), TextExtent(font, "\u00B0"));
  EXPECT_EQ(TextExtent(font, "\xE2\x82"), TextExtent(font, "\u00E2\u0082"));
}

TEST(FastDibText, SameTextGivesTheSamePixels) {
  const TFastDIB first = TextImage({"Arial", 12}, "Speed 1.25u/s");
  // Other sizes and fonts in between must not disturb the cached glyphs.
  TextImage({"Arial", 30}, "Speed 1.25u/s");
  TextImage({"DejaVu Sans", 12}, "Speed 1.25u/s");
  const TFastDIB second = TextImage({"Arial", 12}, "Speed 1.25u/s");
  EXPECT_EQ(Pixels(first), Pixels(second));
  EXPECT_NE(Pixels(first), Pixels(TextImage({"Arial", 12}, "Speed 1.26u/s")));
}

TEST(FastDibText, TransparentTextBlendsInkIntoTheBackgroundInsideItsCell) {
  const TFastDIB image = TextImage({"Arial", 12}, "Hg");
  const TTextExtent extent = TextExtent(TFont{"Arial", 12}, "Hg");
  int ink = 0, partial = 0;
  for (int y = 0; y < image.Height(); ++y) {
    for (int x = 0; x < image.Width(); ++x) {
      const TColour c = image.Pixel(x, y);
      if (c == kBackground) continue;
      // Every touched pixel lies between the background and the ink: coverage blending.
      const double t = (c.red - kBackground.red) / double(kInk.red - kBackground.red);
      EXPECT_NEAR(c.green, kBackground.green + t * (kInk.green - kBackground.green), 1.5);
      EXPECT_NEAR(c.blue, kBackground.blue + t * (kInk.blue - kBackground.blue), 1.5);
      EXPECT_TRUE(x >= 3 && x < 3 + extent.width && y >= 4 && y < 4 + extent.height) << x << "," << y;
      ++(c == kInk ? ink : partial);
    }
  }
  EXPECT_GT(ink, 10);      // the stems of "H" are solid
  EXPECT_GT(partial, 10);  // the curves of "g" are anti-aliased
}

// Primitives given absurd coordinates, sizes and angles, as objects read from a file might supply:
// none may write outside the buffer (the spare bytes stay opaque; the sanitizers see the rest), and each
// must finish at once.
TEST(FastDibClipping, AbsurdValuesWriteNothingOutsideTheImage) {
  TFastDIB image(7, 5);
  image.SetPixel(INT_MIN, INT_MAX, kWhite);
  image.SetPixel(7, 0, kWhite);
  image.FillRect(INT_MIN, INT_MIN, INT_MAX, INT_MAX, kWhite);
  image.Line(INT_MIN, INT_MIN, INT_MAX, INT_MAX, kWhite);
  image.Line(3, INT_MIN, 4, INT_MAX, kWhite);
  image.Line(6, INT_MAX, 6, INT_MIN, kWhite);
  image.FillCircle(INT_MAX, INT_MIN, INT_MAX, kWhite);
  image.FrameEllipse(INT_MIN, INT_MIN, INT_MAX, INT_MAX, kWhite);
  image.Arc(3, 2, 40, std::nan(""), INFINITY, kWhite);
  image.Arc(0, 0, INT_MAX, 0, 1, kWhite);
  image.GradientFill(INT_MIN, INT_MIN, INT_MAX, INT_MAX, kWhite, kRed, kRed, kWhite);
  TFastDIB source(3, 3);
  source.Fill(kWhite);
  image.CopyRect(INT_MIN, INT_MAX, source, INT_MAX, INT_MIN, INT_MAX, INT_MAX);
  image.CopyRect(5, 3, source, -1, -1, INT_MAX, INT_MAX);
  image.SetFont({"Arial", INT_MAX});
  image.TextOut(INT_MAX, INT_MIN, "Wg", kWhite, kRed);
  image.TextOut(-3, 2, std::string(200, 'W'), kWhite, kRed);
  image.TextOut(INT_MIN, INT_MAX, "Wg", kWhite);
  EXPECT_TRUE(SpareBytesAreOpaque(image));
}

}  // namespace
}  // namespace wavora
