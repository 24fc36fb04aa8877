#include "ui/user_settings.h"

#include <QSettings>

namespace wavora {

namespace {

constexpr char kHighContrast[] = "HighContrast";
constexpr char kLanguage[] = "Language";

QSettings Settings() {
  return QSettings(QStringLiteral("Wavora"), QStringLiteral("Wavora"));
}

}  // namespace

bool TUserSettings::HighContrast() {
  return Settings().value(QLatin1String(kHighContrast), false).toBool();
}

QString TUserSettings::Language() {
  return Settings().value(QLatin1String(kLanguage)).toString();
}

void TUserSettings::SetLanguage(const QString& code) {
  Settings().setValue(QLatin1String(kLanguage), code);
}

void TUserSettings::SetHighContrast(bool on) {
  Settings().setValue(QLatin1String(kHighContrast), on);
}

}  // namespace wavora
