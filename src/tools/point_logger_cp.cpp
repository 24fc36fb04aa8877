#include "tools/point_logger_cp.h"

#include "sim/resource_strings.h"
#include "tools/panel_menu_entries.h"
#include "tools/point_logger_tool.h"

namespace wavora {

TPointLoggerCP::TPointLoggerCP(TPointLoggerTool& tool)
    : TBaseCPFrame(tool), logger_(tool), gain_(tool.GetGain()) {}

bool TPointLoggerCP::RecButtonDown() const {
  return logger_.Recording();
}

void TPointLoggerCP::RecButtonClick() {
  logger_.SetRecording(true);
}

void TPointLoggerCP::StopButtonClick() {
  logger_.SetRecording(false);
}

void TPointLoggerCP::ClearButtonClick() {
  logger_.Clear();
}

void TPointLoggerCP::BoxMouseDown(int x, int y) {
  TBaseCPFrame::BoxMouseDown(x, y);
  if (!logger_.Recording() || mayDrag_) dragging_ = true;
}

void TPointLoggerCP::BoxMouseMove(int x, int y) {
  if (!dragging_) return;
  // Dragging the paper back to the left brings older trace into view.
  logger_.ScrollTo(logger_.ScrollOffset() - (x - LastMouse().x), BoxWidth());
  TBaseCPFrame::BoxMouseMove(x, y);
  logger_.UpdateControlPanel(*this);
}

void TPointLoggerCP::BoxMouseUp(int x, int y) {
  TBaseCPFrame::BoxMouseUp(x, y);
  dragging_ = false;
}

std::vector<TPanelMenuEntry> TPointLoggerCP::MenuEntries() const {
  std::vector<TPanelMenuEntry> entries = TBaseCPFrame::MenuEntries();
  // The tape's own entries follow the panel's snapshot entries of the same kind.
  const auto after = [&entries](const char* name, TPanelMenuEntry entry) {
    for (auto it = entries.begin(); it != entries.end(); ++it) {
      if (it->name == name) {
        entries.insert(it + 1, std::move(entry));
        return;
      }
    }
  };
  after("SaveSnapshot1",
        {"SavePaperTape1", std::string(rs::SavePaperTape), 0, false, TPanelCommand::SaveSnapshot});
  after("CopySnapshot1",
        {"CopyPaperTape1", std::string(rs::CopyPaperTape), 0, false, TPanelCommand::CopySnapshot});
  const std::vector<TPanelMenuEntry> gains = GainEntries(gain_, false);
  entries.insert(entries.end(), gains.begin(), gains.end());
  return entries;
}

void TPointLoggerCP::PopupMenuClick(const TPanelMenuEntry& entry) {
  if (IsGainEntry(entry)) NoGain1Click(entry.tag);
}

void TPointLoggerCP::NoGain1Click(int tag) {
  logger_.SetGain(tag);
  gain_ = logger_.GetGain();
}

const TFastDIB& TPointLoggerCP::CommandPicture(const TPanelMenuEntry& entry) {
  if (!entry.name.ends_with("PaperTape1")) return TBaseCPFrame::CommandPicture(entry);
  unrolled_ = logger_.Tape().Unrolled();
  return unrolled_;
}

std::vector<TPanelControl> TPointLoggerCP::OwnControls() const {
  std::vector<TPanelControl> controls = {ToggleControl("RecButton", {}, rs::Record, RecButtonDown()),
                                         ToggleControl("StopButton", {}, rs::Stop, !RecButtonDown()),
                                         ButtonControl("ClearButton", {}, rs::ClearTape)};
  std::vector<TPanelControl> entries = TBaseCPFrame::OwnControls();
  controls.insert(controls.end(), entries.begin(), entries.end());
  return controls;
}

TChangeResult TPointLoggerCP::ApplyChange(const TPanelControl& control, int32_t value) {
  if (control.id == "RecButton") {
    RecButtonClick();
  } else if (control.id == "StopButton") {
    StopButtonClick();
  } else if (control.id == "ClearButton") {
    ClearButtonClick();
  } else {
    return TBaseCPFrame::ApplyChange(control, value);
  }
  return TChangeResult::Done;
}

}  // namespace wavora
