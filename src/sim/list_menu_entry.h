#pragma once

#include <functional>
#include <string>

namespace wavora {

// An entry an object adds to the popup menu of its item in the window's object list. The object only
// makes the text; the window saves it to a file the user names, or places it on the clipboard.
struct TListMenuEntry {
  enum class TAction { SaveText, CopyText };
  TAction action = TAction::CopyText;
  std::string caption;
  // Made when the entry is chosen, so it holds the object's state at that moment.
  std::function<std::string()> text;
  // For SaveText: the save dialog's title, its filter ("Name (*.x)|*.x|...") and default extension.
  std::string dialogTitle;
  std::string filter;
  std::string extension;
};

}  // namespace wavora
