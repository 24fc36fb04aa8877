#pragma once

#include <vector>

#include "sim/tool_panel.h"

namespace wavora {

class TPointLoggerTool;

// The paper-tape logger's panel: the record, stop and clear buttons on a strip at the left, and the
// box showing the tape at the pen, which can be dragged back to older trace while recording is
// stopped or the tank stands still.
class TPointLoggerCP : public TBaseCPFrame {
 public:
  // Width of the button strip left of the box, pixels.
  static constexpr int kStripWidth = 34;

  explicit TPointLoggerCP(TPointLoggerTool& tool);

  TPointLoggerTool& Logger() const { return logger_; }
  int Gain() const { return gain_; }
  // RecButton and StopButton form one radio group; RecButton is down while the tool records.
  bool RecButtonDown() const;
  void RecButtonClick();
  void StopButtonClick();
  void ClearButtonClick();

  bool Dragging() const { return dragging_; }
  bool MayDrag() const { return mayDrag_; }
  void SetMayDrag(bool value) { mayDrag_ = value; }

  void BoxMouseDown(int x, int y) override;
  void BoxMouseMove(int x, int y) override;
  void BoxMouseUp(int x, int y) override;

  std::vector<TPanelMenuEntry> MenuEntries() const override;
  void PopupMenuClick(const TPanelMenuEntry& entry) override;
  // NoGain1Click: the gain goes to the panel and to the tool.
  void NoGain1Click(int tag);
  // The paper-tape entries picture the whole tape unrolled; the others the panel.
  const TFastDIB& CommandPicture(const TPanelMenuEntry& entry) override;

 protected:
  // The three buttons, then the menu entries.
  std::vector<TPanelControl> OwnControls() const override;
  TChangeResult ApplyChange(const TPanelControl& control, int32_t value) override;

 private:
  TPointLoggerTool& logger_;
  int gain_;
  bool dragging_ = false;
  bool mayDrag_ = false;
  TFastDIB unrolled_;
};

}  // namespace wavora
