#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "image/colour.h"
#include "sim/refractive_index_cp.h"

namespace wavora {

class TSimpleWaveGuideRIMapper;

// The fibre's panel: the fibre width on a slider of 10 to 60 cells with its readout, over the
// refractive-index panel of the cladding.
class TFiberControlPanel : public TControlPanelModel {
 public:
  static constexpr int32_t kWidth = 177;
  static constexpr int32_t kHeight = 175;
  static constexpr TColour kBackground = RGB(247, 247, 247);
  static constexpr int32_t kMinWidth = 10;
  static constexpr int32_t kMaxWidth = 60;

  TFiberControlPanel();

  // Binds the panel to a fibre (not owned; none unbinds) and shows its width and cladding.
  void Bind(TSimpleWaveGuideRIMapper* mapper);
  TSimpleWaveGuideRIMapper* Mapper() const { return mapper_; }

  const std::string& Label1() const { return label1_; }
  const std::string& WidthLabel() const { return widthLabel_; }
  int32_t WidthSliderPosition() const { return position_; }
  // Moves the slider as the user does: a new position runs WidthSliderChange.
  void SetWidthSliderPosition(int32_t position);
  // Writes the position to the fibre's width and refreshes the readout.
  void WidthSliderChange();
  TRefractiveIndexCP& RefractiveIndexCP1() { return refractiveIndex_; }

 protected:
  std::vector<TPanelControl> OwnControls() const override;
  TChangeResult ApplyChange(const TPanelControl& control, int32_t value) override;

 private:
  void RefreshWidthLabel();

  TSimpleWaveGuideRIMapper* mapper_ = nullptr;
  std::string label1_;
  std::string widthLabel_;
  int32_t position_ = 30;
  TRefractiveIndexCP refractiveIndex_;
};

}  // namespace wavora
