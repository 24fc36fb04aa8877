#pragma once

#include <QIcon>
#include <QRect>

#include "media/mode_buttons_cp.h"

class QLabel;
class QWidget;

namespace wavora {

class TCustomSpeedButton;

// The picture buttons of a mode panel: one latching group, the model's pressed button down, a click
// going to the model's Type0Click with the button's tag. Hidden buttons are made but not shown.
TCustomSpeedButton* ModeButton(QWidget& parent, TModeButtonsCP& model, const TModeButtonsCP::TButton& button,
                               const QIcon& glyph, const QRect& geometry);
// A caption under a mode button, or a bold heading over a group of them.
QLabel* ModeLabel(QWidget& parent, const char* name, const std::string& text, const QRect& geometry,
                  bool visible, bool heading = false);

}  // namespace wavora
