#pragma once

#include <QRect>
#include <span>
#include <string>

#include "media/mode_buttons_cp.h"
#include "widgets/icons.h"

class QLabel;
class QWidget;

namespace wavora {

// Where a mode panel shows one of its model's buttons: its picture, the component name of its caption
// and its place; the caption goes under the button.
struct TModeButtonPlace {
  TIcon glyph;
  const char* captionName;
  QRect place;
};

// The picture buttons of a mode panel, one per place, for the model's buttons in order: one latching
// group with the model's pressed button down, a click going to the model's Type0Click with the
// button's tag. Hidden buttons and their captions are made but not shown.
void AddModeButtons(QWidget& parent, TModeButtonsCP& model, std::span<const TModeButtonPlace> places);
// A bold heading over a group of mode buttons.
QLabel* ModeHeading(QWidget& parent, const char* name, const std::string& text, const QRect& geometry);

}  // namespace wavora
