#pragma once

#include "ui/mode_buttons_view.h"

namespace wavora {

class TCurvedMirrorCP;

// "Circular Shape" and "Parabolic Shape", each over its quick and accurate buttons.
class TCurvedMirrorView : public TModeButtonsView {
  Q_OBJECT

 public:
  TCurvedMirrorView(TCurvedMirrorCP& model, QWidget* parent);
};

}  // namespace wavora
