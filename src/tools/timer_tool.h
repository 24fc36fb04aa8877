#pragma once

#include <string>

#include "sim/scene_drawing.h"
#include "sim/tool.h"

namespace wavora {

// A stopwatch label in the tank showing MM:SS.CC of time during which the tank was stepping while
// the stopwatch ran. Clicking the label starts or stops it; clicking its right end (the red dot)
// resets it. Times are ticks of StopwatchClock.
class TTimerTool : public TBaseTool {
 public:
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  void Init() override;
  int32_t HandleKind() const override { return 1; }
  bool HitBody(int32_t x, int32_t y) const override;
  void MouseDown(TMouseButton button, TShiftState shift, bool& handled, int32_t X, int32_t Y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int32_t X, int32_t Y) override;
  void AfterStep() override;
  void Draw(TFastDIB& image) override;
  void Reset() override;
  std::vector<TToolReading> Readings() const override;
  std::string ReadOut() const override;

  int32_t GetStartTime() const { return startTime_; }
  void SetStartTime(int32_t value) { startTime_ = value; }
  int32_t GetLastKnownOnTime() const { return lastKnownOnTime_; }
  void SetLastKnownOnTime(int32_t value) { lastKnownOnTime_ = value; }
  int32_t GetAccumulatedTime() const { return accumulatedTime_; }
  void SetAccumulatedTime(int32_t value) { accumulatedTime_ = value; }
  bool GetTurnedOff() const { return turnedOff_; }
  void SetTurnedOff(bool value) { turnedOff_ = value; }
  // Always saved as true, so the first step after loading restarts the running stretch from then.
  bool GetIsFrozen() const { return true; }
  void SetIsFrozen(bool value) { frozen_ = value; }

  // LastKnownOnTime - StartTime + AccumulatedTime in milliseconds. The stretch is taken modulo 2^32,
  // so a wrap of the tick count between its ends is harmless; a stretch that ends before it starts
  // and a negative total count as nothing.
  int64_t ElapsedMs() const;
  // Where the label was drawn last, image rows from the top.
  const TLabelBox& LabelBox() const { return label_; }
  // MM:SS.CC, the minutes wrapping at 100.
  static std::string TimeText(int64_t elapsedMs);

 private:
  static int64_t Stretch(int32_t from, int32_t to);
  static int32_t Now();

  TLabelBox label_;
  int32_t startTime_ = 0;
  int32_t lastKnownOnTime_ = 0;
  bool stepped_ = false;
  bool frozen_ = false;
  int32_t accumulatedTime_ = 0;
  TPoint press_;
  bool pressed_ = false;
  bool turnedOff_ = true;
};

}  // namespace wavora
