#include <gtest/gtest.h>

#include "image/fast_dib.h"
#include "sim/field_colour.h"
#include "sim/scene_drawing.h"
#include "sim_test_objects.h"

namespace wavora::test {
namespace {

TColour Shade(float height, float speedFactor, float exposure) {
  uint8_t pixel[3] = {7, 7, 7};
  ShadeCell(pixel, height, speedFactor, MakeFieldShade(exposure));
  return {pixel[0], pixel[1], pixel[2]};
}

TEST(FieldColour, ShadesHeightAndTintsTheMediumAndZeroExposureGivesBlackOrWhite) {
  const struct {
    float height, speedFactor;
    TColour expected;
  } cases[] = {{0, 0.5f, RGB(128, 128, 128)},    {2.55f, 0.5f, RGB(255, 255, 255)},
               {3.5f, 0.5f, RGB(255, 255, 255)}, {-2.55f, 0.5f, RGB(0, 0, 0)},
               {-3.5f, 0.5f, RGB(0, 0, 0)},      {0, 0.25f, RGB(128, 64, 64)},
               {0, 0.0f, RGB(128, 0, 0)}};
  for (const auto& c : cases)
    EXPECT_EQ(Shade(c.height, c.speedFactor, 2.55f), c.expected) << c.height << " " << c.speedFactor;
  EXPECT_EQ(Shade(0, 0.5f, 0), RGB(0, 0, 0));
  EXPECT_EQ(Shade(1, 0.5f, 0), RGB(255, 255, 255));
}

TEST(TankImage, StepAndDrawShowsTheFieldBeforeTheSourceWritesAndOnlyOnAnImageOfTheTanksSize) {
  const TRef<TWater> tank = MakeTank(64, 48);
  TFastDIB image(64, 48);
  // A drip held at image (20, 10) writes its cells after the height pass.
  tank->SetDripMode(true);
  tank->MouseDown(TMouseButton::Right, {}, 20, 10);
  tank->SetDripMode(false);
  tank->Grid()->Cell(40, 30).Displacement = 1.5f;
  tank->StepAndDraw(image);
  EXPECT_GT(tank->DisplacementAt(20, 10), 0.0f);
  EXPECT_EQ(image.Pixel(20, 10), RGB(128, 128, 128));  // the drip is not in this frame yet
  EXPECT_EQ(image.Pixel(40, 47 - 30), Shade(tank->Grid()->Cell(40, 30).Displacement, 0.5f, 2.55f));
  EXPECT_NE(image.Pixel(40, 47 - 30), RGB(128, 128, 128));
  EXPECT_EQ(image.Pixel(0, 0), RGB(0, 0, 0));  // the outer ring is never written
  tank->DrawOnly(image);
  EXPECT_GT(image.Pixel(20, 10).red, 128);
  TFastDIB other(20, 20);  // an image of another size is left alone
  tank->StepAndDraw(other);
  tank->DrawOnly(other);
  EXPECT_EQ(other.Pixel(5, 5), RGB(0, 0, 0));
}

TEST(TankImage, ToolsSampleOnlyInSteppedFramesAndSelectedToolsDrawLast) {
  const TRef<TWater> tank = MakeTank(101, 101);
  const TRef<TTestTool> back = MakeNode<TTestTool>();
  const TRef<TTestTool> front = MakeNode<TTestTool>();
  for (const TRef<TTestTool>& tool : {back, front}) {
    tank->add(tool);
    tool->SetX1Percent(20);
    tool->SetY1Percent(50);
    tool->SetX2Percent(80);
    tool->SetY2Percent(50);
  }
  front->Select(false);  // the second overlapping line, drawn on top
  back->Select(false);   // now the first child is selected and must still come out on top
  TFastDIB image(101, 101);
  tank->StepAndDraw(image);
  EXPECT_EQ(back->stepCount, 1);
  EXPECT_EQ(front->stepCount, 1);
  const TPoint end = back->Point1();
  EXPECT_EQ(image.Pixel(end.x, 100 - end.y), RGB(210, 210, 254));
  tank->DrawOnly(image);
  EXPECT_EQ(back->stepCount, 1);
}

TEST(HandleMarker, DiscWithLightAndDarkStrokesInTheControlsColour) {
  TFastDIB image(40, 40);
  DrawHandle(image, 20, 19, RGB(100, 200, 50));  // image row 20
  EXPECT_EQ(image.Pixel(20, 20), RGB(100, 200, 50));
  EXPECT_EQ(image.Pixel(24, 20), RGB(100, 200, 50));
  EXPECT_EQ(image.Pixel(25, 20), RGB(0, 0, 0));
  EXPECT_EQ(image.Pixel(22, 22), Darker(RGB(100, 200, 50)));
  EXPECT_EQ(Lighter(RGB(100, 200, 50)), RGB(146, 216, 112));  // v + (255 - v) * 0.3, rounded
  EXPECT_EQ(Darker(RGB(100, 200, 50)), RGB(80, 160, 40));

  // Controls draw their handles and the segment between in their colour, darker when not selected.
  const TRef<TWater> tank = MakeTank(101, 101);
  const TRef<TTestLine> line = MakeNode<TTestLine>();
  line->SetSnapToGrid(false);
  tank->add(line);
  line->SetX1Percent(10);
  line->SetX2Percent(90);
  line->SetY1Percent(50);
  line->SetY2Percent(50);
  TFastDIB scene(101, 101);
  line->Draw(scene);
  const int32_t row = 100 - line->Point1().y;
  EXPECT_EQ(scene.Pixel(line->Point1().x, row), RGB(210, 210, 254));
  EXPECT_EQ(scene.Pixel(50, row), RGB(210, 210, 254));  // the segment between
  line->SetActiveTool(false);
  line->Draw(scene);
  EXPECT_EQ(scene.Pixel(50, row), RGB(56, 70, 150));
}

TEST(LabelBox, SitsBesideTheSegmentAndStaysInsideTheImage) {
  TFastDIB image(200, 100);
  const TTextExtent extent = image.TextExtent("12.0mm");
  ASSERT_GT(extent.width, 0);
  EXPECT_FALSE(LabelRect(image, "12.0mm", {50, 50}, {50, 50}));
  // A vertical segment going up: the box lies to its right.
  const auto right = LabelRect(image, "12.0mm", {100, 20}, {100, 80});
  ASSERT_TRUE(right);
  EXPECT_GT(right->left, 100 - extent.width / 2);
  EXPECT_EQ(right->right - right->left, extent.width);
  // At the right edge the box is pulled back in.
  const auto edge = LabelRect(image, "12.0mm", {198, 20}, {198, 80});
  ASSERT_TRUE(edge);
  EXPECT_EQ(edge->right, 197);
  EXPECT_EQ(edge->left, 198 - extent.width);
  // A segment along the top row going left puts the box above it, so it is pushed down.
  const auto top = LabelRect(image, "12.0mm", {180, 99}, {20, 99});
  ASSERT_TRUE(top);
  EXPECT_EQ(top->top, 1);
  EXPECT_EQ(top->bottom, 1 + extent.height);
}

TEST(Arrows, ArrowHeadBarbsPointBackAlongTheLine) {
  TFastDIB image(60, 60);
  DrawArrow(image, {10, 30}, {50, 30}, RGB(255, 0, 0), 6);  // horizontal, tip on the right
  EXPECT_EQ(image.Pixel(30, 29), RGB(255, 0, 0));
  // Barbs end at tip + 1.2 * 6 back and 0.8 * 6 across: (43, 29 +- 5).
  EXPECT_GT(image.Pixel(43, 24).red + image.Pixel(43, 34).red, 0);
  EXPECT_EQ(image.Pixel(55, 29), RGB(0, 0, 0));
}

}  // namespace
}  // namespace wavora::test
