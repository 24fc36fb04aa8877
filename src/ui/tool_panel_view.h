#pragma once

#include <QWidget>

namespace wavora {

class TBaseCPFrame;
struct TPanelMenuEntry;

// A measuring tool's panel: shows the picture its model draws, passes the pointer over it on, and
// opens the model's popup menu on a double click or the context-menu gesture, carrying out the
// snapshot and data commands with the file dialog and the clipboard. The keyboard reaches it with Tab
// (the context-menu key opens the menu), and screen readers read it by its tool's name and reading.
class TToolPanelView : public QWidget {
  Q_OBJECT

 public:
  TToolPanelView(TBaseCPFrame& model, QWidget* parent);

  // PopupMenu1, built from the model's entries as it opens.
  void PopupMenu1Popup(const QPoint& globalPosition);
  // Carries out one entry as if chosen from the menu.
  void ChooseEntry(const TPanelMenuEntry& entry);
  // The tool's name and, where it shows a number, its reading as the panel writes it
  // ("Signal Level Meter -22.8db").
  QString ReadingText() const;

 protected:
  // Widgets of a panel's own may sit left of the box; the box then starts at x = left.
  void SetBoxLeft(int left);

  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  void ShowError(std::string_view what, const std::exception& error);

  // A point of the widget in the box's coordinates.
  QPoint InBox(const QPoint& p) const { return {p.x() - boxLeft_, p.y()}; }

  TBaseCPFrame& model_;  // owned by the window, outlives the view
  int boxLeft_ = 0;
};

}  // namespace wavora
