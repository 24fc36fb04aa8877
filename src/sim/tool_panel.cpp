#include "sim/tool_panel.h"

#include <utility>

#include "image/snapshot_file.h"
#include "sim/control_panel_tool.h"
#include "sim/resource_strings.h"

namespace wavora {

void TBaseCPFrame::SetBoxSize(int width, int height) {
  boxWidth_ = std::max(width, 0);
  boxHeight_ = std::max(height, 0);
}

TFastDIB* TBaseCPFrame::SnapshotImage() {
  if (image_.Width() != boxWidth_ || image_.Height() != boxHeight_) image_.SetSize(boxWidth_, boxHeight_);
  return &image_;
}

void TBaseCPFrame::RefreshPanel() {
  if (!tool_.GetActiveCPTool()) tool_.UpdateControlPanel(*this);
}

std::vector<TPanelMenuEntry> TBaseCPFrame::MenuEntries() const {
  return {{"SaveSnapshot1", std::string(rs::SaveSnapshot), 0, false, TPanelCommand::SaveSnapshot},
          {"CopySnapshot1", std::string(rs::CopySnapshot), 0, false, TPanelCommand::CopySnapshot},
          {"SaveData1", std::string(rs::SaveData), 0, false, TPanelCommand::SaveData},
          {"CopyData1", std::string(rs::CopyData), 0, false, TPanelCommand::CopyData}};
}

const TFastDIB& TBaseCPFrame::SnapshotPicture() {
  HideCursor();
  return *SnapshotImage();
}

void TBaseCPFrame::SaveSnapshot(const std::string& fileName) {
  SaveSnapshotFile(SnapshotPicture(), fileName);
}

std::vector<TPanelControl> TBaseCPFrame::OwnControls() const {
  std::vector<TPanelControl> controls;
  bool separated = false;
  for (const TPanelMenuEntry& entry : MenuEntries()) {
    if (entry.name.empty()) {
      separated = true;
      continue;
    }
    TPanelControl control;
    control.id = entry.name;
    control.kind = TControlKind::MenuEntry;
    control.caption = entry.caption;
    control.toggle = entry.command == TPanelCommand::Setting;
    control.value = entry.checked ? 1 : 0;
    control.command = entry.command;
    control.separated = std::exchange(separated, false);
    controls.push_back(std::move(control));
  }
  return controls;
}

TChangeResult TBaseCPFrame::ApplyChange(const TPanelControl& control, int32_t) {
  for (const TPanelMenuEntry& entry : MenuEntries()) {
    if (entry.name != control.id) continue;
    if (entry.command != TPanelCommand::Setting) return TChangeResult::ShellCommand;
    PopupMenuClick(entry);
    return TChangeResult::Done;
  }
  return TChangeResult::UnknownControl;
}

}  // namespace wavora
