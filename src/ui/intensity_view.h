#pragma once

#include "ui/tool_panel_view.h"

class QLabel;

namespace wavora {

class TIntensityToolFrame;

// The intensity panel: the tool panel with the "Calculating..." label over its top-left corner.
class TIntensityView : public TToolPanelView {
  Q_OBJECT

 public:
  TIntensityView(TIntensityToolFrame& model, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  TIntensityToolFrame& model_;  // owned by the window, outlives the view
  QLabel* CalcLabel;
};

}  // namespace wavora
