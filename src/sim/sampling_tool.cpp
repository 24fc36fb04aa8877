#include "sim/sampling_tool.h"

#include <algorithm>
#include <cmath>

#include "image/fast_dib.h"
#include "sim/resource_strings.h"
#include "sim/scene_drawing.h"

namespace wavora {

const TClassInfo& TBaseSamplingTool::StaticClassInfo() {
  static const TClassInfo info =
      TClassBuilder<TBaseSamplingTool>("TBaseSamplingTool", &TControlPanelTool::StaticClassInfo())
          .Texts("Base Sampling Tool", "Needs to be changed")
          .Abstract()
          .Single("X1Percent", &TBaseSamplingTool::GetX1Percent, &TBaseSamplingTool::SetX1Percent)
          .Single("Y1Percent", &TBaseSamplingTool::GetY1Percent, &TBaseSamplingTool::SetY1Percent)
          .Single("X2Percent", &TBaseSamplingTool::GetX2Percent, &TBaseSamplingTool::SetX2Percent)
          .Single("Y2Percent", &TBaseSamplingTool::GetY2Percent, &TBaseSamplingTool::SetY2Percent)
          .Build();
  return info;
}

void TBaseSamplingTool::Init() {
  TControlPanelTool::Init();
  SetX1Percent(80);
  SetY1Percent(15);
  SetX2Percent(80);
  SetY2Percent(85);
  TextColour = RGB(128, 128, 128);
}

bool TBaseSamplingTool::MatchSampleCount(int width) {
  if (width == sampleCount_) return false;
  sampleCount_ = std::max(width, 0);
  ComputeSamplePoints();
  return true;
}

void TBaseSamplingTool::ComputeSamplePoints() {
  const TWaterGridRef& grid = Grid();
  if (!grid) return;
  samples_.clear();
  const int n = sampleCount_;
  if (n == 0) return;
  const int32_t dx = X2 - X1;
  const int32_t dy = Y2 - Y1;
  const auto length = static_cast<int32_t>(std::sqrt(double(dx) * dx + double(dy) * dy));
  samplesPerCell_ = length > 0 ? static_cast<float>(double(n) / length) : 0.0f;
  const auto stepX = static_cast<float>(double(dx) / n);
  const auto stepY = static_cast<float>(double(dy) / n);
  if (grid->Width() < 2 || grid->Height() < 2) return;
  // Cells outside the grid are never referenced, whatever a file put into the handles.
  const int32_t lastX = grid->Width() - 2;
  const int32_t lastY = grid->Height() - 2;
  float x = static_cast<float>(X1);
  float y = static_cast<float>(Y1);
  samples_.resize(static_cast<size_t>(n));
  for (TSamplePoint& sample : samples_) {
    const auto ix = std::clamp(static_cast<int32_t>(x), 0, lastX);
    const auto iy = std::clamp(static_cast<int32_t>(y), 0, lastY);
    const double fx = std::clamp(double(x) - ix, 0.0, 1.0);
    const double fy = std::clamp(double(y) - iy, 0.0, 1.0);
    const size_t base = static_cast<size_t>(ix) * grid->Height() + iy;
    sample.cells[0] = base;
    sample.cells[1] = base + grid->Height();
    sample.cells[2] = base + 1;
    sample.cells[3] = base + grid->Height() + 1;
    sample.weights[0] = static_cast<float>((1 - fy) * (1 - fx));
    sample.weights[1] = static_cast<float>((1 - fy) * fx);
    sample.weights[2] = static_cast<float>(fy * (1 - fx));
    sample.weights[3] = static_cast<float>(fy * fx);
    x = static_cast<float>(double(x) + stepX);
    y = static_cast<float>(double(y) + stepY);
  }
}

float TBaseSamplingTool::SampleValue(size_t i) const {
  const TWaterGridRef& grid = Grid();
  if (!grid || i >= samples_.size()) return 0;
  const TSamplePoint& sample = samples_[i];
  const float* heights = grid->Displacements(0);
  double sum = 0;
  for (int k = 0; k < 4; ++k)
    sum += double(sample.weights[k]) * heights[sample.cells[k]];
  return static_cast<float>(sum);
}

void TBaseSamplingTool::SetCursor(bool active, float position, float height) {
  cursorActive_ = active;
  cursorPosition_ = position;
  cursorHeight_ = height;
}

std::string TBaseSamplingTool::DistanceReadout() const {
  if (!cursorActive_ || samplesPerCell_ <= 0) return {};
  return ReadoutNumber(double(cursorPosition_) / samplesPerCell_, 1) + std::string(rs::Millimetres);
}

void TBaseSamplingTool::Draw(TFastDIB& image) {
  const TColour colour = HandleColour();
  const int32_t top = image.Height() - 1;
  image.Line(X1, top - Y1, X2, top - Y2, colour);
  DrawArrowHead(image, Point2(), Point1(), colour, 6);
  // A tick across the line every 20 cells, reaching one pixel to either side.
  const double dx = X2 - X1;
  const double dy = Y2 - Y1;
  const double length = std::sqrt(dx * dx + dy * dy);
  const double divisions = length / 20;
  if (length > 0) {
    const double acrossX = -dy / length;
    const double acrossY = dx / length;
    for (int t = 1; t < divisions; ++t) {
      const double px = X1 + t * dx / divisions;
      const double py = Y1 + t * dy / divisions;
      image.Line(static_cast<int>(std::lround(px - acrossX)),
                 static_cast<int>(std::lround(top - (py - acrossY))),
                 static_cast<int>(std::lround(px + acrossX)),
                 static_cast<int>(std::lround(top - (py + acrossY))), colour);
    }
  }
  DrawHandle(image, X1, Y1, colour);
  DrawHandle(image, X2, Y2, colour);
}

}  // namespace wavora
