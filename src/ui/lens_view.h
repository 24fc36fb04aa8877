#pragma once

#include <QWidget>

namespace wavora {

class TCustomSpeedButton;
class TLensControlpanel;

// The lens's panel: the convex and concave buttons with their captions, and the refractive-index
// panel under them.
class TLensView : public QWidget {
  Q_OBJECT

 public:
  TLensView(TLensControlpanel& model, QWidget* parent);

 private:
  TLensControlpanel& model_;  // owned by the window, outlives the view
  TCustomSpeedButton* Type0;
  TCustomSpeedButton* Type1;
};

}  // namespace wavora
