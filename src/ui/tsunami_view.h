#pragma once

#include "ui/mode_buttons_view.h"

namespace wavora {

class TTsunamiCP;

// The tsunami's panel: the Indian Ocean and Atlantic buttons with their captions.
class TTsunamiView : public TModeButtonsView {
  Q_OBJECT

 public:
  TTsunamiView(TTsunamiCP& model, QWidget* parent);
};

}  // namespace wavora
