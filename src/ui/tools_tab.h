#pragma once

#include <functional>
#include <vector>

#include "document/object_list.h"
#include "sim/frame_loop.h"
#include "ui/window_frames.h"

class QMenu;

namespace wavora {

class IMessageSink;
class TCustomBitBtn;
class TExperimentMenu;
class TScrollerList;
class TToolPanels;
class TWater;
struct TListMenuEntry;

// The "Tools" tab: the menu that adds a measuring tool, the buttons that delete and snap the selected
// object, and the list of the current tank's objects (source, medium, tools) with each object's own
// popup menu.
class TToolsTab : public TPanelFrame {
 public:
  // What the tab works on; nothing here is owned.
  struct TLinks {
    std::function<TRef<TWater>()> current;  // the tank whose objects are listed
    TToolPanels& panels;
    const TExperimentMenu& experiments;  // pictures of the media
    IMessageSink& messages;
    // Called when deleting took the tank's medium away, so the window shows the tank anew.
    std::function<void(const TWater&)> mediumDeleted;
  };
  TToolsTab(QWidget* parent, const QRect& geometry, TLinks links);

  void ApplyCaptions();
  // Makes the current tank's tool panels and lists its objects.
  void FollowTank();
  // The per-frame refresh of the list: changed items, the selection and the panel pictures.
  void FollowFrame(const TWater& tank);
  void ShowSelectionButtons(const TSelectionButtons& buttons);

  // Commands behind the tab's controls.
  void ToolBoxButtonClick();
  void AddToolFromMenu(int toolIndex);
  void ObjectListClick();
  void DeleteToolBtnClick();
  void SnapToGridClick();

 private:
  void RebuildObjectList();
  QIcon ObjectPicture(const TObjectListItem& item) const;
  void ObjectListPopup(int index, const QPoint& globalPos);
  void RunListMenuEntry(const TListMenuEntry& entry);

  TLinks links_;
  // What the object list shows, item by item, and the selected object it last followed.
  std::vector<TObjectListItem> objectItems_;
  int32_t shownSelectedObjectID_ = -1;

  TCustomBitBtn* CustomSpeedButton2;
  TCustomSpeedButton* DeleteObjectBtn;
  TCustomSpeedButton* SnapToGrid;
  TScrollerList* ObjectList;
  QMenu* PopupMenu3;
  QMenu* ObjectMenu;
};

}  // namespace wavora
