#pragma once

#include <QWidget>

namespace wavora {

class TSlitsControlPanel;

// The slits' panel: number, width and spacing, each a caption, a readout and a track bar.
class TSlitsView : public QWidget {
  Q_OBJECT

 public:
  TSlitsView(TSlitsControlPanel& model, QWidget* parent);

 private:
  TSlitsControlPanel& model_;  // owned by the window, outlives the view
};

}  // namespace wavora
