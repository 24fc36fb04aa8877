#pragma once

#include <functional>
#include <vector>

#include "sim/frame_loop.h"
#include "ui/window_frames.h"

class QTableWidget;

namespace wavora {

// The panel that the "-debug" switch offers: the frame rate, the CPU's share, the field under the
// pointer and a fast-forward switch. A press on it hides it again.
class TDebugPanel : public TPanelFrame {
 public:
  // toggle: the button that shows and hides the panel (not owned); fastForward: flips fast mode.
  TDebugPanel(QWidget* parent, TCustomSpeedButton& toggle, std::function<void()> fastForward);

  // The panel follows its button.
  void FollowToggle();
  // Rows by name: a known name gets its new value, an unknown one a new row.
  void SetRows(const std::vector<TDebugRow>& rows);
  // As a click on the fast-forward switch (the presentation's key for it).
  void PressFastForward();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  TCustomSpeedButton& toggle_;
  QTableWidget* DataList;
  TCustomSpeedButton* Button1;
};

}  // namespace wavora
