#pragma once

#include <QMenu>
#include <functional>

#include "model/ref.h"

class QActionGroup;

namespace wavora {

class IMessageSink;
class THelpViewer;
class TWater;

// The menu behind the "Help" button: the help pages (and F1 for the page of the panel under the
// pointer), the display shapes, the presentation, the theory overlay, the language, high contrast,
// the about box and leaving the program.
class THelpMenu : public QMenu {
 public:
  struct TLinks {
    QWidget& window;  // shows the help viewer and the about box, carries the shortcuts; closed by "Exit"
    IMessageSink& messages;
    std::function<TRef<TWater>()> current;  // the tank whose medium names the help page of its panel
    std::function<void(int tag)> setDisplayShape;
    std::function<void()> present;
    std::function<void(const QString& code)> speak;  // switches the language (its ISO 639 code)
    std::function<void(bool on)> setHighContrast;
    std::function<void(bool on)> showTheory;  // draws what physics predicts over the tank
  };
  explicit THelpMenu(TLinks links);

  void ApplyCaptions();
  // The display shape with this tag (0 ... 3) is checked.
  void CheckDisplayShape(int tag);
  // Shows the setting in the menu without acting on it, as the window does itself.
  void CheckHighContrast(bool on) {
    const QSignalBlocker quiet(HighContrast1);
    HighContrast1->setChecked(on);
  }
  // Opens the help viewer at page ("name.html" or "name.html#section").
  void ShowHelp(const QString& page);

 private:
  // F1: the help page of the panel under the pointer or with the focus.
  void ShowHelpAtPointer();

  TLinks links_;
  QMenu* shapes_;
  QActionGroup* DisplayShapes;
  QAction* Presentation1;
  QAction* Theory1;
  QMenu* languages_;
  QAction* WavoraHelp1;
  QAction* HighContrast1;
  QAction* AboutWavora1;
  QAction* exit1;
  THelpViewer* helpViewer_ = nullptr;  // made on the first request for help; a child window
};

}  // namespace wavora
