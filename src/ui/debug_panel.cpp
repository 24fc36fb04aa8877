#include "ui/debug_panel.h"

#include <QEvent>
#include <QHeaderView>
#include <QTableWidget>

#include "sim/resource_strings.h"
#include "widgets/custom_speed_button.h"
#include "widgets/qt_text.h"

namespace wavora {

TDebugPanel::TDebugPanel(QWidget* parent, TCustomSpeedButton& toggle, std::function<void()> fastForward)
    : TPanelFrame(parent, "DebugPanel", QRect(22, 288, 168, 265), QColor(255, 255, 255)), toggle_(toggle) {
  hide();
  installEventFilter(this);
  DataList = new QTableWidget(0, 2, this);
  DataList->setObjectName(QStringLiteral("DataList"));
  DataList->setGeometry(5, 5, 158, 218);
  DataList->horizontalHeader()->hide();
  DataList->verticalHeader()->hide();
  DataList->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
  DataList->horizontalHeader()->setStretchLastSection(true);
  DataList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  DataList->setEditTriggers(QAbstractItemView::NoEditTriggers);
  DataList->setSelectionMode(QAbstractItemView::NoSelection);
  DataList->setFocusPolicy(Qt::NoFocus);
  DataList->viewport()->installEventFilter(this);
  SetRows({{"Draw rate", "-"}, {"CPU Usage", "-"}, {"Displacement", "-"}, {"Speed", "-"}, {"n", "-"}});

  Button1 = SpeedButton(this, "Button1", QRect(5, 227, 158, 32), QIcon(), {}, 6);
  Button1->SetCaption(QtText(rs::FastForward));
  connect(Button1, &QAbstractButton::clicked, this, std::move(fastForward));
}

void TDebugPanel::FollowToggle() {
  setVisible(toggle_.Down());
  if (isVisible()) raise();
}

void TDebugPanel::PressFastForward() {
  Button1->click();
}

void TDebugPanel::SetRows(const std::vector<TDebugRow>& rows) {
  for (const TDebugRow& row : rows) {
    const QString name = QtText(row.name);
    int index = 0;
    while (index < DataList->rowCount() &&
           DataList->item(index, 0)->text().compare(name, Qt::CaseInsensitive) != 0) {
      ++index;
    }
    if (index == DataList->rowCount()) {
      DataList->insertRow(index);
      DataList->setRowHeight(index, 20);
      DataList->setItem(index, 0, new QTableWidgetItem(name));
      DataList->setItem(index, 1, new QTableWidgetItem);
    }
    DataList->item(index, 1)->setText(QtText(row.value));
  }
}

bool TDebugPanel::eventFilter(QObject* watched, QEvent* event) {
  if ((watched == this || watched == DataList->viewport()) && event->type() == QEvent::MouseButtonPress) {
    setVisible(!toggle_.Down());
    toggle_.SetDown(isVisible());
  }
  return TPanelFrame::eventFilter(watched, event);
}

}  // namespace wavora
