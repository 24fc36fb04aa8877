#include "ui/language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <memory>
#include <string>

#include "sim/text_language.h"
#include "ui/user_settings.h"

namespace wavora {

namespace {

const QString kEnglish = QStringLiteral("en");
// Where the build puts the compiled translations, wavora_<code>.qm, inside the program.
const QString kTranslationFolder = QStringLiteral(":/translations");

// The translators now installed: Wavora's own and Qt's (its dialogs' buttons).
struct TInstalled {
  QString code = kEnglish;
  std::unique_ptr<QTranslator> own;
  std::unique_ptr<QTranslator> qt;
};

TInstalled& Installed() {
  static TInstalled installed;
  return installed;
}

bool Speaks(const QString& code) {
  for (const TLanguage& language : Languages())
    if (language.code == code) return true;
  return false;
}

std::unique_ptr<QTranslator> LoadTranslator(const QString& file, const QString& folder) {
  auto translator = std::make_unique<QTranslator>();
  if (!translator->load(file, folder)) return nullptr;
  QCoreApplication::installTranslator(translator.get());
  return translator;
}

}  // namespace

const std::vector<TLanguage>& Languages() {
  // English, then every language the build compiled a translation for, so a new translation source is
  // all a new language needs.
  static const std::vector<TLanguage> languages = [] {
    std::vector<TLanguage> found = {{kEnglish, QStringLiteral("English")}};
    const QStringList files =
        QDir(kTranslationFolder).entryList({QStringLiteral("wavora_*.qm")}, QDir::Files, QDir::Name);
    for (const QString& file : files) {
      const QString code = file.section(QLatin1Char('_'), 1).section(QLatin1Char('.'), 0, 0);
      // Qt names some languages with their main country ("español de España"): the menu names the
      // language alone, capitalised as a menu entry.
      const QString name = QLocale(code).nativeLanguageName().section(QLatin1Char(' '), 0, 0);
      found.push_back({code, name.left(1).toUpper() + name.mid(1)});
    }
    return found;
  }();
  return languages;
}

QString StartingLanguage() {
  const QString chosen = TUserSettings::Language();
  if (Speaks(chosen)) return chosen;
  for (const QString& tag : QLocale::system().uiLanguages()) {
    const QString code = QLocale(tag).name().section(QLatin1Char('_'), 0, 0);
    if (Speaks(code)) return code;
  }
  return kEnglish;
}

void SpeakLanguage(const QString& requested) {
  const QString code = Speaks(requested) ? requested : kEnglish;
  TInstalled& installed = Installed();
  installed.own.reset();  // a translator leaves the application as it is destroyed
  installed.qt.reset();
  installed.code = code;
  QLocale::setDefault(QLocale(code));
  if (code == kEnglish) {
    SetTextLookup(nullptr);
    return;
  }
  installed.own = LoadTranslator(QStringLiteral("wavora_") + code, kTranslationFolder);
  installed.qt =
      LoadTranslator(QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  SetTextLookup([](std::string_view english) {
    const std::string source(english);
    // The translation sources name the table's entries by the namespace that holds them.
    const QString translated = QCoreApplication::translate("wavora::rs", source.c_str());
    const std::string text = translated.toStdString();
    return text == source ? std::string() : text;
  });
}

QString SpokenLanguage() {
  return Installed().code;
}

void RememberLanguage(const QString& code) {
  TUserSettings::SetLanguage(code);
}

}  // namespace wavora
