#pragma once

#include <vector>

#include "sim/sampling_tool.h"
#include "sim/scene_drawing.h"

namespace wavora {

class TIntensityToolFrame;

// Shows the intensity along its line: the peak displacement of every sample over windows of 15
// steps, kept in a ring of 14 windows and summed with weights that fade with age, shown squared as a
// red band (the light falling on a screen) and/or a graph.
class TIntensityTool : public TBaseSamplingTool {
 public:
  static constexpr int kWindowSteps = 15;
  static constexpr int kWindows = 14;
  static constexpr double kNormaliseFloor = 0.1;
  static constexpr double kReadoutDivisor = 2.5;
  static constexpr int kReferenceLevel = 196;

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  void Init() override;
  bool HitBody(int32_t x, int32_t y) const override;
  void Draw(TFastDIB& image) override;
  void AfterStep() override;
  void Reset() override;
  void ComputeSamplePoints() override;
  std::unique_ptr<TControlPanelModel> CreateControlPanel() override;
  void UpdateControlPanel(TBaseCPFrame& panel) override;
  std::vector<TToolReading> Readings() const override;

  // 0 image and graph, 1 image only, 2 graph only; other values are brought into 0 ... 2.
  int32_t GetIntensityMode() const { return intensityMode_; }
  void SetIntensityMode(int32_t value);
  // 0 normalised, otherwise a magnification up to 16; other values are brought into 0 ... 16.
  int32_t GetGain() const { return gain_; }
  void SetGain(int32_t value);

  bool Calculating() const { return calculating_; }
  // The weighted sum of window peaks of sample i at the last completed window.
  float IntensityAt(size_t i) const { return i < intensity_.size() ? intensity_[i] : 0.0f; }
  float Maximum() const { return maximum_; }

 private:
  void ComputeIntensity();
  void DrawPanel(TIntensityToolFrame& frame, TFastDIB& image);
  void PaintReadout(TIntensityToolFrame& frame) const;

  std::vector<float> history_;  // kWindows values per sample, sample by sample
  std::vector<float> intensity_;
  float maximum_ = 0;
  int32_t ringIndex_ = 0;
  int32_t stepCounter_ = 0;
  bool newWindow_ = false;
  bool calculating_ = true;
  int32_t intensityMode_ = 0;
  TLabelBox label_;
  int32_t gain_ = 0;
};

}  // namespace wavora
