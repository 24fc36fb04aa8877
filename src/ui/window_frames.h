#pragma once

#include <QColor>
#include <QFrame>
#include <QIcon>
#include <optional>
#include <string_view>

#include "widgets/widget_palette.h"

class QLabel;

namespace wavora {

class TCustomBitBtn;
class TCustomSpeedButton;

// A rounded area of the window: panels for controls in the controls' colours, a dark one behind the
// tank.
class TPanelFrame : public QFrame {
 public:
  TPanelFrame(QWidget* parent, const char* name, const QRect& geometry,
              std::optional<QColor> fill = std::nullopt, std::optional<QColor> border = std::nullopt);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  // Without colours of its own, the frame paints in the controls' scheme of the moment.
  std::optional<QColor> fill_;
  std::optional<QColor> border_;
};

// A flat button; with a group index it latches, and AllowAllUp lets it come up again.
TCustomSpeedButton* SpeedButton(QWidget* parent, const char* name, const QRect& geometry, const QIcon& glyph,
                                std::string_view hint, int groupIndex = 0);

// A button that opens a menu, with an arrow beside its glyph.
TCustomBitBtn* MenuButton(QWidget* parent, const char* name, const QRect& geometry, const QIcon& glyph,
                          std::string_view hint);

// A caption over a group of controls.
QLabel* Caption(QWidget* parent, const char* name, const QRect& geometry, bool bold = true);

}  // namespace wavora
