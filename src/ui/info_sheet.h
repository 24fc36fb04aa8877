#pragma once

#include <QWidget>
#include <functional>

#include "model/node.h"
#include "sim/water.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace wavora {

// The info sheet under the tank: the current slide's name and description. Typing writes into the
// slide at once; leaving a box (or Enter) stores what the user typed and lets the window show the
// new texts in the slide list.
class TInfoSheet : public QWidget {
 public:
  // current: the slide being edited (none: the boxes stay empty); left: called with that slide
  // whenever the user leaves a box.
  TInfoSheet(QWidget* parent, std::function<TRef<TWater>()> current, std::function<void(const TWater&)> left);

  // Shows the current slide's texts; number: the slide's place in the list, from 1.
  void ShowSlide(int number);
  // Stores what the user typed into the current slide (InfoSheetNameExit).
  void Leave();
  // Whether the widget is one of the boxes or inside them.
  bool Holds(const QWidget* widget) const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void DescriptionChanged();

  std::function<TRef<TWater>()> current_;
  std::function<void(const TWater&)> left_;
  QLineEdit* name_;
  QPlainTextEdit* description_;
  QLabel* number_;
};

}  // namespace wavora
