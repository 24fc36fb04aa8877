#pragma once

#include <array>

#include "tools/point_tool.h"

namespace wavora {

// Watches the displacement at one point and shows its level in decibels on an LED strip: the peak
// with a fast rise and a slow fall, a smoothed moving average of the absolute displacement, or the
// instantaneous level. 0 dB is the tank's full scale 3.5; the user reads the level plus 6.
class TLevelMeterTool : public TPointTool {
 public:
  static constexpr int kPeakHoldLength = 34;
  static constexpr int kAverageLength = 100;
  // Values at or below this read as silence, -120 dB.
  static constexpr float kSilence = 0.00001f;
  static constexpr double kSilentLevel = -120;
  // What the user reads is the level plus this.
  static constexpr double kShownOffset = 6;
  // dB from an empty strip to a full one; below -67 dB the panel shows no number.
  static constexpr double kRange = 67;

  enum TMode : int32_t { kPeak = 0, kAverage = 1, kRealtime = 2 };

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  void Init() override;
  // A plus over the point.
  void Draw(TFastDIB& image) override;
  void Reset() override;
  std::unique_ptr<TControlPanelModel> CreateControlPanel() override;
  void UpdateControlPanel(TBaseCPFrame& panel) override;
  // The level the user reads in the tool's mode, in dB (the level plus 6); none where the panel
  // shows none.
  std::vector<TToolReading> Readings() const override;
  std::string ReadOut() const override;

  // One of TMode; any other value restores the peak meter.
  int32_t GetMode() const { return mode_; }
  void SetMode(int32_t value);
  // Kept in files; the meter shows decibels either way.
  bool GetUse_db() const { return useDb_; }
  void SetUse_db(bool value) { useDb_ = value; }

  // 20 log10(x) + reference, so that 3.5 reads 0 dB; -120 for silence.
  double LevelOf(double x) const;
  float PeakLevel() const { return peak_; }
  float AverageSum() const { return averageSum_; }
  float SmoothedLevel() const { return smoothed_; }

 protected:
  // Feeds the moving average and the peak meter with the size of the displacement.
  void Sample(float displacement) override;

 private:
  // The level in the tool's mode without advancing the average's smoothing.
  double CurrentLevel() const;

  float peak_ = kSilence;
  std::array<float, kPeakHoldLength> peakHold_{};
  int peakIndex_ = 0;
  float reference_ = 0;
  float fall_ = 1;
  float rise_ = 2;
  int32_t mode_ = kPeak;
  bool useDb_ = true;
  float averageWeight_ = 1.0f / kAverageLength;
  float averageSum_ = 0;
  std::array<float, kAverageLength> averageWindow_{};
  int averageIndex_ = 0;
  float smoothed_ = 0;
  float previousAverage_ = kSilentLevel;
};

}  // namespace wavora
