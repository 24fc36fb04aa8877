#pragma once

#include <memory>
#include <vector>

#include "image/fast_dib.h"
#include "sim/frame_loop.h"
#include "sim/water.h"
#include "tools/tick_clock.h"

namespace wavora {

class TBaseCPFrame;
class TControlPanelTool;

// The area below the tank that a tool's panel fills in the window.
inline constexpr int kToolPanelWidth = 417;
inline constexpr int kToolPanelHeight = 169;

// The stopwatches' clock for runs without a window, set while it lives (one at a time: the clock is the
// program's): it advances by the window's frame period each frame, so a stopwatch shows the time the
// slide would have run in the window. Made before the slides are read, as stopwatches that run from
// the start read the clock then.
class TRunClock {
 public:
  TRunClock() { SetStopwatchClock(&clock_); }
  ~TRunClock() { SetStopwatchClock(nullptr); }
  TRunClock(const TRunClock&) = delete;
  TRunClock& operator=(const TRunClock&) = delete;
  void NextFrame() { clock_.Advance(TFrameLoop::kTimerIntervalMs); }

 private:
  TManualTickClock clock_;
};

// One slide run without a window, as the window runs it: the frame loop steps its tank and draws the
// tank picture, and the panels of its panel tools are made at the given size before the first step
// (so each line tool samples at its panel's width and the tape has its size from the start), the
// active one brought up to date after every frame.
class TSlideRun {
 public:
  TSlideRun(TRunClock& clock, const TRef<TWater>& water, int panelWidth, int panelHeight, bool fast);
  ~TSlideRun();
  TSlideRun(const TSlideRun&) = delete;
  TSlideRun& operator=(const TSlideRun&) = delete;

  // The panel of the first tool marked as the active panel tool, or none.
  TBaseCPFrame* ActivePanel() const;
  void RunFrame();
  // The theory overlay over the tank picture from now on.
  void ShowTheory(bool on) { loop_.theory = on; }
  // After the last frame: draws the tank when no frame ran, and brings every panel up to date.
  void Finish();
  // The tank picture after the last frame (or Finish).
  const TFastDIB& Picture() const { return image_; }

 private:
  struct TToolPanel {
    TControlPanelTool* tool;
    std::unique_ptr<TBaseCPFrame> panel;
  };
  TBaseCPFrame* PanelOf(const TControlPanelTool* tool) const;
  void UpdatePanel(TControlPanelTool* tool);

  TRunClock& clock_;
  TRef<TWater> water_;
  TFrameLoop loop_;
  TFastDIB image_;
  std::vector<TToolPanel> panels_;
  long frames_ = 0;
};

}  // namespace wavora
