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

TSaveAnswer TMessageBoxSink::AskToSave(const QString& question) {
  QMessageBox box(QMessageBox::Warning, QtText(rs::AppTitle), question,
                  QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent_);
  box.setDefaultButton(QMessageBox::Save);
  box.setEscapeButton(QMessageBox::Cancel);
  switch (box.exec()) {
    case QMessageBox::Save:
      return TSaveAnswer::Save;
    case QMessageBox::Discard:
      return TSaveAnswer::Discard;
    default:
      return TSaveAnswer::Cancel;
  }
}

}  // namespace wavora
