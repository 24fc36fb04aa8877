#include "ui/help_page.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace wavora {

QUrl ExtractHelpPage(QString* error) {
  QFile page(QStringLiteral(":/help/index.html"));
  if (!page.open(QIODevice::ReadOnly)) {
    *error = page.errorString();
    return {};
  }
  const QByteArray text = page.readAll();
  // A folder of the program's own, made afresh and readable by this user only, so nobody else can
  // plant a link where the page is written; it goes when the program ends.
  static const QTemporaryDir folder(QDir::tempPath() + QStringLiteral("/wavora-help-XXXXXX"));
  if (!folder.isValid()) {
    *error = folder.errorString();
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
