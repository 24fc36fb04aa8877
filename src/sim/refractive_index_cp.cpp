#include "sim/refractive_index_cp.h"

#include <algorithm>
#include <cmath>

#include "model/number_text.h"
#include "model/property_text.h"
#include "sim/resource_strings.h"
#include "sim/ri_map.h"

namespace wavora {

float TRefractiveIndexCP::SliderValue() const {
  return static_cast<float>(1.0 - position_ / 11.0);
}

void TRefractiveIndexCP::SetPosition(int32_t position) {
  position = std::clamp(position, kMinPosition, kMaxPosition);
  if (position == position_) return;
  position_ = position;
  RfIndexChange();
}

void TRefractiveIndexCP::RfIndexChange() {
  if (object_) SetPropertyFromText(*object_, "n", FormatSingle(SliderValue()), false);
  RefreshLabel();
}

void TRefractiveIndexCP::SetValue(float n) {
  const double position = std::isnan(n) ? 0.0 : std::nearbyint((1.0 - n) * 11.0);
  position_ = static_cast<int32_t>(std::clamp(position, double(kMinPosition), double(kMaxPosition)));
  RefreshLabel();
}

void TRefractiveIndexCP::RefreshLabel() {
  refractiveIndexLabel_ = ReadoutNumber(std::sqrt(1.0 / SliderValue()), 2);
}

std::vector<TPanelControl> TRefractiveIndexCP::OwnControls() const {
  return {ReadOutControl("RefractiveIndexLabel", rs::RefractiveIndex, refractiveIndexLabel_),
          SliderControl("RfIndex", rs::RefractiveIndex, kMinPosition, kMaxPosition, position_)};
}

TChangeResult TRefractiveIndexCP::ApplyChange(const TPanelControl&, int32_t value) {
  SetPosition(value);
  return TChangeResult::Done;
}

}  // namespace wavora
