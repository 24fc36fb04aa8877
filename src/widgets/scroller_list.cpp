#include "widgets/scroller_list.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>

#include "widgets/accessible_factory.h"
#include "widgets/focus_mark.h"
#include "widgets/icons.h"
#include "widgets/widget_palette.h"

namespace wavora {

namespace {

// The list as screen readers see it: a list whose value is the chosen item.
class TScrollerListAccessible : public QAccessibleWidget {
 public:
  explicit TScrollerListAccessible(TScrollerList* list) : QAccessibleWidget(list, QAccessible::List) {}
  QString text(QAccessible::Text t) const override {
    if (t != QAccessible::Value) return QAccessibleWidget::text(t);
    const auto* list = static_cast<const TScrollerList*>(widget());
    return list->SpokenText(list->SelectedIndex());
  }
};

}  // namespace

TScrollerList::TScrollerList(QWidget* parent) : QWidget(parent) {
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  // A precise timer never fires early, so the first repeat really waits its 400 ms.
  repeatTimer_.setTimerType(Qt::PreciseTimer);
  connect(&repeatTimer_, &QTimer::timeout, this, &TScrollerList::RepeatTick);
  setFocusPolicy(Qt::TabFocus);
  InstallAccessible<TScrollerList, TScrollerListAccessible>();
}

int TScrollerList::AddItem(const QString& text, int id, int height) {
  items_.push_back(TItem{text, id, height > 0 ? height : itemHeight_});
  update();
  return Count() - 1;
}

void TScrollerList::Clear() {
  StopRepeat();
  ResetPress();
  items_.clear();
  selected_ = -1;
  update();
}

QString TScrollerList::ItemText(int index) const {
  return ValidIndex(index) ? items_[index].text : QString();
}

void TScrollerList::SetItemText(int index, const QString& text) {
  if (!ValidIndex(index)) return;
  items_[index].text = text;
  RedrawItem(index);
}

int TScrollerList::ItemId(int index) const {
  return ValidIndex(index) ? items_[index].id : 0;
}

int TScrollerList::ItemHeightAt(int index) const {
  return ValidIndex(index) ? items_[index].height : 0;
}

int TScrollerList::IndexOfId(int id) const {
  auto it = std::find_if(items_.begin(), items_.end(), [id](const TItem& item) { return item.id == id; });
  return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

void TScrollerList::RedrawItem(int index) {
  if (ValidIndex(index)) update(ItemRect(index));
}

void TScrollerList::SetItemHeight(int height) {
  itemHeight_ = std::max(1, height);
}

void TScrollerList::SetSelectedIndex(int index) {
  selected_ = ValidIndex(index) ? index : -1;
  MakeVisible(selected_);
  update();
}

int TScrollerList::ContentHeight() const {
  int total = 0;
  for (const TItem& item : items_)
    total += item.height;
  return total;
}

int TScrollerList::MaxOffset() const {
  return std::max(0, ContentHeight() - height());
}

int TScrollerList::ScrollOffset() const {
  return std::clamp(offset_, 0, MaxOffset());
}

void TScrollerList::ScrollBy(int pixels) {
  const int before = ScrollOffset();
  offset_ = std::clamp(before + pixels, 0, MaxOffset());
  if (offset_ != before) update();
}

void TScrollerList::MakeVisible(int index) {
  if (!ValidIndex(index)) return;
  const int top = ItemTop(index) + ScrollOffset();
  const int bottom = top + items_[index].height;
  // Leave room for the arrow bar that stays shown over the edge the item is brought to.
  if (top < ScrollOffset()) {
    offset_ = index > 0 ? top - kArrowHeight : 0;
  } else if (bottom > ScrollOffset() + height()) {
    offset_ = index < Count() - 1 ? bottom + kArrowHeight - height() : bottom - height();
  }
  offset_ = ScrollOffset();
  update();
}

int TScrollerList::ItemTop(int index) const {
  int top = -ScrollOffset();
  for (int i = 0; i < index; ++i)
    top += items_[i].height;
  return top;
}

QRect TScrollerList::ItemRect(int index) const {
  if (!ValidIndex(index)) return {};
  return QRect(0, ItemTop(index), width(), items_[index].height);
}

int TScrollerList::IndexAt(const QPoint& pos) const {
  if (!rect().contains(pos) || ArrowAt(pos) != TArrow::None) return -1;
  int top = -ScrollOffset();
  for (int i = 0; i < Count(); ++i) {
    top += items_[i].height;
    if (pos.y() < top) return i;
  }
  return -1;
}

QRect TScrollerList::ArrowRect(TArrow arrow) const {
  switch (arrow) {
    case TArrow::Up:
      return QRect(0, 0, width(), kArrowHeight);
    case TArrow::Down:
      return QRect(0, height() - kArrowHeight, width(), kArrowHeight);
    case TArrow::None:
      break;
  }
  return {};
}

TScrollerList::TArrow TScrollerList::ArrowAt(const QPoint& pos) const {
  if (TopArrowVisible() && ArrowRect(TArrow::Up).contains(pos)) return TArrow::Up;
  if (BottomArrowVisible() && ArrowRect(TArrow::Down).contains(pos)) return TArrow::Down;
  return TArrow::None;
}

void TScrollerList::StartRepeat(TArrow arrow) {
  repeatArrow_ = arrow;
  ScrollTowards(arrow);
  if (repeatArrow_ == TArrow::None) return;
  repeatTimer_.start(kFirstRepeatMs);
}

void TScrollerList::StopRepeat() {
  repeatTimer_.stop();
  if (repeatArrow_ != TArrow::None) update();
  repeatArrow_ = TArrow::None;
}

void TScrollerList::RepeatTick() {
  ScrollTowards(repeatArrow_);
  if (repeatArrow_ != TArrow::None && repeatTimer_.interval() != kRepeatMs) repeatTimer_.start(kRepeatMs);
}

void TScrollerList::ScrollTowards(TArrow arrow) {
  ScrollBy(arrow == TArrow::Up ? -kScrollStep : kScrollStep);
  // At the end of the content the arrow disappears, and with it the pointer's reason to scroll.
  const bool shown = arrow == TArrow::Up ? TopArrowVisible() : BottomArrowVisible();
  if (!shown) StopRepeat();
  if (dragging_) update();
}

void TScrollerList::ResetPress() {
  pressIndex_ = -1;
  pressedArrow_ = TArrow::None;
  dragging_ = false;
}

void TScrollerList::MoveItem(int fromIndex, int toIndex) {
  TItem moved = std::move(items_[fromIndex]);
  items_.erase(items_.begin() + fromIndex);
  items_.insert(items_.begin() + toIndex, std::move(moved));
  // The selection stays with the item it was on.
  if (selected_ == fromIndex) {
    selected_ = toIndex;
  } else if (fromIndex < selected_ && selected_ <= toIndex) {
    --selected_;
  } else if (toIndex <= selected_ && selected_ < fromIndex) {
    ++selected_;
  }
  update();
}

void TScrollerList::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const QPoint pos = event->position().toPoint();
  ResetPress();
  const TArrow arrow = ArrowAt(pos);
  if (arrow != TArrow::None) {
    pressedArrow_ = arrow;
    StartRepeat(arrow);
    return;
  }
  pressIndex_ = IndexAt(pos);
  pressPos_ = pos;
}

void TScrollerList::TrackDrag(const QPoint& pos) {
  dragPos_ = pos;
  const TArrow arrow = ArrowAt(pos);
  if (arrow != repeatArrow_) {
    StopRepeat();
    if (arrow != TArrow::None) StartRepeat(arrow);
  }
  update();
}

void TScrollerList::mouseMoveEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  const TArrow hover = ArrowAt(pos);
  if (hover != hoverArrow_) {
    hoverArrow_ = hover;
    update();
  }
  if (pressedArrow_ != TArrow::None) {
    // Leaving the held arrow ends the scrolling for this press.
    if (hover != pressedArrow_) {
      StopRepeat();
      pressedArrow_ = TArrow::None;
    }
    return;
  }
  if (pressIndex_ < 0 || !(event->buttons() & Qt::LeftButton)) return;
  if (!dragging_ && (pos - pressPos_).manhattanLength() >= QApplication::startDragDistance()) {
    dragging_ = true;
  }
  if (dragging_) TrackDrag(pos);
}

