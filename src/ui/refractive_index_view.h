#pragma once

#include <QWidget>

class QLabel;

namespace wavora {

class TCustomTrackBar;
class TRefractiveIndexCP;

// The refractive-index panel: a caption, the index as a value, an eleven-step slider and the media
// named under it.
class TRefractiveIndexView : public QWidget {
  Q_OBJECT

 public:
  TRefractiveIndexView(TRefractiveIndexCP& model, QWidget* parent);

 private:
  TRefractiveIndexCP& model_;  // owned by the window, outlives the view
  TCustomTrackBar* RfIndex;
  QLabel* RefractiveIndexLabel;
};

}  // namespace wavora
