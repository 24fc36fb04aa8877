#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace wavora {

// How a shell that does not know a panel's class shows one of its controls and what a change of it
// means:
//   Button       a press; a toggle shows value 1 while it is down
//   ButtonGroup  one of its items is chosen; value is the chosen item's (none may match, when the
//                object holds a value no shown item stands for)
//   Slider       a position from min to max in steps of step; value is the position
//   ReadOut      text the panel shows; it takes no change
//   MenuEntry    an entry of the panel's popup menu; a setting shows value 1 while checked
enum class TControlKind { Button, ButtonGroup, Slider, ReadOut, MenuEntry };

// What choosing a popup entry asks for: a setting the panel applies itself, or a command the shell
// carries out with the platform's dialogs and clipboard.
enum class TPanelCommand { Setting, SaveSnapshot, CopySnapshot, SaveData, CopyData };

// An item of a button group: the value a change passes to choose it, its component name, caption and
// hint (an item without a caption is a picture the shell draws for its name), and the heading it stands
// under, if any.
struct TControlItem {
  int32_t value = 0;
  std::string name;
  std::string caption;
  std::string hint;
  std::string heading;
};

// One control as its panel describes it now. Texts come from the string table or are read-outs the
// panel formats.
struct TPanelControl {
  // Stable: the component's name, the property a group sets, or "Panel.Name" for a control of a
  // panel inside this one.
  std::string id;
  TControlKind kind = TControlKind::ReadOut;
  std::string caption;
  std::string hint;
  // A read-out's text.
  std::string text;
  int32_t min = 0;
  int32_t max = 0;
  int32_t step = 1;
  int32_t value = 0;
  // A button that stays down, or a menu entry that is a checkable setting.
  bool toggle = false;
  std::vector<TControlItem> items;
  TPanelCommand command = TPanelCommand::Setting;
  // A menu entry after a separator.
  bool separated = false;
  bool enabled = true;
  bool visible = true;
};

// The outcome of a change through the interface. Every outcome after ShellCommand is a refusal that
// changed nothing.
enum class TChangeResult {
  Done,
  // A menu command the panel does not carry out itself (saving, copying): the shell does.
  ShellCommand,
  UnknownControl,
  ReadOnly,
  Hidden,
  Disabled,
  OutOfRange,
};

TPanelControl ButtonControl(std::string id, std::string_view caption, std::string_view hint);
TPanelControl ToggleControl(std::string id, std::string_view caption, std::string_view hint, bool down);
TPanelControl GroupControl(std::string id, std::string_view caption, std::vector<TControlItem> items,
                           int32_t chosen);
TPanelControl SliderControl(std::string id, std::string_view caption, int32_t min, int32_t max,
                            int32_t position);
TPanelControl ReadOutControl(std::string id, std::string_view caption, std::string text);
// The control, shown or hidden.
TPanelControl Shown(TPanelControl control, bool visible);

// Why the control refuses the value, or Done when it takes it. Buttons and menu entries take any value,
// as a press carries none.
TChangeResult Refusal(const TPanelControl& control, int32_t value);

}  // namespace wavora
