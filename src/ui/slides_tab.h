#pragma once

#include <QElapsedTimer>
#include <QImage>
#include <functional>
#include <vector>

#include "document/water_collection.h"
#include "image/fast_dib.h"
#include "ui/window_frames.h"

namespace wavora {

class IMessageSink;
class TCustomBitBtn;
class TScrollerList;
class TWater;

// The "Slides" tab: the slideshow menu button, the buttons that add and delete a slide, and the list
// of slides with their names, descriptions and thumbnails, reordered by dragging. The running slide's
// thumbnail follows the tank picture a few times a second.
class TSlidesTab : public TPanelFrame {
 public:
  // What the tab works on; nothing here is owned.
  struct TLinks {
    const TRef<TSlideshow>& document;  // the window's document, which opening a file replaces
    const TFastDIB& tankImage;         // the running tank's picture
    std::function<bool()> framesRunning;
    IMessageSink& messages;
    std::function<void()> chosen;  // a slide was chosen: the window shows it
    // The slideshow menu button was pressed: the menu opens at place (global coordinates).
    std::function<void(const QPoint& place)> openMenu;
  };
  TSlidesTab(QWidget* parent, const QRect& geometry, TLinks links);

  // Lists the document's slides anew and selects the active one.
  void RebuildSlideList();
  // Lists a document that replaced the last one; no slide of it has been shown yet.
  void ShowDocument();
  void RebuildThumbnails();
  // The slide shown until now (its identifier, 0 for none), and its thumbnail remade as it is left.
  int32_t ShownID() const { return shownID_; }
  void LeaveShown();
  // The selected slide's identifier, 0 for none; its place in the list, -1 for none.
  int32_t SelectedID() const;
  int SelectedIndex() const;
  // The selected slide is now shown: its thumbnail and the delete button follow it.
  void ShowSelected();
  // Moves the selection by step slides, as far as the list goes, and lets the window show it.
  void Step(int step);
  // The slide's item shows its new name and description.
  void RefreshSlideItem(const TWater& tank);
  // The tab came to the front: the selected slide is in view and its thumbnail current.
  void Reveal();
  // Once a frame while the tab is up: imageChanged, the tank picture changed this frame.
  void FollowFrame(bool imageChanged);

  // Commands behind the tab's controls.
  void NewSlideBtnClick();
  void RemoveMapButtonClick();
  void SlideListMoveListItem(int fromIndex, int toIndex);

 private:
  void UpdateSlideThumbnail(int index);

  TLinks links_;
  int32_t shownID_ = 0;
  TFastDIB thumbnailImage_;  // scratch image for drawing slides
  std::vector<QImage> slideThumbnails_;
  // Since the running slide's thumbnail was last remade, and whether the tank picture changed since.
  QElapsedTimer thumbnailAge_;
  bool thumbnailStale_ = false;

  TCustomBitBtn* SlideShowModeBtn;
  TCustomSpeedButton* NewSlideBtn;
  TCustomSpeedButton* DeleteSlideBtn;
  TScrollerList* SlideList;
};

}  // namespace wavora
