#include "tools/intensity_tool.h"

#include <algorithm>
#include <cmath>

#include "image/fast_dib.h"
#include "sim/resource_strings.h"
#include "sim/rounding.h"
#include "tools/intensity_cp.h"
#include "tools/line_tool_glyph.h"
#include "tools/tool_label.h"

namespace wavora {

const TClassInfo& TIntensityTool::StaticClassInfo() {
  static const TClassInfo info =
      TClassBuilder<TIntensityTool>("TIntensityTool", &TBaseSamplingTool::StaticClassInfo())
          .Texts(std::string(rs::Intensity.english), std::string(rs::IntensityDescription.english))
          .Integer("IntensityMode", &TIntensityTool::GetIntensityMode, &TIntensityTool::SetIntensityMode)
          .Integer("Gain", &TIntensityTool::GetGain, &TIntensityTool::SetGain)
          .Build();
  return info;
}

void TIntensityTool::Init() {
  TBaseSamplingTool::Init();
  intensityMode_ = 0;
  gain_ = 0;
}

void TIntensityTool::SetIntensityMode(int32_t value) {
  intensityMode_ = std::clamp(value, 0, 2);
}

void TIntensityTool::SetGain(int32_t value) {
  gain_ = std::clamp(value, 0, 16);
}

bool TIntensityTool::HitBody(int32_t x, int32_t y) const {
  return LabelHit(label_, H(), x, y);
}

void TIntensityTool::Draw(TFastDIB& image) {
  TBaseSamplingTool::Draw(image);
  if (const std::optional<TLabelBox> box = LabelRect(image, "s", Point1(), Point2())) {
    label_ = *box;
    DrawIntensityGlyph(image, label_, HandleColour());
  }
}

void TIntensityTool::AfterStep() {
  const size_t count = Samples().size();
  if (count < kMinSamples || history_.size() != count * kWindows) return;
  if (++stepCounter_ > kWindowSteps - 1) {
    stepCounter_ = 0;
    ringIndex_ = (ringIndex_ + 1) % kWindows;
    for (size_t i = 0; i < count; ++i)
      history_[i * kWindows + size_t(ringIndex_)] = 0;
    newWindow_ = true;
  }
  for (size_t i = 0; i < count; ++i) {
    float& peak = history_[i * kWindows + size_t(ringIndex_)];
    peak = std::max(peak, std::fabs(SampleValue(i)));
  }
}

void TIntensityTool::Reset() {
  std::fill(history_.begin(), history_.end(), 0.0f);
  ringIndex_ = 0;
  stepCounter_ = 0;
  newWindow_ = false;
  calculating_ = true;
}

void TIntensityTool::ComputeSamplePoints() {
  TBaseSamplingTool::ComputeSamplePoints();
  history_.assign(Samples().size() * kWindows, 0.0f);
  intensity_.assign(Samples().size(), 0.0f);
  Reset();
}

std::unique_ptr<TControlPanelModel> TIntensityTool::CreateControlPanel() {
  return std::make_unique<TIntensityToolFrame>(*this, 1, intensityMode_, gain_);
}

void TIntensityTool::ComputeIntensity() {
  // The window being filled weighs nothing; a complete window of age a weighs 1 - (a / 14)^2.
  double weights[kWindows];
  for (int k = 0; k < kWindows; ++k) {
    int age = ringIndex_ - k;
    if (age < 0) age += kWindows;
    const double fraction = double(age) / kWindows;
    weights[k] = age == 0 ? 0.0 : 1 - fraction * fraction;
  }
  maximum_ = 0;
  for (size_t i = 0; i < intensity_.size(); ++i) {
    double sum = 0;
    for (int k = 0; k < kWindows; ++k)
      sum += weights[k] * history_[i * kWindows + size_t(k)];
    intensity_[i] = static_cast<float>(sum);
    maximum_ = std::max(maximum_, intensity_[i]);
  }
}

void TIntensityTool::UpdateControlPanel(TBaseCPFrame& panel) {
  TBaseSamplingTool::UpdateControlPanel(panel);
  auto* frame = dynamic_cast<TIntensityToolFrame*>(&panel);
  if (!frame) return;
  frame->SetCalcLabelVisible(calculating_);
  intensityMode_ = frame->DisplayMode();
  TFastDIB& image = *frame->SnapshotImage();
  if (image.IsEmpty()) return;
  if (MatchSampleCount(image.Width())) return;
  if (!newWindow_) {
    if (CursorActive()) PaintReadout(*frame);
    return;
  }
  newWindow_ = false;
  if (Samples().size() < kMinSamples) return;
  calculating_ = false;
  DrawPanel(*frame, image);
  PaintReadout(*frame);
}

void TIntensityTool::DrawPanel(TIntensityToolFrame& frame, TFastDIB& image) {
  ComputeIntensity();
  const int W = image.Width();
  const int H = image.Height();
  const double P = double(maximum_) * maximum_;
  double graphScale, colourScale;
  if (gain_ < 1) {
    const double level = P >= kNormaliseFloor ? P : kNormaliseFloor;
    graphScale = (H - 3) / level;
    colourScale = 255 / level;
  } else {
    graphScale = double(H - 3) * gain_ / kReferenceLevel;
    colourScale = double(gain_) * 255 / kReferenceLevel;
  }
  const auto squared = [this](size_t i) { return double(intensity_[i]) * intensity_[i]; };
  frame.SetScale(SamplesPerCell());
  TColour graphColour;
  if (frame.DisplayMode() == 2) {
    frame.SetBackgroundMode(image, 0);
    frame.DrawLightBackground(image);
    graphColour = RGB(100, 50, 50);
  } else {
    frame.SetBackgroundMode(image, 1);
    for (size_t i = 0; i < intensity_.size(); ++i) {
      const auto red = static_cast<uint8_t>(std::clamp(RoundHalfEven(squared(i) * colourScale), 0, 255));
      const int x = static_cast<int>(i);
      image.Line(x, 0, x, H - 1, RGB(red, 0, 0));
    }
    graphColour = RGB(200, 220, 225);
  }
  if (frame.DisplayMode() == 1) return;
  // Rows from the top: zero intensity on the bottom row.
  const auto row = [&](size_t i) {
    return std::clamp((H - 2) - RoundHalfEven(squared(i) * graphScale), 1, H - 2);
  };
  int previous = row(0);
  for (size_t i = 1; i < intensity_.size(); ++i) {
    const int current = row(i);
    const int x = static_cast<int>(i);
    if (x + 1 <= W - 2) image.Line(x, previous, x + 1, current, graphColour);
    previous = current;
  }
}

void TIntensityTool::PaintReadout(TIntensityToolFrame& frame) const {
  const int count = static_cast<int>(intensity_.size());
  if (count == 0) return;
  const int j = std::clamp(RoundHalfEven(CursorPosition()), 0, count - 1);
  const double value = double(intensity_[size_t(j)]) * intensity_[size_t(j)] / kReadoutDivisor;
  frame.SetReadout("X=" + OneDecimal(value, "v"), DistanceReadout());
}

std::vector<TToolReading> TIntensityTool::Readings() const {
  std::vector<TToolReading> readings;
  if (SamplesPerCell() <= 0) return readings;
  for (size_t i = 0; i < intensity_.size(); ++i) {
    // While the panel says "Calculating..." no window has completed: there is no intensity yet.
    std::optional<float> value;
    if (!calculating_) value = static_cast<float>(double(intensity_[i]) * intensity_[i] / kReadoutDivisor);
    readings.push_back({"intensity", static_cast<float>(double(i) / SamplesPerCell()), "mm", value, "v"});
  }
  return readings;
}

}  // namespace wavora
