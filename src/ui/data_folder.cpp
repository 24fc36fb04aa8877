#include "ui/data_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace wavora {

namespace {

struct TFolderPlaces {
  const char* installed;  // under <prefix>/share/wavora
  const char* built;      // for a program run from its build folder
};

TFolderPlaces PlacesOf(TDataFolder which) {
  switch (which) {
    case TDataFolder::Examples:
      return {"examples", WAVORA_SOURCE_DIR "/examples"};
    case TDataFolder::Help:
      // The build wraps each page of assets/help in the shared page header.
      return {"help", WAVORA_HELP_DIR};
  }
  return {"", ""};
}

}  // namespace

QString FindDataFolder(TDataFolder which) {
  const TFolderPlaces places = PlacesOf(which);
  const QStringList candidates = {
      QCoreApplication::applicationDirPath() + QStringLiteral("/../share/wavora/") +
          QLatin1String(places.installed),
      QString::fromUtf8(places.built),
  };
  for (const QString& candidate : candidates) {
    if (QFileInfo(candidate).isDir()) return QDir::cleanPath(candidate);
  }
  return {};
}

}  // namespace wavora
