#pragma once

#include "ui/mode_buttons_view.h"

namespace wavora {

class TEarthCP;

// The Earth's panel: the atmosphere's two buttons over the earthquakes' two, each with its caption.
class TEarthView : public TModeButtonsView {
  Q_OBJECT

 public:
  TEarthView(TEarthCP& model, QWidget* parent);
};

}  // namespace wavora
