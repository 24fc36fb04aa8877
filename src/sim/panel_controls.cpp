#include "sim/panel_controls.h"

#include <algorithm>
#include <utility>

namespace wavora {

namespace {

TPanelControl Control(std::string id, TControlKind kind, std::string_view caption) {
  TPanelControl control;
  control.id = std::move(id);
  control.kind = kind;
  control.caption = std::string(caption);
  return control;
}

}  // namespace

TPanelControl ButtonControl(std::string id, std::string_view caption, std::string_view hint) {
  TPanelControl control = Control(std::move(id), TControlKind::Button, caption);
  control.hint = std::string(hint);
  return control;
}

TPanelControl ToggleControl(std::string id, std::string_view caption, std::string_view hint, bool down) {
  TPanelControl control = ButtonControl(std::move(id), caption, hint);
  control.toggle = true;
  control.value = down ? 1 : 0;
  return control;
}

TPanelControl GroupControl(std::string id, std::string_view caption, std::vector<TControlItem> items,
                           int32_t chosen) {
  TPanelControl control = Control(std::move(id), TControlKind::ButtonGroup, caption);
  control.items = std::move(items);
  control.value = chosen;
  return control;
}

TPanelControl SliderControl(std::string id, std::string_view caption, int32_t min, int32_t max,
                            int32_t position) {
  TPanelControl control = Control(std::move(id), TControlKind::Slider, caption);
  control.min = min;
  control.max = max;
  control.value = position;
  return control;
}

TPanelControl ReadOutControl(std::string id, std::string_view caption, std::string text) {
  TPanelControl control = Control(std::move(id), TControlKind::ReadOut, caption);
  control.text = std::move(text);
  return control;
}

TPanelControl Shown(TPanelControl control, bool visible) {
  control.visible = visible;
  return control;
}

TChangeResult Refusal(const TPanelControl& control, int32_t value) {
  if (!control.visible) return TChangeResult::Hidden;
  if (!control.enabled) return TChangeResult::Disabled;
  switch (control.kind) {
    case TControlKind::ReadOut:
      return TChangeResult::ReadOnly;
    case TControlKind::Slider: {
      // In 64 bits, so that no value and range can overflow the step test.
      const int64_t offset = int64_t(value) - control.min;
      const bool onStep = control.step > 0 && offset % control.step == 0;
      return value >= control.min && value <= control.max && onStep ? TChangeResult::Done
                                                                    : TChangeResult::OutOfRange;
    }
    case TControlKind::ButtonGroup: {
      const bool isItem = std::any_of(control.items.begin(), control.items.end(),
                                      [value](const TControlItem& item) { return item.value == value; });
      return isItem ? TChangeResult::Done : TChangeResult::OutOfRange;
    }
    case TControlKind::Button:
    case TControlKind::MenuEntry:
      break;
  }
  return TChangeResult::Done;
}

}  // namespace wavora