void TScrollerList::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const QPoint pos = event->position().toPoint();
  const int fromIndex = pressIndex_;
  const bool dropped = dragging_ && dragReorder_;
  StopRepeat();
  ResetPress();
  update();
  const int index = IndexAt(pos);
  if (fromIndex < 0 || index < 0) return;
  if (dropped) {
    if (index == fromIndex) return;
    MoveItem(fromIndex, index);
    emit MoveListItem(fromIndex, index);
  } else if (index == fromIndex) {
    selected_ = index;
    update();
    emit Click(index);
  }
}

void TScrollerList::wheelEvent(QWheelEvent* event) {
  const int pixels =
      event->pixelDelta().isNull() ? event->angleDelta().y() * kWheelStep / 120 : event->pixelDelta().y();
  ScrollBy(-pixels);
  if (dragging_) TrackDrag(dragPos_);
  event->accept();
}

void TScrollerList::leaveEvent(QEvent* event) {
  hoverArrow_ = TArrow::None;
  update();
  QWidget::leaveEvent(event);
}

void TScrollerList::ChooseFromKeyboard(int index) {
  if (!ValidIndex(index)) return;
  SetSelectedIndex(index);
  emit Click(index);
  // The owner may have rebuilt the list on the click; the reader hears what is chosen now.
  QAccessibleValueChangeEvent spoken(this, SpokenText(SelectedIndex()));
  QAccessible::updateAccessibility(&spoken);
}

int TScrollerList::PageFrom(int index, int step) const {
  int filled = 0;
  while (ValidIndex(index + step) && filled + items_[size_t(index + step)].height <= height()) {
    index += step;
    filled += items_[size_t(index)].height;
  }
  return index;
}

