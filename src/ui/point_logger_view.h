#pragma once

#include "ui/tool_panel_view.h"

class QToolButton;

namespace wavora {

class TPointLoggerCP;

// The paper-tape logger's panel: a strip with the record, stop and clear buttons at the left, and
// the tape's box filling the rest.
class TPointLoggerView : public TToolPanelView {
  Q_OBJECT

 public:
  TPointLoggerView(TPointLoggerCP& model, QWidget* parent);

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  TPointLoggerCP& model_;  // owned by the window, outlives the view
  QWidget* Panel;
  QWidget* Shape1;
  QToolButton* RecButton;
  QToolButton* StopButton;
  QToolButton* ClearButton;
};

}  // namespace wavora
