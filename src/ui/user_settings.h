#pragma once

namespace wavora {

// The user's choices that outlast a run, kept with QSettings under organisation and application
// "Wavora" (on Linux ~/.config/Wavora/Wavora.conf). Each choice is one key, named here:
//   HighContrast  bool, default false: the window and the tank's objects in high contrast.
class TUserSettings {
 public:
  static bool HighContrast();
  static void SetHighContrast(bool on);
};

}  // namespace wavora
