#include "tools/level_meter_tool.h"

#include <algorithm>
#include <cmath>

#include "sim/resource_strings.h"
#include "sim/scene_drawing.h"
#include "tools/level_meters_cp.h"

namespace wavora {

namespace {

constexpr int kPlusReach = 4;

}  // namespace

const TClassInfo& TLevelMeterTool::StaticClassInfo() {
  static const TClassInfo info =
      TClassBuilder<TLevelMeterTool>("TLevelMeterTool", &TPointTool::StaticClassInfo())
          .Texts(std::string(rs::SignalLevelMeter.english),
                 std::string(rs::SignalLevelMeterDescription.english))
          .Integer("Mode", &TLevelMeterTool::GetMode, &TLevelMeterTool::SetMode)
          .Boolean("Use_db", &TLevelMeterTool::GetUse_db, &TLevelMeterTool::SetUse_db)
          .Build();
  return info;
}

void TLevelMeterTool::Init() {
  TPointTool::Init();
  SetX1Percent(50);
  SetY1Percent(70);
  mode_ = kPeak;
  useDb_ = true;
  // 3.5, the tank's full scale, reads 0 dB; the peak falls by 0.5^(1/4) (1.505 dB) per step.
  reference_ = static_cast<float>(-20 * std::log10(3.5));
  fall_ = static_cast<float>(std::pow(0.5, 0.25));
  rise_ = 2;
  smoothed_ = 0;
  Reset();
}

void TLevelMeterTool::SetMode(int32_t value) {
  mode_ = value >= kPeak && value <= kRealtime ? value : kPeak;
}

void TLevelMeterTool::Draw(TFastDIB& image) {
  DrawPlus(image, X1, Y1, HandleColour(), kPlusReach);
}

void TLevelMeterTool::Reset() {
  peak_ = kSilence;
  peakHold_.fill(kSilence);
  peakIndex_ = 0;
  averageSum_ = 0;
  previousAverage_ = kSilentLevel;
  averageWindow_.fill(0.0f);
  averageIndex_ = 0;
}

void TLevelMeterTool::Sample(float displacement) {
  const float a = std::fabs(displacement);

  // The mean of the last 100 steps: each value enters weighted, and leaves as it entered.
  const auto v = static_cast<float>(a * double(averageWeight_));
  averageSum_ = static_cast<float>(double(averageSum_) + v - averageWindow_[size_t(averageIndex_)]);
  averageWindow_[size_t(averageIndex_)] = v;
  averageIndex_ = (averageIndex_ + 1) % kAverageLength;

  // Sliding maximum: going back from the newest entry, raise entries to a until one already holds as
  // much. The entry at the index, the oldest, then holds the largest a of the last 35 steps.
  int i = peakIndex_;
  for (int visited = 0; visited < kPeakHoldLength; ++visited) {
    i = (i + kPeakHoldLength - 1) % kPeakHoldLength;
    if (peakHold_[size_t(i)] >= a) break;
    peakHold_[size_t(i)] = a;
  }
  const float m = peakHold_[size_t(peakIndex_)];
  if (m > peak_) {
    peak_ = std::min(static_cast<float>(double(peak_) * rise_), m);
  } else if (m < peak_) {
    peak_ = std::max(static_cast<float>(double(peak_) * fall_), m);
  }
  peakHold_[size_t(peakIndex_)] = a;
  peakIndex_ = (peakIndex_ + 1) % kPeakHoldLength;
}

double TLevelMeterTool::LevelOf(double x) const {
  return x > kSilence ? 20 * std::log10(x) + reference_ : kSilentLevel;
}

double TLevelMeterTool::CurrentLevel() const {
  switch (mode_) {
    case kPeak:
      return LevelOf(peak_);
    case kAverage:
      return smoothed_;
    default:
      return LevelOf(std::fabs(Displacement()));
  }
}

std::unique_ptr<TControlPanelModel> TLevelMeterTool::CreateControlPanel() {
  return std::make_unique<TLevelMetersCP>(*this);
}

void TLevelMeterTool::UpdateControlPanel(TBaseCPFrame& panel) {
  TPointTool::UpdateControlPanel(panel);
  auto* meters = dynamic_cast<TLevelMetersCP*>(&panel);
  if (!meters) return;
  if (mode_ == kAverage) {
    // The moving mean's level, smoothed once more per panel update.
    const double level = LevelOf(averageSum_);
    smoothed_ = static_cast<float>(0.9 * smoothed_ + 0.05 * level + 0.05 * previousAverage_);
    previousAverage_ = static_cast<float>(level);
  }
  meters->ShowLevel(CurrentLevel());
}

// The panel's read-out without the blanks that keep its place on the panel.
std::string TLevelMeterTool::ReadOut() const {
  const std::string text = TLevelMetersCP::ReadoutText(CurrentLevel());
  return text.substr(std::min(text.find_first_not_of(' '), text.size()));
}

std::vector<TToolReading> TLevelMeterTool::Readings() const {
  static const char* const kQuantities[] = {"peak level", "average level", "realtime level"};
  const double level = CurrentLevel();
  std::optional<float> shown;
  if (level >= -kRange) shown = static_cast<float>(level + kShownOffset);
  return {{kQuantities[mode_], std::nullopt, "", shown, std::string(rs::Decibels)}};
}

}  // namespace wavora
