#pragma once

#include <QString>
#include <vector>

namespace wavora {

// The languages Wavora speaks, each by its ISO 639 code and its own name.
struct TLanguage {
  QString code;
  QString name;
};
const std::vector<TLanguage>& Languages();

// The language to speak: the one chosen before (remembered between runs), else the first of the
// system's languages Wavora speaks, else English.
QString StartingLanguage();

// Speaks the language with this code: Wavora's texts (the core's table through its lookup), Qt's own
// dialog buttons, and the numbers Qt's widgets show. An unknown code speaks English.
void SpeakLanguage(const QString& code);
// The code of the language spoken now.
QString SpokenLanguage();

// Remembers the user's choice for the next runs.
void RememberLanguage(const QString& code);

}  // namespace wavora
