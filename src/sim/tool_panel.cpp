#include "sim/tool_panel.h"

#include "image/snapshot_file.h"
#include "sim/control_panel_tool.h"

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

const TFastDIB& TBaseCPFrame::SnapshotPicture() {
  HideCursor();
  return *SnapshotImage();
}

void TBaseCPFrame::SaveSnapshot(const std::string& fileName) {
  SaveSnapshotFile(SnapshotPicture(), fileName);
}

}  // namespace wavora
