#pragma once

#include "sim/sampling_tool.h"
#include "sim/scene_drawing.h"

namespace wavora {

// Shows the displacement along its line as a trace in its panel, like an oscilloscope. It reads the
// live field at each panel update and keeps no history.
class TCrossSectionTool : public TBaseSamplingTool {
 public:
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  void Init() override;
  bool HitBody(int32_t x, int32_t y) const override;
  void Draw(TFastDIB& image) override;
  std::unique_ptr<TControlPanelModel> CreateControlPanel() override;
  void UpdateControlPanel(TBaseCPFrame& panel) override;
  std::vector<TToolReading> Readings() const override;

  // Vertical magnification 1, 2, 4, 8 or 16; values from elsewhere are kept within 1 ... 16.
  int32_t GetGain() const { return gain_; }
  void SetGain(int32_t value);

 private:
  int32_t gain_ = 1;
  TLabelBox label_;
};

}  // namespace wavora
