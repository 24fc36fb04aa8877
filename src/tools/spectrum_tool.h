#pragma once

#include <vector>

#include "sim/water_grid.h"
#include "tools/point_tool.h"
#include "tools/spectrum_colours.h"
#include "tools/spectrum_transform.h"

namespace wavora {

class TSpectrumToolCP;

// Records the displacement at one point every step and shows the spectrum of the most recent 251
// or 900 samples: a band in which each column has the colour of its wavelength and a brightness
// after the strength of that component, and/or a graph, along a frequency axis (0.5 ... 9 units, a
// unit being 0.016 cycles per step) or a wavelength axis (periods 75 down to 5 steps).
class TSpectrumTool : public TPointTool {
 public:
  static constexpr float kLowFrequency = 0.5f;
  static constexpr float kHighFrequency = 9.0f;
  static constexpr int kShortPeriod = 5;
  static constexpr int kLongPeriod = 75;
  // Cells per step: turns periods into lengths in "mm".
  static constexpr double kWaveSpeed = kOpenWaveSpeed;
  // Steps per frequency unit's cycle: one unit is 0.016 cycles per step.
  static constexpr double kCyclesPerStep = 0.016;

  enum TAnalysis : int { kFastButJittery = 0, kAccurateButSlow = 1, kRawSpectrum = 2 };

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  void Init() override;
  void Reset() override;
  std::unique_ptr<TControlPanelModel> CreateControlPanel() override;
  void UpdateControlPanel(TBaseCPFrame& panel) override;
  // The magnitudes behind the last display, column by column before the peaks were shaped, against
  // their frequency ("Hz") or wavelength ("mm") as the cursor reads both.
  std::vector<TToolReading> Readings() const override;

  // 0 normalised, otherwise 1, 2, 4, 8 or 16; any other value restores 0.
  int32_t GetGain() const { return gain_; }
  void SetGain(int32_t value);
  // 0 image and graph, 1 image only, 2 graph only; any other value restores 1.
  int32_t GetIntensityMode() const { return intensityMode_; }
  void SetIntensityMode(int32_t value);
  bool GetLinearWavelength() const { return linearWavelength_; }
  void SetLinearWavelength(bool value) { linearWavelength_ = value; }

  // One of TAnalysis; other values are brought into range.
  int AnalysisMode() const { return analysisMode_; }
  void SetAnalysisMode(int mode);
  // Samples the transform takes: 251 when fast, 900 otherwise.
  int AnalysisLength() const { return analysisMode_ == kFastButJittery ? 251 : 900; }

  void SetCursor(bool active, float position, float height);
  bool CursorActive() const { return cursorActive_; }
  float CursorPosition() const { return cursorPosition_; }

  int WriteIndex() const { return writeIndex_; }
  const std::vector<float>& Columns() const { return columns_; }
  float LargestMagnitude() const { return largest_; }
  const TSpectrumTransform& Transform() const { return transform_; }

 protected:
  // Kept in the ring of the last 16384 steps, except while the tool is dragged.
  void Sample(float displacement) override;

 private:
  void DrawPanel(TSpectrumToolCP& panel, TFastDIB& image);
  // Bin of column x of a panel of width W on the current axis.
  double ColumnBin(int x, int width) const;
  void ShapePeaks(int firstBin, int lastBin);
  // Column x of the width takes the largest bin from the previous column's last bin to its own;
  // returns the largest column.
  float FillColumns(std::vector<float>& columns, int firstBin, int width) const;
  void DrawImage(TFastDIB& image, double colourScale) const;
  void DrawGraph(TFastDIB& image, double graphScale, TColour colour) const;
  void DrawCursor(TFastDIB& image) const;
  // A column value as the cursor reads it: divided by 3.5 unless the analysis is fast.
  double ReadoutValue(float column) const;
  // Frequency in units, and period in steps, at a position along a panel of width W.
  double FrequencyAt(double position, int width) const;

  int32_t gain_ = 0;
  int32_t intensityMode_ = 1;
  int writeIndex_ = 0;
  std::vector<float> ring_ = std::vector<float>(TSpectrumTransform::kSize);
  TSpectrumTransform transform_;
  TSpectrumColours colours_;
  int analysisMode_ = kFastButJittery;
  float largest_ = 0;
  bool linearWavelength_ = false;
  float cursorPosition_ = 0;
  float cursorHeight_ = 0;
  bool cursorActive_ = false;
  std::vector<float> columns_;
  // The columns as they were before the peaks were shaped, above the same noise floor.
  std::vector<float> magnitudes_;
};

}  // namespace wavora
