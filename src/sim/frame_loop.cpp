#include "sim/frame_loop.h"

#include <algorithm>
#include <chrono>
#include <cmath>

#include "image/fast_dib.h"
#include "sim/control_panel_tool.h"
#include "sim/resource_strings.h"
#include "sim/theory_drawing.h"
#include "sim/water.h"

namespace wavora {

namespace {

// The first panel tool of the tank marked as the active one.
TControlPanelTool* ActivePanelTool(const TWater& tank) {
  for (int i = 0; i < tank.GetChildCount(); ++i) {
    const TRef<TControlPanelTool> tool = RefCast<TControlPanelTool>(tank.GetChildren(i));
    if (tool && tool->GetActiveCPTool()) return tool.Get();
  }
  return nullptr;
}

// The last selected control decides: snap follows its setting, delete its kind.
TSelectionButtons SelectionButtons(const TWater& tank) {
  TSelectionButtons buttons;
  for (int i = 0; i < tank.GetChildCount(); ++i) {
    const TRef<TBaseControl> control = RefCast<TBaseControl>(tank.GetChildren(i));
    if (!control || !control->GetActiveTool()) continue;
    buttons.snapDown = control->GetSnapToGrid();
    buttons.snapEnabled = control->HasHandles();
    buttons.deleteEnabled = control->CanBeDeleted();
  }
  return buttons;
}

}  // namespace

TFrameLoop::TFrameLoop() {
  TickCount = [] {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
  };
}

bool TFrameLoop::FrozenImageChanged(const TFastDIB& image) {
  const uint8_t* bits = image.Bits();
  const size_t size = static_cast<size_t>(image.BytesPerRow()) * static_cast<size_t>(image.Height());
  if (shownFrozenImage_.size() == size && std::equal(bits, bits + size, shownFrozenImage_.begin()))
    return false;
  shownFrozenImage_.assign(bits, bits + size);
  return true;
}

void TFrameLoop::DrawStill(TWater& tank, TFastDIB& image) const {
  tank.DrawOnly(image);
  if (theory) DrawTheory(tank, image);
}

bool TFrameLoop::FieldFrozen(const TWater& tank) const {
  return paused || (mouseIsDown && tank.FrozenByDrag());
}

TFrameOutcome TFrameLoop::RunFrame(TWater* tank, TFastDIB& image, bool debugVisible) {
  const int64_t start = TickCount();
  if (!lastStatisticsMs_) lastStatisticsMs_ = start;
  TFrameOutcome outcome;
  image.SetPenWidth(highContrast ? kHighContrastPen : 1);
  if (!tank) {
    // After a few frames without a tank, a neutral backdrop replaces the last picture.
    if (++idleFrames_ > 10) {
      const TColour white = RGB(255, 255, 255);
      image.GradientFill(1, 1, image.Width() - 1, image.Height() - 1, white, white, white,
                         RGB(200, 200, 200));
      outcome.imageChanged = true;
      shownFrozenImage_.clear();
    }
  } else if (!FieldFrozen(*tank)) {
    if (fast) {
      for (int i = 0; i < 4; ++i)
        tank->Step();
    }
    tank->StepAndDraw(image);
    if (theory) DrawTheory(*tank, image);
    ++drawCount_;
    outcome.imageChanged = true;
    shownFrozenImage_.clear();
  } else if (++idleFrames_ > 2) {
    // Frozen: redrawn every third frame so dragged objects still move on screen.
    DrawStill(*tank, image);
    ++drawCount_;
    idleFrames_ = 0;
    outcome.imageChanged = FrozenImageChanged(image);
  }
  if (tank) {
    outcome.activePanelTool = ActivePanelTool(*tank);
    outcome.buttons = SelectionButtons(*tank);
  }

  ++frameCount_;
  const int64_t now = TickCount();
  busyMs_ += now - start;
  if (now - *lastStatisticsMs_ > 500 && debugVisible) outcome.statistics = TakeStatistics(tank, now);
  return outcome;
}

std::vector<TDebugRow> TFrameLoop::TakeStatistics(const TWater* tank, int64_t now) {
  const double elapsed = static_cast<double>(now - *lastStatisticsMs_);
  cpuUsage_ = static_cast<float>(100.0 * busyMs_ / elapsed);
  const double timerRate = 1000.0 * frameCount_ / elapsed;
  const double drawRate = 1000.0 * drawCount_ / elapsed;
  if (!paused) frameRate_ = static_cast<float>(timerRate);
  lastStatisticsMs_ = now;
  frameCount_ = drawCount_ = 0;
  busyMs_ = 0;
  std::vector<TDebugRow> rows = {{rs::TimerRate.Str(), ReadoutNumber(timerRate, 1)},
                                 {rs::DrawRate.Str(), ReadoutNumber(drawRate, 1)},
                                 {rs::CpuUsage.Str(), ReadoutNumber(cpuUsage_, 0) + "%"},
                                 {rs::TimerInterval.Str(), std::to_string(kTimerIntervalMs)}};
  if (tank) rows.push_back({rs::MemoryUsage.Str(), std::to_string(tank->MemoryUsage())});
  return rows;
}

std::vector<TDebugRow> PointerReadouts(const TWater& tank, int32_t X, int32_t Y, float frameRate) {
  const double q = tank.SpeedFactorAt(X, Y);
  const double h = tank.DisplacementAt(X, Y);
  return {{rs::Speed.Str(), ReadoutNumber(std::sqrt(std::max(q, 0.0)) * frameRate, 2) + "u/s"},
          {rs::Displacement.Str(), ReadoutNumber(h, 2)},
          {"n", q != 0 ? ReadoutNumber(std::sqrt(0.5 / q), 2) : std::string("-")}};
}

float ExposureFromSliderPosition(int position) {
  return static_cast<float>((100 - position + 1) / 20.0);
}

int SliderPositionFromExposure(float exposure) {
  // Kept on the slider whatever a file set the exposure to.
  const double position = 100 - std::nearbyint(20.0 * exposure - 1);
  return static_cast<int>(std::clamp(position, 0.0, 100.0));
}

TDisplayShape DisplayShapeOfTag(int tag) {
  switch (tag) {
    case 1:
      return {250, 250};
    case 2:
      return {401, 250};
    case 3:
      return {250, 401};
    default:
      return {401, 401};
  }
}

TBoxPlacement CentreOnTankFrame(TDisplayShape shape) {
  constexpr int kFrameLeft = 208, kFrameTop = 18, kFrameSize = 417;
  return {kFrameLeft - (shape.width - kFrameSize) / 2, kFrameTop - (shape.height - kFrameSize) / 2};
}

}  // namespace wavora
