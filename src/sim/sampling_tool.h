#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "sim/control_panel_tool.h"

namespace wavora {

// One sample along a line tool: the four cells around the sample position and their bilinear weights,
// in the order (ix, iy), (ix+1, iy), (ix, iy+1), (ix+1, iy+1).
struct TSamplePoint {
  size_t cells[4] = {};  // indices into the grid's cells
  float weights[4] = {};
};

// A panel tool that samples the field along the straight line between its two handles, one sample per
// column of its panel, by bilinear interpolation of the displacement.
class TBaseSamplingTool : public TControlPanelTool {
 public:
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  void Init() override;
  int32_t HandleKind() const override { return 2; }
  int32_t MinHandleDistanceSquared() const override { return 2500; }
  void HandlesMoved() override { ComputeSamplePoints(); }
  void Draw(TFastDIB& image) override;

  // Rebuilds the samples for the current line, grid and sample count.
  virtual void ComputeSamplePoints();
  // Takes the panel image's width as the sample count when it differs; true when it changed.
  bool MatchSampleCount(int width);

  // A panel narrower than this many samples draws no trace.
  static constexpr int kMinSamples = 10;

  int SampleCount() const { return sampleCount_; }
  const std::vector<TSamplePoint>& Samples() const { return samples_; }
  // Samples per cell of line length: the panel's horizontal scale in pixels per cell.
  float SamplesPerCell() const { return samplesPerCell_; }
  // The interpolated displacement of sample i.
  float SampleValue(size_t i) const;

  // The panel's cursor, in panel pixels along the line and as a fraction of the panel height.
  void SetCursor(bool active, float position, float height);
  bool CursorActive() const { return cursorActive_; }
  float CursorPosition() const { return cursorPosition_; }
  float CursorHeight() const { return cursorHeight_; }
  // The cursor's distance from the line's first end, "12.5mm", or empty without a cursor.
  std::string DistanceReadout() const;

 private:
  float cursorPosition_ = 0;
  float cursorHeight_ = 0;
  bool cursorActive_ = false;
  std::vector<TSamplePoint> samples_;
  float samplesPerCell_ = 0;
  int sampleCount_ = 0;
};

}  // namespace wavora
