#include <gtest/gtest.h>

#include "model/node_files.h"
#include "sim/sampling_tool.h"
#include "sim/tool_panel.h"
#include "sim/water.h"

namespace wavora {
namespace {

// A concrete line tool, as the cross-section tool will be.
class TTestLineTool : public TBaseSamplingTool {
 public:
  static const TClassInfo& StaticClassInfo() {
    static const TClassInfo info =
        TClassBuilder<TTestLineTool>("TTestLineTool", &TBaseSamplingTool::StaticClassInfo()).Build();
    return info;
  }
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
};

class ToolBase : public ::testing::Test {
 protected:
  void SetUp() override { tank->SetSize(401, 401); }

  // Unsnapped, so the handles sit exactly where the percentages put them.
  TRef<TTestLineTool> AddTool() {
    const TRef<TTestLineTool> tool = MakeNode<TTestLineTool>();
    tool->SetSnapToGrid(false);
    tank->add(tool);
    return tool;
  }

  TRef<TWater> tank = MakeNode<TWater>();
};

TEST_F(ToolBase, ANewLineToolIsVerticalAt80PercentFrom15To85PercentAndItsHandlesStay50CellsApart) {
  const TRef<TTestLineTool> tool = AddTool();
  // round((401 - 11) * p / 100 + 5), halves to even.
  EXPECT_EQ(tool->Point1(), (TPoint{317, 64}));
  EXPECT_EQ(tool->Point2(), (TPoint{317, 336}));
  // The second handle is not dragged closer than 50 cells.
  const TPoint first = tool->Point1(), second = tool->Point2();
  tank->MouseDown(TMouseButton::Left, {}, second.x, 400 - second.y);
  tank->MouseMove({}, first.x, 400 - (first.y + 30));
  EXPECT_EQ(tool->Point2(), second);
  tank->MouseMove({}, first.x, 400 - (first.y + 60));
  EXPECT_EQ(tool->Point2(), (TPoint{first.x, first.y + 60}));
  tank->MouseUp(TMouseButton::Left, {}, first.x, 400 - (first.y + 60));
}

TEST_F(ToolBase, SamplesInterpolateTheDisplacementBilinearly) {
  const TRef<TTestLineTool> tool = AddTool();
  EXPECT_TRUE(tool->MatchSampleCount(272));
  EXPECT_FALSE(tool->MatchSampleCount(272));
  ASSERT_EQ(tool->Samples().size(), 272u);
  EXPECT_FLOAT_EQ(tool->SamplesPerCell(), 1.0f);

  // The line is vertical on a column: fx = 0, so only cells (ix, iy) and (ix, iy + 1) count.
  for (const TSamplePoint& sample : tool->Samples()) {
    EXPECT_EQ(sample.weights[1], 0.0f);
    EXPECT_EQ(sample.weights[3], 0.0f);
  }
  TWaterGrid& grid = *tank->Grid();
  grid.Cell(317, 64).Displacement = 2;
  grid.Cell(317, 65).Displacement = 1;
  EXPECT_FLOAT_EQ(tool->SampleValue(0), 2.0f);
  EXPECT_FLOAT_EQ(tool->SampleValue(1), 1.0f);
  EXPECT_FLOAT_EQ(tool->SampleValue(2), 0.0f);

  tool->SetCursor(true, 25, 0.5f);
  EXPECT_EQ(tool->DistanceReadout(), "25.0mm");
  tool->SetCursor(false, 25, 0.5f);
  EXPECT_EQ(tool->DistanceReadout(), "");
}

TEST_F(ToolBase, SnapshotsAreSavedAsBitmapOrJpegByExtension) {
  const TRef<TTestLineTool> tool = AddTool();
  TBaseCPFrame panel(*tool);
  panel.SetBoxSize(40, 20);
  ASSERT_EQ(panel.SnapshotImage()->Width(), 40);
  const std::string bmp = ::testing::TempDir() + "wavora_panel.BMP";
  const std::string jpg = ::testing::TempDir() + "wavora_panel.jpeg";
  panel.SaveSnapshot(bmp);
  panel.SaveSnapshot(jpg);
  EXPECT_EQ(ReadFileText(bmp).substr(0, 2), "BM");
  EXPECT_EQ(ReadFileText(jpg).substr(0, 2), "\xFF\xD8");
}

}  // namespace
}  // namespace wavora
