#include "media/slits_control_panel.h"

#include <algorithm>

#include "media/slits_mapper.h"
#include "model/property_text.h"
#include "sim/resource_strings.h"

namespace wavora {

const TSlitsControlPanel::TRow& TSlitsControlPanel::Row(TBar bar) {
  static const TRow rows[kBarCount] = {
      {rs::SlitCaption, "Number", "", 1, TSlitsRIMapper::kMaxNumber, "SlitNumber", "SlitCount"},
      {rs::SlitWidthCaption, "Width", rs::Millimetres, 0, TSlitsRIMapper::kMaxRows, "SizeNumber", "WidthBar"},
      {rs::SpacingCaption, "Space", rs::Millimetres, 0, TSlitsRIMapper::kMaxRows, "SpacingNumber",
       "SpacingBar"},
  };
  return rows[bar];
}

TSlitsControlPanel::TSlitsControlPanel() {
  for (int bar = 0; bar < kBarCount; ++bar)
    RefreshReadout(TBar(bar));
}

void TSlitsControlPanel::Bind(TSlitsRIMapper* mapper) {
  mapper_ = mapper;
  if (!mapper) return;
  SetPosition(SlitCount, mapper->GetNumber());
  SetPosition(WidthBar, mapper->GetWidth());
  SetPosition(SpacingBar, mapper->GetSpace());
}

void TSlitsControlPanel::SetPosition(TBar bar, int32_t position) {
  position = std::clamp(position, Row(bar).min, Row(bar).max);
  if (position == positions_[bar]) return;
  positions_[bar] = position;
  BarChange(bar);
}

void TSlitsControlPanel::BarChange(TBar bar) {
  RefreshReadout(bar);
  if (mapper_) SetPropertyFromText(*mapper_, Row(bar).property, std::to_string(positions_[bar]), false);
}

void TSlitsControlPanel::RefreshReadout(TBar bar) {
  readouts_[bar] = std::to_string(positions_[bar]) + std::string(Row(bar).unit);
}

std::vector<TPanelControl> TSlitsControlPanel::OwnControls() const {
  std::vector<TPanelControl> controls;
  for (int i = 0; i < kBarCount; ++i) {
    const TRow& row = Row(TBar(i));
    controls.push_back(ReadOutControl(std::string(row.readoutName), row.caption, readouts_[i]));
    controls.push_back(SliderControl(std::string(row.barName), row.caption, row.min, row.max, positions_[i]));
  }
  return controls;
}

TChangeResult TSlitsControlPanel::ApplyChange(const TPanelControl& control, int32_t value) {
  for (int i = 0; i < kBarCount; ++i) {
    if (control.id == Row(TBar(i)).barName) SetPosition(TBar(i), value);
  }
  return TChangeResult::Done;
}

}  // namespace wavora
