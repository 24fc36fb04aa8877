#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "sim/control_panel_model.h"

namespace wavora {

class TBaseRIControlRIMapper;

// The refractive-index panel of a medium object: a slider of eleven positions for n = 1 - position / 11
// (1 for open water down to 1/11) and the refractive index sqrt(1 / n) as the value label.
class TRefractiveIndexCP : public TControlPanelModel {
 public:
  static constexpr int32_t kWidth = 177;
  static constexpr int32_t kHeight = 90;
  static constexpr int32_t kMinPosition = 0;
  static constexpr int32_t kMaxPosition = 10;

  // The medium object edited, not owned; none unbinds.
  void Bind(TBaseRIControlRIMapper* object) { object_ = object; }
  TBaseRIControlRIMapper* Object() const { return object_; }

  int32_t Position() const { return position_; }
  // Moves the slider the way a user does: the change handler runs when the position changes.
  void SetPosition(int32_t position);
  // The slider's change handler: writes n by name, so the edit is recorded like any property edit.
  void RfIndexChange();
  // Shows n without writing it back.
  void SetValue(float n);
  const std::string& RefractiveIndexLabel() const { return refractiveIndexLabel_; }

 protected:
  std::vector<TPanelControl> OwnControls() const override;
  TChangeResult ApplyChange(const TPanelControl& control, int32_t value) override;

 private:
  float SliderValue() const;
  void RefreshLabel();

  TBaseRIControlRIMapper* object_ = nullptr;
  int32_t position_ = 0;
  std::string refractiveIndexLabel_ = "1";
};

}  // namespace wavora
