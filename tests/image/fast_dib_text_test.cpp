#include <gtest/gtest.h>

#include <string>

#include "image/fast_dib.h"

namespace wavora {
namespace {

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

TEST(FastDibText, ExtentGrowsWithTheSize) {
  int lastWidth = 0, lastHeight = 0;
  for (int size : {6, 8, 10, 14, 16, 24}) {
    const TTextExtent extent = TextExtent(TFont{"Arial", size}, "41.2mm");
    EXPECT_GT(extent.width, lastWidth) << size;
    EXPECT_GT(extent.height, lastHeight) << size;
    lastWidth = extent.width;
    lastHeight = extent.height;
  }
}

TEST(FastDibText, ExtentAddsTheAdvancesOfTheCharacters) {
  const TFont font{"Arial", 10};
  const TTextExtent one = TextExtent(font, "W");
  const TTextExtent three = TextExtent(font, "WWW");
  EXPECT_EQ(three.width, 3 * one.width);
  EXPECT_EQ(three.height, one.height);
  EXPECT_LT(TextExtent(font, "iii").width, three.width);
  EXPECT_EQ(TextExtent(font, "").width, 0);
  EXPECT_EQ(TextExtent(font, "").height, one.height);
}

TEST(FastDibText, ArialFindsAFaceWithArialMetrics) {
  // Arial's advances at 13 pixels (size 10): "0" to "9" are 7 wide, "m" 11; a fallback face with
  // other metrics would move every label of the program.
  const TFont font{"Arial", 10};
  EXPECT_EQ(FontPixelSize(font), 13);
  EXPECT_EQ(TextExtent(font, "0123456789").width, 70);
  EXPECT_EQ(TextExtent(font, "m").width, 11);
}

TEST(FastDibText, UnknownFontNameFallsBackToAFace) {
  const TTextExtent extent = TextExtent(TFont{"Ariel", 14}, "-60");
  EXPECT_GT(extent.width, 0);
  EXPECT_GT(extent.height, 0);
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

TEST(FastDibText, OpaqueTextFillsItsCellWithTheBackground) {
  TFastDIB image(60, 30);
  image.SetFont({"Arial", 14});
  const TTextExtent extent = image.TextExtent("db");
  image.TextOut(5, 2, "db", kInk, RGB(0, 0, 0));
  EXPECT_EQ(image.Pixel(5, 2), RGB(0, 0, 0));
  EXPECT_EQ(image.Pixel(4, 2), RGB(0, 0, 0));  // the image was black already
  TFastDIB light(60, 30);
  light.Fill(kBackground);
  light.SetFont({"Arial", 14});
  light.TextOut(5, 2, "db", kInk, RGB(0, 0, 0));
  EXPECT_EQ(light.Pixel(5, 2), RGB(0, 0, 0));
  EXPECT_EQ(light.Pixel(5 + extent.width - 1, 2 + extent.height - 1), RGB(0, 0, 0));
  EXPECT_EQ(light.Pixel(5 + extent.width, 2), kBackground);
  EXPECT_EQ(light.Pixel(5, 2 + extent.height), kBackground);
}

TEST(FastDibText, MalformedUtf8IsDrawnAsLatin1) {
  EXPECT_EQ(TextExtent(TFont{"Arial", 10}, "\xB0"), TextExtent(TFont{"Arial", 10}, "\u00B0"));
  EXPECT_EQ(TextExtent(TFont{"Arial", 10}, "\xE2\x82"), TextExtent(TFont{"Arial", 10}, "\u00E2\u0082"));
}

}  // namespace
}  // namespace wavora
