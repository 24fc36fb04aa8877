#include "tools/cross_section_tool.h"

#include <algorithm>

#include "image/fast_dib.h"
#include "sim/resource_strings.h"
#include "sim/rounding.h"
#include "tools/cross_section_cp.h"
#include "tools/line_tool_glyph.h"
#include "tools/tool_label.h"

namespace wavora {

namespace {

constexpr TColour kTraceColour = RGB(192, 255, 255);
constexpr double kFullScale = 3.5;

}  // namespace

const TClassInfo& TCrossSectionTool::StaticClassInfo() {
  static const TClassInfo info =
      TClassBuilder<TCrossSectionTool>("TCrossSectionTool", &TBaseSamplingTool::StaticClassInfo())
          .Texts(std::string(rs::CrossSection.english), std::string(rs::CrossSectionDescription.english))
          .Integer("Gain", &TCrossSectionTool::GetGain, &TCrossSectionTool::SetGain)
          .Build();
  return info;
}

void TCrossSectionTool::Init() {
  TBaseSamplingTool::Init();
  SetSnapToGrid(false);
  SetX1Percent(20);
  SetY1Percent(50);
  SetX2Percent(90);
  SetY2Percent(50);
  gain_ = 1;
  TextColour = RGB(192, 192, 192);
}

void TCrossSectionTool::SetGain(int32_t value) {
  gain_ = std::clamp(value, 1, 16);
}

bool TCrossSectionTool::HitBody(int32_t x, int32_t y) const {
  return LabelHit(label_, H(), x, y);
}

void TCrossSectionTool::Draw(TFastDIB& image) {
  TBaseSamplingTool::Draw(image);
  if (const std::optional<TLabelBox> box = LabelRect(image, "C", Point1(), Point2())) {
    label_ = *box;
    DrawWaveGlyph(image, label_, HandleColour());
  }
}

std::unique_ptr<TControlPanelModel> TCrossSectionTool::CreateControlPanel() {
  return std::make_unique<TScopeToolsFrame>(*this, gain_);
}

void TCrossSectionTool::UpdateControlPanel(TBaseCPFrame& panel) {
  TBaseSamplingTool::UpdateControlPanel(panel);
  auto* frame = dynamic_cast<TScopeToolsFrame*>(&panel);
  if (!frame) return;
  TFastDIB& image = *frame->SnapshotImage();
  if (image.IsEmpty()) return;
  const int W = image.Width();
  const int H = image.Height();
  MatchSampleCount(W);
  const int count = static_cast<int>(Samples().size());
  if (count < kMinSamples) return;
  const double half = (H - 2) / 2.0;
  const double scale = half / kFullScale * gain_;
  frame->SetScale(SamplesPerCell());
  frame->DrawBackground(image);
  // Rows from the top: a positive displacement lies below the middle row.
  const auto row = [&](int i) {
    return std::clamp((H - 1) - RoundHalfEven(half - SampleValue(size_t(i)) * scale), 1, H - 2);
  };
  int previous = row(0);
  for (int i = 1; i < count; ++i) {
    const int current = row(i);
    if (i + 1 <= W - 2) image.Line(i, previous, i + 1, current, kTraceColour);
    previous = current;
  }
  if (!CursorActive()) return;
  const int j = std::clamp(RoundHalfEven(CursorPosition()), 0, count - 1);
  image.Line(j, 0, j, H - 1, kTraceColour);
  DrawCaptions(image, OneDecimal(DisplacementMm(SampleValue(size_t(j))), "mm"), DistanceReadout());
}

std::vector<TToolReading> TCrossSectionTool::Readings() const {
  std::vector<TToolReading> readings;
  if (SamplesPerCell() <= 0) return readings;
  for (size_t i = 0; i < Samples().size(); ++i) {
    readings.push_back({"displacement", static_cast<float>(double(i) / SamplesPerCell()), "mm",
                        static_cast<float>(DisplacementMm(SampleValue(i))), "mm"});
  }
  return readings;
}

}  // namespace wavora
