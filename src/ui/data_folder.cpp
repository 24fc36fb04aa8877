#include "ui/data_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace wavora {

namespace {

struct TFolderPlaces {
  const char* installed;  // under <prefix>/share/wavora
  const char* source;     // under the source tree
};

TFolderPlaces PlacesOf(TDataFolder which) {
  switch (which) {
    case TDataFolder::Examples:
      return {"examples", "examples"};
    case TDataFolder::Help:
      return {"help", "assets/help"};
  }
  return {"", ""};
}

}  // namespace

QString FindDataFolder(TDataFolder which) {
  const TFolderPlaces places = PlacesOf(which);
  const QStringList candidates = {
      QCoreApplication::applicationDirPath() + QStringLiteral("/../share/wavora/") +
          QLatin1String(places.installed),
      QStringLiteral(WAVORA_SOURCE_DIR "/") + QLatin1String(places.source),
  };
  for (const QString& candidate : candidates) {
    if (QFileInfo(candidate).isDir()) return QDir::cleanPath(candidate);
  }
  return {};
}

}  // namespace wavora
