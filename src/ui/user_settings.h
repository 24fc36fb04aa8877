#pragma once

#include <QString>

namespace wavora {

// The user's choices that outlast a run, kept with QSettings under organisation and application
// "Wavora" (on Linux ~/.config/Wavora/Wavora.conf). Each choice is one key, named here:
//   HighContrast  bool, default false: the window and the tank's objects in high contrast.
//   Language      the ISO 639 code of the language chosen in the menu; none: the system's.
class TUserSettings {
 public:
  static QString Language();
  static void SetLanguage(const QString& code);
  static bool HighContrast();
  static void SetHighContrast(bool on);
};

}  // namespace wavora
