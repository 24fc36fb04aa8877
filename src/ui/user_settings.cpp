#include "ui/user_settings.h"

#include <QSettings>

namespace wavora {

namespace {

constexpr char kHighContrast[] = "HighContrast";

QSettings Settings() {
  return QSettings(QStringLiteral("Wavora"), QStringLiteral("Wavora"));
}

}  // namespace

bool TUserSettings::HighContrast() {
  return Settings().value(QLatin1String(kHighContrast), false).toBool();
}

void TUserSettings::SetHighContrast(bool on) {
  Settings().setValue(QLatin1String(kHighContrast), on);
}

}  // namespace wavora
