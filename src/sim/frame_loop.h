#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace wavora {

class TControlPanelTool;
class TFastDIB;
class TWater;

// A name = value row of the debug panel.
struct TDebugRow {
  std::string name;
  std::string value;
  friend bool operator==(const TDebugRow&, const TDebugRow&) = default;
};

// The state of the snap and delete buttons for the selected object.
struct TSelectionButtons {
  bool snapEnabled = false;
  bool snapDown = false;
  bool deleteEnabled = false;
  friend bool operator==(const TSelectionButtons&, const TSelectionButtons&) = default;
};

// What the window has to show after a frame.
struct TFrameOutcome {
  // The image differs from the one shown and must be shown again. A frozen tank's redraw that gives
  // the same picture is not sent to the screen again, so a paused program stays almost idle.
  bool imageChanged = false;
  // The tool whose panel is shown and updated this frame; none: the info sheet is shown.
  TControlPanelTool* activePanelTool = nullptr;
  TSelectionButtons buttons;
  // Filled when statistics were taken this frame (only while the debug panel is visible).
  std::vector<TDebugRow> statistics;
};

// The frame loop: each frame steps the current tank once (five times in fast mode) while writing the
// tank image, or, while the field is frozen, redraws it every third frame; then works out which
// panel and buttons the window shows, and keeps the statistics of the debug panel. The window only
// calls RunFrame from a 16 ms timer and shows the image.
class TFrameLoop {
 public:
  static constexpr int kTimerIntervalMs = 16;

  // The millisecond clock; replaceable for tests.
  std::function<int64_t()> TickCount;

  TFrameLoop();

  TFrameOutcome RunFrame(TWater* tank, TFastDIB& image, bool debugVisible);
  // The tank's picture without a step, with the overlay the view settings ask for: a frozen field, or
  // a slide shown before it ran.
  void DrawStill(TWater& tank, TFastDIB& image) const;

  bool paused = false;
  bool fast = false;
  bool mouseIsDown = false;
  // Objects and tools draw with a bolder pen (lines and arcs kHighContrastPen wide, handles larger
  // and rimmed), for users who see the tank less well.
  bool highContrast = false;
  static constexpr int kHighContrastPen = 2;
  // What physics predicts for the experiment is drawn over the tank picture (a view setting: it
  // changes no file, and with it off the picture is as without it).
  bool theory = false;
  // Frames per second at the last statistics taken while running; the speed read-out uses it.
  float FrameRate() const { return frameRate_; }

 private:
  bool FieldFrozen(const TWater& tank) const;
  // Whether a frozen redraw differs from the last frozen picture reported (kept below).
  bool FrozenImageChanged(const TFastDIB& image);
  std::vector<TDebugRow> TakeStatistics(const TWater* tank, int64_t now);

  int32_t idleFrames_ = 0;
  int32_t frameCount_ = 0;
  int32_t drawCount_ = 0;
  int64_t busyMs_ = 0;
  std::optional<int64_t> lastStatisticsMs_;  // from the first frame on
  float frameRate_ = 0;
  float cpuUsage_ = 0;
  std::vector<uint8_t> shownFrozenImage_;  // empty after a running frame
};

// The debug panel's read-outs for the pointer at image position (X, Y): "Speed", "Displacement", "n".
std::vector<TDebugRow> PointerReadouts(const TWater& tank, int32_t X, int32_t Y, float frameRate);

// The contrast slider (0 .. 100) and the tank's Exposure: (100 - position + 1) / 20, and back.
float ExposureFromSliderPosition(int position);
int SliderPositionFromExposure(float exposure);

// The four display shapes, by the tag of their menu entry, and where the tank display then sits,
// centred on its 417 x 417 frame at (208, 18).
struct TDisplayShape {
  int width;
  int height;
};
TDisplayShape DisplayShapeOfTag(int tag);
struct TBoxPlacement {
  int left;
  int top;
  friend bool operator==(const TBoxPlacement&, const TBoxPlacement&) = default;
};
TBoxPlacement CentreOnTankFrame(TDisplayShape shape);

}  // namespace wavora
