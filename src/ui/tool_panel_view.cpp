#include "ui/tool_panel_view.h"

#include <QAccessibleWidget>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>

#include "image/snapshot_file.h"
#include "model/file_text.h"
#include "sim/control_panel_tool.h"
#include "sim/resource_strings.h"
#include "sim/tool_data.h"
#include "sim/tool_panel.h"
#include "ui/dib_image.h"
#include "ui/file_dialogs.h"
#include "ui/panel_style.h"
#include "ui/reading_text.h"
#include "widgets/accessible_factory.h"
#include "widgets/focus_mark.h"
#include "widgets/qt_text.h"

namespace wavora {

namespace {

// A panel as screen readers see it: named by its reading, asked afresh each time, so a reading that
// changes every frame sends no stream of events.
class TToolPanelAccessible : public QAccessibleWidget {
 public:
  explicit TToolPanelAccessible(TToolPanelView* view) : QAccessibleWidget(view, QAccessible::Pane) {}
  QString text(QAccessible::Text t) const override {
    if (t != QAccessible::Name) return QAccessibleWidget::text(t);
    return static_cast<const TToolPanelView*>(widget())->ReadingText();
  }
};

}  // namespace

TToolPanelView::TToolPanelView(TBaseCPFrame& model, QWidget* parent) : QWidget(parent), model_(model) {
  InstallAccessible<TToolPanelView, TToolPanelAccessible>();
  setObjectName(QStringLiteral("TBaseCPFrame"));
  setFocusPolicy(Qt::TabFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  if (parent) resize(parent->size());
}

void TToolPanelView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), kPanelBackground);
  const TFastDIB& picture = model_.BoxPicture();
  PaintDib(painter, QRect(boxLeft_, 0, picture.Width(), picture.Height()), picture);
  if (ShowsKeyboardFocus(*this)) PaintFocusFrame(painter, rect());
}

QString TToolPanelView::ReadingText() const {
  return NameWithReading(model_.Tool());
}

void TToolPanelView::SetBoxLeft(int left) {
  boxLeft_ = left;
  model_.SetBoxSize(width() - boxLeft_, height());
}

void TToolPanelView::resizeEvent(QResizeEvent*) {
  model_.SetBoxSize(width() - boxLeft_, height());
}

void TToolPanelView::mousePressEvent(QMouseEvent* event) {
  const QPoint p = InBox(event->position().toPoint());
  model_.BoxMouseDown(p.x(), p.y());
  update();
}

void TToolPanelView::mouseMoveEvent(QMouseEvent* event) {
  const QPoint p = InBox(event->position().toPoint());
  model_.BoxMouseMove(p.x(), p.y());
}

void TToolPanelView::mouseReleaseEvent(QMouseEvent* event) {
  const QPoint p = InBox(event->position().toPoint());
  model_.BoxMouseUp(p.x(), p.y());
  update();
}

void TToolPanelView::leaveEvent(QEvent*) {
  model_.BoxMouseMove(-1, -1);
}

void TToolPanelView::mouseDoubleClickEvent(QMouseEvent*) {
  const TPoint last = model_.LastMouse();
  PopupMenu1Popup(mapToGlobal(QPoint(last.x + boxLeft_, last.y)));
}

void TToolPanelView::contextMenuEvent(QContextMenuEvent* event) {
  PopupMenu1Popup(event->globalPos());
}

void TToolPanelView::PopupMenu1Popup(const QPoint& globalPosition) {
  auto* menu = new QMenu(this);
  menu->setObjectName(QStringLiteral("PopupMenu1"));
  menu->setAttribute(Qt::WA_DeleteOnClose);
  for (const TPanelMenuEntry& entry : model_.PopupMenu1Popup()) {
    if (entry.name.empty()) {
      menu->addSeparator();
      continue;
    }
    QAction* action = menu->addAction(QtText(entry.caption));
    action->setObjectName(QString::fromStdString(entry.name));
    if (entry.command == TPanelCommand::Setting) {
      action->setCheckable(true);
      action->setChecked(entry.checked);
    }
    connect(action, &QAction::triggered, this, [this, entry] { ChooseEntry(entry); });
  }
  menu->popup(globalPosition);
}

void TToolPanelView::ChooseEntry(const TPanelMenuEntry& entry) {
  switch (entry.command) {
    case TPanelCommand::Setting:
      model_.PopupMenuClick(entry);
      break;
    case TPanelCommand::CopySnapshot:
      QGuiApplication::clipboard()->setImage(DibToImage(model_.CommandPicture(entry)));
      break;
    case TPanelCommand::CopyData:
      QGuiApplication::clipboard()->setText(QtText(ToolDataCsv(model_.Tool())));
      break;
    case TPanelCommand::SaveSnapshot: {
      const TFastDIB picture = model_.CommandPicture(entry);
      const QString fileName =
          AskSaveFileName(this, rs::SnapshotDialogTitle, rs::SnapshotFilter, rs::SnapshotExtension);
      if (fileName.isEmpty()) break;
      try {
        SaveSnapshotFile(picture, LocalPath(fileName));
      } catch (const std::exception& e) {
        ShowError(rs::CouldNotSaveSnapshot, e);
      }
      break;
    }
    case TPanelCommand::SaveData: {
      const std::string data = ToolDataCsv(model_.Tool());
      const QString fileName =
          AskSaveFileName(this, rs::SaveDataDialogTitle, rs::DataFilter, rs::DataExtension);
      if (fileName.isEmpty()) break;
      try {
        WriteFileText(LocalPath(fileName), data);
      } catch (const std::exception& e) {
        ShowError(rs::CouldNotSaveData, e);
      }
      break;
    }
  }
  update();
}

void TToolPanelView::ShowError(std::string_view what, const std::exception& error) {
  QMessageBox::warning(this, QtText(rs::AppTitle),
                       QtText(what) + QStringLiteral("\n\n") + QString::fromUtf8(error.what()));
}

}  // namespace wavora
