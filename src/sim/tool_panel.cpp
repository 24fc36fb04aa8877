#include "sim/tool_panel.h"

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

std::vector<TPanelMenuEntry> TBaseCPFrame::PopupMenu1Popup() {
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

}  // namespace wavora
