#pragma once

#include <QWidget>

class QLabel;

namespace wavora {

class TCustomTrackBar;
class TFiberControlPanel;

// The fibre's panel: its width on a slider with the readout, over the refractive-index panel of the
// cladding.
class TFiberView : public QWidget {
  Q_OBJECT

 public:
  TFiberView(TFiberControlPanel& model, QWidget* parent);

 private:
  TFiberControlPanel& model_;  // owned by the window, outlives the view
  QLabel* WidthLabel;
  TCustomTrackBar* WidthSlider;
};

}  // namespace wavora
