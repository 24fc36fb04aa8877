#pragma once

#include <QObject>
#include <QString>
#include <functional>

#include "document/picked_handle.h"

namespace wavora {

class TTankBox;

// The tank from the keyboard: N and Shift+N pick the next or previous handle (and select its object),
// the arrow keys move the picked handle by a cell (Shift: ten), Delete and Space run the window's
// delete and freeze commands. The box rings the picked handle, and its accessible name says which
// handle it is and where, so that a screen reader speaks each pick and move.
class TTankKeys : public QObject {
 public:
  struct TLinks {
    std::function<TRef<TWater>()> current;  // the tank on show
    std::function<void()> deleteSelected;
    std::function<void()> runOrFreeze;
  };
  // box: the window's tank display, which this watches (not owned).
  TTankKeys(TTankBox& box, TLinks links);

  // Once a frame: the ring follows the handle, which the pointer or a panel may have moved, and goes
  // when its object has.
  void FollowFrame();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Pick(int step);
  void Nudge(int dx, int dy);
  // Shows the pick, found at place (none: nothing picked), on the box; with announce, its accessible
  // name tells it anew.
  void ShowPicked(const std::optional<THandlePlace>& place, bool announce);
  QString Announcement(const THandlePlace& place) const;

  TTankBox& box_;
  TLinks links_;
  TPickedHandle picked_;
};

}  // namespace wavora
