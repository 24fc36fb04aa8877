#pragma once

#include <QWidget>
#include <cstdint>
#include <string_view>

#include "widgets/icons.h"

namespace wavora {

class TModeButtonsCP;

// The view of a panel of mode buttons: two-state picture buttons of one group, each with its caption
// under it, forwarding clicks to the model. Concrete views lay the buttons out.
class TModeButtonsView : public QWidget {
  Q_OBJECT

 public:
  TModeButtonsView(TModeButtonsCP& model, QWidget* parent, const char* objectName, int height);

 protected:
  // Left edges of a row of two and of three buttons, centred on the panel.
  static constexpr int kPairLefts[] = {38, 103};
  static constexpr int kTripleLefts[] = {16, 70, 124};

  // The button of this tag at (left, top), down when it is the model's, with the caption (if any)
  // centred under it.
  void AddButton(const char* name, int32_t tag, TIcon picture, int left, int top, std::string_view caption,
                 const char* captionName, std::string_view hint);
  // A bold heading over a row of buttons.
  void AddHeading(const char* name, std::string_view text, int top);

 private:
  TModeButtonsCP& model_;  // owned by the window, outlives the view
};

}  // namespace wavora
