#pragma once

#include "ui/mode_buttons_view.h"

namespace wavora {

class TPlaneMirrorCP;

// "Mirror" over "Quick" and "Accurate".
class TPlaneMirrorView : public TModeButtonsView {
  Q_OBJECT

 public:
  TPlaneMirrorView(TPlaneMirrorCP& model, QWidget* parent);
};

}  // namespace wavora
