#include "ui/message_sink.h"

#include <QMessageBox>

#include "sim/resource_strings.h"
#include "widgets/qt_text.h"

namespace wavora {

void TMessageBoxSink::ShowMessage(TMessageBox::TKind kind, const QString& text) {
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  switch (kind) {
    case TMessageBox::mbInformation:
      icon = QMessageBox::Information;
      break;
    case TMessageBox::mbWarning:
      icon = QMessageBox::Warning;
      break;
    case TMessageBox::mbError:
      icon = QMessageBox::Critical;
      break;
    case TMessageBox::mbNone:
      break;
  }
  QMessageBox box(icon, QtText(rs::AppTitle), text, QMessageBox::Ok, parent_);
  box.exec();
}

}  // namespace wavora
