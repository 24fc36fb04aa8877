#include "ui/help_page.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace wavora {

QUrl ExtractHelpPage(QString* error) {
  QFile page(QStringLiteral(":/help/index.html"));
  if (!page.open(QIODevice::ReadOnly)) {
    *error = page.errorString();
    return {};
  }
  const QByteArray text = page.readAll();
  const QDir folder(QStandardPaths::writableLocation(QStandardPaths::TempLocation) +
                    QStringLiteral("/wavora-help"));
  if (!folder.mkpath(QStringLiteral("."))) {
    *error = folder.path();
    return {};
  }
  QFile copy(folder.filePath(QStringLiteral("index.html")));
  if (!copy.open(QIODevice::WriteOnly | QIODevice::Truncate) || copy.write(text) != text.size()) {
    *error = copy.fileName() + QStringLiteral(": ") + copy.errorString();
    return {};
  }
  return QUrl::fromLocalFile(copy.fileName());
}

}  // namespace wavora
