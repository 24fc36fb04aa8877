#include "ui/tank_keys.h"

#include <QKeyEvent>

#include "sim/base_control.h"
#include "sim/resource_strings.h"
#include "ui/reading_text.h"
#include "ui/tank_box.h"
#include "widgets/qt_text.h"

namespace wavora {

namespace {

constexpr int kShiftCells = 10;

}  // namespace

TTankKeys::TTankKeys(TTankBox& box, TLinks links) : QObject(&box), box_(box), links_(std::move(links)) {
  box_.setFocusPolicy(Qt::StrongFocus);
  box_.setAccessibleName(QtText(rs::TankName));
  box_.setAccessibleDescription(QtText(rs::TankDescription));
  box_.installEventFilter(this);
}

bool TTankKeys::eventFilter(QObject*, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return false;
  const auto* key = static_cast<QKeyEvent*>(event);
  const bool shift = key->modifiers().testFlag(Qt::ShiftModifier);
  if (key->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)) return false;
  const int cells = shift ? kShiftCells : 1;
  switch (key->key()) {
    case Qt::Key_N:
      Pick(shift ? -1 : 1);
      return true;
    case Qt::Key_Left:
      Nudge(-cells, 0);
      return true;
    case Qt::Key_Right:
      Nudge(cells, 0);
      return true;
    case Qt::Key_Up:
      Nudge(0, cells);
      return true;
    case Qt::Key_Down:
      Nudge(0, -cells);
      return true;
    case Qt::Key_Delete:
      links_.deleteSelected();
      return true;
    case Qt::Key_Space:
      // A held key acts once: a held Space must not flicker between frozen and running.
      if (!key->isAutoRepeat()) links_.runOrFreeze();
      return true;
    default:
      return false;
  }
}

void TTankKeys::Pick(int step) {
  const TRef<TWater> tank = links_.current();
  if (!tank) return;
  picked_ = PickNextHandle(*tank, picked_, step);
  ShowPicked(PickedHandlePlace(*tank, picked_), true);
}

void TTankKeys::Nudge(int dx, int dy) {
  const TRef<TWater> tank = links_.current();
  if (!tank || !PickedHandlePlace(*tank, picked_)) return;
  NudgePickedHandle(*tank, picked_, dx, dy);
  ShowPicked(PickedHandlePlace(*tank, picked_), true);
}

void TTankKeys::FollowFrame() {
  const TRef<TWater> tank = links_.current();
  const std::optional<THandlePlace> place = tank ? PickedHandlePlace(*tank, picked_) : std::nullopt;
  const bool gone = picked_.handle >= 0 && !place;
  if (gone) picked_ = {};
  ShowPicked(place, gone);
}

void TTankKeys::ShowPicked(const std::optional<THandlePlace>& place, bool announce) {
  // The tank's objects share its grid: the object's height is the image's.
  box_.SetPickedPixel(
      place ? std::optional<QPoint>(QPoint(place->cell.x, place->object->H() - 1 - place->cell.y))
            : std::nullopt);
  if (announce) box_.setAccessibleName(place ? Announcement(*place) : QtText(rs::TankName));
}

QString TTankKeys::Announcement(const THandlePlace& place) const {
  return QtText(rs::PickedHandle)
      .arg(NameWithReading(*place.object))
      .arg(picked_.handle + 1)
      .arg(place.count)
      .arg(place.cell.x)
      .arg(place.cell.y);
}

}  // namespace wavora
