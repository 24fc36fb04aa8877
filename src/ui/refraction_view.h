#pragma once

#include "ui/mode_buttons_view.h"

namespace wavora {

class TRefractionCP;

// The two quick modes and "Accurate", with the refractive-index panel below.
class TRefractionView : public TModeButtonsView {
  Q_OBJECT

 public:
  TRefractionView(TRefractionCP& model, QWidget* parent);
};

}  // namespace wavora
