#include <gtest/gtest.h>

#include <string>

#include "image/fast_dib.h"
#include "model/node_files.h"
#include "sim/scene_drawing.h"
#include "sim/tool_panel.h"
#include "sim_test_objects.h"

// Dragging, routing and drawing of real objects are the window's and the media's tests; here what
// the base classes give every object.

namespace wavora::test {
namespace {

TEST(HitTests, ThreePointsNeverHoldTheCentreAlone) {
  bool h1, h2, h3, body;
  EXPECT_TRUE(TBaseWaterObject::HitThreePoints(50, 50, {80, 50}, {50, 50}, {50, 80}, h1, h2, h3, body));
  EXPECT_FALSE(h1 || h2 || h3);
  EXPECT_TRUE(body);
  EXPECT_TRUE(TBaseWaterObject::HitThreePoints(50, 79, {80, 50}, {50, 50}, {50, 80}, h1, h2, h3, body));
  EXPECT_TRUE(h3);
  EXPECT_FALSE(body);
}

// Controls draw their handles and the segment between in their colour, darker when not selected.
TEST(Drawing, ControlsDrawInTheirColourAndArrowBarbsPointBackAlongTheLine) {
  const TRef<TWater> tank = MakeTank(101, 101);
  EXPECT_FALSE(tank->GetRIMap()->CanBeDeleted()) << "the empty tank";
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

  TFastDIB image(60, 60);
  DrawArrow(image, {10, 30}, {50, 30}, RGB(255, 0, 0), 6);  // horizontal, tip on the right
  EXPECT_EQ(image.Pixel(30, 29), RGB(255, 0, 0));
  // Barbs end at tip + 1.2 * 6 back and 0.8 * 6 across: (43, 29 +- 5).
  EXPECT_GT(image.Pixel(43, 24).red + image.Pixel(43, 34).red, 0);
  EXPECT_EQ(image.Pixel(55, 29), RGB(0, 0, 0));
}

TEST(SamplingTool, CursorReadoutAndPanelSnapshotsAsBitmapOrJpegByExtension) {
  const TRef<TWater> tank = MakeTank(401, 401);
  const TRef<TTestTool> tool = MakeNode<TTestTool>();
  tank->add(tool);
  EXPECT_TRUE(tool->MatchSampleCount(272));
  tool->SetCursor(true, 25, 0.5f);
  EXPECT_EQ(tool->DistanceReadout(), "25.0mm");
  tool->SetCursor(false, 25, 0.5f);
  EXPECT_EQ(tool->DistanceReadout(), "");

  TBaseCPFrame panel(*tool);
  panel.SetBoxSize(40, 20);
  const std::string bmp = ::testing::TempDir() + "wavora_panel.BMP";
  const std::string jpg = ::testing::TempDir() + "wavora_panel.jpeg";
  panel.SaveSnapshot(bmp);
  panel.SaveSnapshot(jpg);
  EXPECT_EQ(ReadFileText(bmp).substr(0, 2), "BM");
  EXPECT_EQ(ReadFileText(jpg).substr(0, 2), "\xFF\xD8");
}

}  // namespace
}  // namespace wavora::test
