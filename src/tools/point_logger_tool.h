#pragma once

#include "tools/paper_tape.h"
#include "tools/point_tool.h"

namespace wavora {

class TPointLoggerCP;

// Logs the displacement at one point as a pen trace on a paper tape five panel widths long. The
// pen writes near the panel's left edge and the paper moves right, 16 ms of tank time per step and
// 10 ms per tape column, so the newest trace is at the left.
class TPointLoggerTool : public TPointTool {
 public:
  static constexpr int kStepMs = 16;
  static constexpr int kColumnMs = 10;

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  void Init() override;
  // Its tape is a record of the field's time, so the field stands while the logger is dragged.
  bool FreezesFieldWhileDragged(const TWater&) const override { return true; }
  // The tape is cleared with the tank.
  void Reset() override { Clear(); }
  std::unique_ptr<TControlPanelModel> CreateControlPanel() override;
  void UpdateControlPanel(TBaseCPFrame& panel) override;
  // The logged displacements the tape still shows, in mm, oldest first, against their time in ms.
  std::vector<TToolReading> Readings() const override;

  // 1, 2, 4, 8 or 16; any other value restores 1.
  int32_t GetGain() const { return gain_; }
  void SetGain(int32_t value);

  bool Recording() const { return recording_; }
  // Starting or stopping puts the view back on the pen.
  void SetRecording(bool recording);
  // ClearButtonClick: blank tape, clocks at 0, view on the pen. It takes the place of the node's
  // Clear, which would remove children, and the logger has none.
  void Clear() override;

  const TPaperTape& Tape() const { return tape_; }
  int ScrollOffset() const { return scrollOffset_; }
  // Columns the view is moved back into older trace, within 0 ... tape width - view width.
  void ScrollTo(int offset, int viewWidth);
  bool Stepped() const { return stepped_; }
  int ColumnClock() const { return columnClock_; }
  int StepClock() const { return stepClock_; }

 protected:
  // Written to the tape while recording and not dragged; nothing happens before the panel gave the
  // tape its size.
  void Sample(float displacement) override;

 private:
  void Record(float sample);
  void DrawView(TFastDIB& image) const;

  bool stepped_ = false;
  TPaperTape tape_;
  bool recording_ = true;
  int32_t gain_ = 1;
  int scrollOffset_ = 0;
  float previousSample_ = 0;
  int columnClock_ = 0;
  int stepClock_ = 0;
};

}  // namespace wavora
