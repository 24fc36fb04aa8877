#include "ui/file_dialogs.h"

#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QStringList>

#include "widgets/qt_text.h"

namespace wavora {

std::unique_ptr<QFileDialog> FileDialog(QWidget* parent, std::string_view title, std::string_view filter,
                                        std::string_view defaultSuffix) {
  auto dialog = std::make_unique<QFileDialog>(parent, QtText(title));
  const QStringList parts = QtText(filter).split(QLatin1Char('|'));
  QStringList names;
  QStringList suffixes;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    names << parts[i];
    suffixes << QFileInfo(parts[i + 1]).suffix();
  }
  dialog->setNameFilters(names);
  dialog->setDefaultSuffix(QtText(defaultSuffix));
  QFileDialog* shown = dialog.get();
  QObject::connect(shown, &QFileDialog::filterSelected, shown, [shown, names, suffixes](const QString& name) {
    if (const qsizetype index = names.indexOf(name); index >= 0) shown->setDefaultSuffix(suffixes[index]);
  });
  return dialog;
}

std::string LocalPath(const QString& fileName) {
  return QFile::encodeName(fileName).toStdString();
}

QString AskSaveFileName(QWidget* parent, std::string_view title, std::string_view filter,
                        std::string_view extension) {
  const auto dialog = FileDialog(parent, title, filter, extension);
  dialog->setAcceptMode(QFileDialog::AcceptSave);
  if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty()) return {};
  return dialog->selectedFiles().constFirst();
}

}  // namespace wavora
