#pragma once

#include <string>
#include <vector>

#include "image/fast_dib.h"
#include "sim/control_panel_model.h"
#include "sim/pointer.h"

namespace wavora {

class TControlPanelTool;

// An entry of a tool panel's popup menu as it opens; an entry without a name is a separator.
struct TPanelMenuEntry {
  std::string name;
  std::string caption;
  int tag = 0;
  bool checked = false;
  TPanelCommand command = TPanelCommand::Setting;
};

// The model of a measuring tool's panel: the off-screen image its tool draws into, the box the view
// shows it in, and the mouse over that box. It refers to its tool without owning it; the window
// destroys panels before their tank.
class TBaseCPFrame : public TControlPanelModel {
 public:
  // Size of a panel at design time; most panels fill the area the window gives them.
  static constexpr int kDesignWidth = 417;
  static constexpr int kDesignHeight = 167;

  explicit TBaseCPFrame(TControlPanelTool& tool) : tool_(tool) {}

  TControlPanelTool& Tool() const { return tool_; }

  // The view's box; the image takes this size when next used.
  void SetBoxSize(int width, int height);
  int BoxWidth() const { return boxWidth_; }
  int BoxHeight() const { return boxHeight_; }

  // The off-screen image, created at the box size on first use.
  virtual TFastDIB* SnapshotImage();
  // Brings the image up to date when the tool is not the active panel tool (whose panel the frame
  // loop updates anyway), before the window draws it elsewhere.
  virtual void RefreshPanel();

  virtual void BoxMouseDown(int x, int y) { lastMouse_ = {x, y}; }
  virtual void BoxMouseUp(int x, int y) { lastMouse_ = {x, y}; }
  virtual void BoxMouseMove(int x, int y) { lastMouse_ = {x, y}; }
  TPoint LastMouse() const { return lastMouse_; }

  // The popup menu's entries as it would open now, captions from the string table and the current
  // settings checked: the snapshot and data commands, then the panel's own settings.
  virtual std::vector<TPanelMenuEntry> MenuEntries() const;
  // The popup menu opens: the entries, after what opening it does to the panel.
  virtual std::vector<TPanelMenuEntry> PopupMenu1Popup() { return MenuEntries(); }
  // A setting entry of the popup menu was chosen.
  virtual void PopupMenuClick(const TPanelMenuEntry&) {}
  // What the box shows: the image, plus what a panel paints over it without changing the image.
  virtual const TFastDIB& BoxPicture() { return *SnapshotImage(); }

  // The picture for saving or copying: panels that draw a cursor redraw without it first.
  const TFastDIB& SnapshotPicture();
  // What a snapshot entry of the popup menu saves or copies: the SnapshotPicture unless the panel
  // offers other pictures.
  virtual const TFastDIB& CommandPicture(const TPanelMenuEntry&) { return SnapshotPicture(); }
  // Saves SnapshotPicture as BMP or JPEG by the name's extension.
  void SaveSnapshot(const std::string& fileName);

 protected:
  // Redraws the image without the panel's cursor; panels without one need not override.
  virtual void HideCursor() {}

  // The menu entries, separators folded into the entry after them.
  std::vector<TPanelControl> OwnControls() const override;
  // Chooses a menu entry as the view does.
  TChangeResult ApplyChange(const TPanelControl& control, int32_t value) override;

 private:
  TControlPanelTool& tool_;
  TFastDIB image_;
  int boxWidth_ = kDesignWidth;
  int boxHeight_ = kDesignHeight;
  TPoint lastMouse_;
};

}  // namespace wavora
