#pragma once

#include <QString>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <vector>

namespace wavora {

// A vertical list of owner-drawn items that scrolls with arrow bars instead of a scroll bar. Each item
// carries a text, an integer identifier and its own height; one item at most is selected. An arrow bar
// covers the top or bottom 20 pixels only while items lie hidden beyond that edge. Holding an arrow, or
// dragging an item onto it, scrolls 10 pixels at once, again after 400 ms and then every 100 ms. With
// drag reordering on, dropping one item onto another moves it to that item's index.
//
// From the keyboard (it takes the focus with Tab): the arrow keys, Home, End, Page Up and Page Down
// choose an item as a click does, Enter and Space click the chosen item again, Ctrl+Up and Ctrl+Down
// move it as a drop would, and the context-menu key asks for the menu of the chosen item. Screen
// readers read the chosen item as the list's value.
class TScrollerList : public QWidget {
  Q_OBJECT

 public:
  using TDrawItemFn = std::function<void(QPainter& painter, int index, const QRect& rect, bool selected)>;

  static constexpr int kArrowHeight = 20;
  static constexpr int kScrollStep = 10;
  static constexpr int kFirstRepeatMs = 400;
  static constexpr int kRepeatMs = 100;
  // One notch of a mouse wheel (120 eighths of a degree) scrolls this many pixels.
  static constexpr int kWheelStep = 40;

  explicit TScrollerList(QWidget* parent = nullptr);

  int Count() const { return static_cast<int>(items_.size()); }
  // Appends an item; a height of 0 or less takes the list's ItemHeight. Returns the item's index.
  int AddItem(const QString& text, int id, int height = 0);
  void Clear();

  // Accessors of one item; an index outside the list reads as an empty text, identifier 0 and height 0,
  // and is ignored by the setters.
  QString ItemText(int index) const;
  void SetItemText(int index, const QString& text);
  int ItemId(int index) const;
  int ItemHeightAt(int index) const;
  // Index of the first item carrying the identifier, or -1.
  int IndexOfId(int id) const;
  void RedrawItem(int index);

  // Height of items added without their own.
  int ItemHeight() const { return itemHeight_; }
  void SetItemHeight(int height);

  // -1 when no item is selected. Selecting from code scrolls the item into view and emits no Click.
  int SelectedIndex() const { return selected_; }
  void SetSelectedIndex(int index);

  // The owner's drawing of one item; without it items show their text.
  void SetDrawItem(TDrawItemFn drawItem) { drawItem_ = std::move(drawItem); }
  bool DragReorder() const { return dragReorder_; }
  void SetDragReorder(bool on) { dragReorder_ = on; }

  // Scrolling: the offset is how many pixels of content lie above the widget's top edge.
  int ScrollOffset() const;
  int ContentHeight() const;
  void ScrollBy(int pixels);
  void MakeVisible(int index);
  bool TopArrowVisible() const { return ScrollOffset() > 0; }
  bool BottomArrowVisible() const { return ScrollOffset() < MaxOffset(); }

  // An item's text as a screen reader speaks it; empty for none.
  QString SpokenText(int index) const;

  // Where an item lies in widget coordinates at the present scroll offset; -1 outside the items and
  // over a shown arrow bar.
  QRect ItemRect(int index) const;
  int IndexAt(const QPoint& pos) const;

 signals:
  // A press and release on the same item, after it has been selected.
  void Click(int index);
  // After a dragged item has been moved from one index to the other.
  void MoveListItem(int fromIndex, int toIndex);

 protected:
  virtual void DrawItem(QPainter& painter, int index, const QRect& rect, bool selected);

  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  enum class TArrow { None, Up, Down };
  struct TItem {
    QString text;
    int id = 0;
    int height = 0;
  };

  bool ValidIndex(int index) const { return index >= 0 && index < Count(); }
  int MaxOffset() const;
  int ItemTop(int index) const;
  QRect ArrowRect(TArrow arrow) const;
  TArrow ArrowAt(const QPoint& pos) const;
  void PaintArrow(QPainter& painter, TArrow arrow);

  void StartRepeat(TArrow arrow);
  void StopRepeat();
  void RepeatTick();
  void ScrollTowards(TArrow arrow);
  void TrackDrag(const QPoint& pos);
  void MoveItem(int fromIndex, int toIndex);
  void ResetPress();
  // Chooses the item as a click on it does, and tells screen readers.
  void ChooseFromKeyboard(int index);
  // Items that fill the list's height, from the selected one downward (step 1) or upward (-1).
  int PageFrom(int index, int step) const;

  std::vector<TItem> items_;
  int itemHeight_ = 24;
  int selected_ = -1;
  // Wanted offset; read through ScrollOffset(), which clamps it to the present content and size, so
  // rebuilding the list keeps its place.
  int offset_ = 0;
  bool dragReorder_ = false;
  TDrawItemFn drawItem_;

  QTimer repeatTimer_;
  TArrow repeatArrow_ = TArrow::None;  // the arrow that scrolls while held or dragged onto
  TArrow pressedArrow_ = TArrow::None;
  TArrow hoverArrow_ = TArrow::None;

  int pressIndex_ = -1;
  QPoint pressPos_;
  QPoint dragPos_;
  bool dragging_ = false;
};

}  // namespace wavora
