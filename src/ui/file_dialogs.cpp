#include "ui/file_dialogs.h"

#include <QFile>
#include <QFileDialog>
#include <QStringList>

#include "widgets/qt_text.h"

namespace wavora {

QString QtFilter(std::string_view filter) {
  const QStringList parts = QtText(filter).split(QLatin1Char('|'));
  QStringList names;
  for (int i = 0; i < parts.size(); i += 2)
    names << parts[i];
  return names.join(QStringLiteral(";;"));
}

std::string LocalPath(const QString& fileName) {
  return QFile::encodeName(fileName).toStdString();
}

QString AskSaveFileName(QWidget* parent, std::string_view title, std::string_view filter,
                        std::string_view extension) {
  QFileDialog dialog(parent, QtText(title), QString(), QtFilter(filter));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(QtText(extension));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().constFirst();
}

}  // namespace wavora
