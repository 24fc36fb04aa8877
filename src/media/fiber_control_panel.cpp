#include "media/fiber_control_panel.h"

#include <algorithm>

#include "media/waveguide_mapper.h"
#include "sim/resource_strings.h"

namespace wavora {

TFiberControlPanel::TFiberControlPanel() : label1_(rs::FibreWidth) {
  RefreshWidthLabel();
  AddSubPanel("RefractiveIndexCP1", refractiveIndex_);
}

void TFiberControlPanel::Bind(TSimpleWaveGuideRIMapper* mapper) {
  mapper_ = mapper;
  refractiveIndex_.Bind(mapper);
  if (!mapper) return;
  refractiveIndex_.SetValue(mapper->GetN());
  // The slider shows the fibre's width as far as its range reaches; showing it writes nothing back.
  position_ = std::clamp(mapper->GetFibreWidth(), kMinWidth, kMaxWidth);
  RefreshWidthLabel();
}

void TFiberControlPanel::SetWidthSliderPosition(int32_t position) {
  position = std::clamp(position, kMinWidth, kMaxWidth);
  if (position == position_) return;
  position_ = position;
  WidthSliderChange();
}

void TFiberControlPanel::WidthSliderChange() {
  if (mapper_) mapper_->SetFibreWidth(position_);
  RefreshWidthLabel();
}

void TFiberControlPanel::RefreshWidthLabel() {
  widthLabel_ = std::to_string(position_) + std::string(rs::Millimetres);
}

std::vector<TPanelControl> TFiberControlPanel::OwnControls() const {
  return {ReadOutControl("WidthLabel", label1_, widthLabel_),
          SliderControl("WidthSlider", label1_, kMinWidth, kMaxWidth, position_)};
}

TChangeResult TFiberControlPanel::ApplyChange(const TPanelControl&, int32_t value) {
  SetWidthSliderPosition(value);
  return TChangeResult::Done;
}

}  // namespace wavora