void TScrollerList::keyPressEvent(QKeyEvent* event) {
  const bool ctrl = event->modifiers().testFlag(Qt::ControlModifier);
  const int selected = SelectedIndex();
  const int step = event->key() == Qt::Key_Up ? -1 : 1;
  switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
      if (ctrl && dragReorder_ && ValidIndex(selected) && ValidIndex(selected + step)) {
        MoveItem(selected, selected + step);
        MakeVisible(selected + step);
        emit MoveListItem(selected, selected + step);
      } else if (!ctrl) {
        ChooseFromKeyboard(selected < 0 ? 0 : std::clamp(selected + step, 0, Count() - 1));
      }
      break;
    case Qt::Key_Home:
      ChooseFromKeyboard(0);
      break;
    case Qt::Key_End:
      ChooseFromKeyboard(Count() - 1);
      break;
    case Qt::Key_PageUp:
      ChooseFromKeyboard(PageFrom(std::max(selected, 0), -1));
      break;
    case Qt::Key_PageDown:
      ChooseFromKeyboard(PageFrom(std::max(selected, 0), 1));
      break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
      ChooseFromKeyboard(selected);
      break;
    default:
      QWidget::keyPressEvent(event);
      return;
  }
  event->accept();
}

void TScrollerList::contextMenuEvent(QContextMenuEvent* event) {
  // From the keyboard the menu is the chosen item's, opened over it.
  if (event->reason() == QContextMenuEvent::Keyboard && ValidIndex(SelectedIndex()) &&
      contextMenuPolicy() == Qt::CustomContextMenu) {
    emit customContextMenuRequested(ItemRect(SelectedIndex()).center());
    return;
  }
  QWidget::contextMenuEvent(event);
}

QString TScrollerList::SpokenText(int index) const {
  QString text = ItemText(index);
  // Owners join parts of an item with control characters; a reader pauses between them.
  for (QChar& c : text) {
    if (c.unicode() < 32) c = QLatin1Char(',');
  }
  return text;
}

void TScrollerList::DrawItem(QPainter& painter, int index, const QRect& rect, bool selected) {
  if (drawItem_) {
    drawItem_(painter, index, rect, selected);
    return;
  }
  painter.fillRect(rect, QColor(selected ? WidgetColours().accent : WidgetColours().listBackground));
  painter.setPen(QColor(selected ? qRgb(255, 255, 255) : WidgetColours().text));
  const QRect textRect = rect.adjusted(6, 0, -6, 0);
  painter.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter,
                   painter.fontMetrics().elidedText(items_[index].text, Qt::ElideRight, textRect.width()));
}

void TScrollerList::PaintArrow(QPainter& painter, TArrow arrow) {
  const QRect bar = ArrowRect(arrow);
  painter.fillRect(bar, QColor(WidgetColours().arrowBar));
  if (repeatArrow_ == arrow && pressedArrow_ == arrow) {
    painter.fillRect(bar, QColor::fromRgba(WidgetColours().pressed));
  } else if (hoverArrow_ == arrow || repeatArrow_ == arrow) {
    painter.fillRect(bar, QColor::fromRgba(WidgetColours().hover));
  }
  painter.setPen(QColor(WidgetColours().border));
  const int edge = arrow == TArrow::Up ? bar.bottom() : bar.top();
  painter.drawLine(bar.left(), edge, bar.right(), edge);
  const int side = 16;
  const QIcon icon = WavoraIcon(arrow == TArrow::Up ? TIcon::ArrowUp : TIcon::ArrowDown);
  icon.paint(&painter, QRect(bar.center().x() - side / 2 + 1, bar.center().y() - side / 2 + 1, side, side));
}

void TScrollerList::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.fillRect(event->rect(), QColor(WidgetColours().listBackground));
  for (int i = 0; i < Count(); ++i) {
    const QRect itemRect = ItemRect(i);
    if (!itemRect.intersects(event->rect())) continue;
    painter.save();
    painter.setClipRect(itemRect);
    // The item being dragged stays in place, faded, until it is dropped.
    if (dragging_ && dragReorder_ && i == pressIndex_) painter.setOpacity(0.45);
    DrawItem(painter, i, itemRect, i == selected_);
    painter.restore();
  }

  const int dropIndex = dragging_ && dragReorder_ ? IndexAt(dragPos_) : -1;
  if (dropIndex >= 0 && dropIndex != pressIndex_) {
    // The dragged item will take the target's place: outline the target.
    QColor wash(WidgetColours().accent);
    wash.setAlpha(40);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(WidgetColours().accent), 2));
    painter.setBrush(wash);
    painter.drawRoundedRect(QRectF(ItemRect(dropIndex)).adjusted(2, 2, -2, -2), palette::kRadius,
                            palette::kRadius);
    painter.setRenderHint(QPainter::Antialiasing, false);
  }

  // The keyboard's place: the chosen item, or the whole list when none is.
  if (ShowsKeyboardFocus(*this))
    PaintFocusFrame(painter, ValidIndex(selected_) ? ItemRect(selected_) : rect());

  if (TopArrowVisible()) PaintArrow(painter, TArrow::Up);
  if (BottomArrowVisible()) PaintArrow(painter, TArrow::Down);
}

}  // namespace wavora
