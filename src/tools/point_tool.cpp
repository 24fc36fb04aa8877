#include "tools/point_tool.h"

#include "sim/scene_drawing.h"

namespace wavora {

namespace {

constexpr int kCrossReach = 4;

}  // namespace

const TClassInfo& TPointTool::StaticClassInfo() {
  static const TClassInfo info =
      TClassBuilder<TPointTool>("TPointTool", &TControlPanelTool::StaticClassInfo())
          .Abstract()
          .Single("X1Percent", &TPointTool::GetX1Percent, &TPointTool::SetX1Percent)
          .Single("Y1Percent", &TPointTool::GetY1Percent, &TPointTool::SetY1Percent)
          .Build();
  return info;
}

void TPointTool::Init() {
  TControlPanelTool::Init();
  SetSnapToGrid(false);
}

void TPointTool::Draw(TFastDIB& image) {
  DrawCross(image, X1, Y1, HandleColour(), kCrossReach);
}

float TPointTool::Displacement() const {
  const TWaterGrid* grid = Grid().get();
  return grid && grid->Contains(X1, Y1) ? grid->Cell(X1, Y1).Displacement : 0.0f;
}

}  // namespace wavora
