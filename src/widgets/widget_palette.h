#pragma once

#include <QColor>
#include <QRgb>

namespace wavora {

// The controls' colours, chosen to sit calmly on a light-grey window: neutral faces that only tint on
// hover and press, one blue accent for what is selected, down or focused. The high-contrast scheme
// puts white and yellow on black for users who see less well.
struct TWidgetColours {
  QRgb window;
  QRgb listBackground;
  QRgb text;
  QRgb textDisabled;
  QRgb accent;
  QRgb accentSoft;
  QRgb accentSoftBorder;
  QRgb hover;
  QRgb pressed;
  QRgb face;
  QRgb faceHover;
  QRgb border;
  QRgb borderHover;
  QRgb groove;
  QRgb tick;
  QRgb arrowBar;
  // The keyboard's marks over the tank and lists (focus frame, picked handle), bright on a dark edge.
  QRgb focusMark;
  // Whether this is the high-contrast scheme: list items then drop their own light faces for the
  // scheme's black, white and yellow.
  bool highContrast;
};

inline constexpr TWidgetColours kStandardColours{
    .window = qRgb(240, 240, 240),
    .listBackground = qRgb(247, 247, 247),
    .text = qRgb(36, 41, 48),
    .textDisabled = qRgb(150, 154, 160),
    .accent = qRgb(63, 116, 196),
    .accentSoft = qRgb(214, 227, 246),
    .accentSoftBorder = qRgb(160, 186, 228),
    .hover = qRgba(0, 0, 0, 18),
    .pressed = qRgba(0, 0, 0, 36),
    .face = qRgb(252, 252, 252),
    .faceHover = qRgb(246, 248, 252),
    .border = qRgb(196, 199, 204),
    .borderHover = qRgb(150, 170, 205),
    .groove = qRgb(208, 211, 216),
    .tick = qRgb(160, 164, 170),
    .arrowBar = qRgb(232, 234, 238),
    .focusMark = qRgb(255, 196, 0),
    .highContrast = false,
};

inline constexpr TWidgetColours kHighContrastColours{
    .window = qRgb(0, 0, 0),
    .listBackground = qRgb(0, 0, 0),
    .text = qRgb(255, 255, 255),
    .textDisabled = qRgb(170, 170, 170),
    .accent = qRgb(255, 255, 0),
    .accentSoft = qRgb(0, 0, 140),
    .accentSoftBorder = qRgb(255, 255, 0),
    .hover = qRgba(255, 255, 255, 60),
    .pressed = qRgba(255, 255, 255, 100),
    .face = qRgb(0, 0, 0),
    .faceHover = qRgb(0, 0, 0),
    .border = qRgb(255, 255, 255),
    .borderHover = qRgb(255, 255, 0),
    .groove = qRgb(140, 140, 140),
    .tick = qRgb(255, 255, 255),
    .arrowBar = qRgb(40, 40, 40),
    .focusMark = qRgb(0, 255, 255),
    .highContrast = true,
};

// The scheme the controls paint with now; the window switches it and repaints.
const TWidgetColours& WidgetColours();
void UseHighContrastColours(bool on);

// A list item's face and ink: the item's own colours, or in high contrast yellow under black when
// selected and white on black otherwise.
struct TItemColours {
  QColor face;
  QColor ink;
};
inline TItemColours ItemColours(bool selected, QColor selectedFace) {
  const TWidgetColours& scheme = WidgetColours();
  if (scheme.highContrast)
    return selected ? TItemColours{QColor(scheme.accent), Qt::black}
                    : TItemColours{QColor(scheme.listBackground), QColor(scheme.text)};
  return selected ? TItemColours{selectedFace, Qt::white}
                  : TItemColours{QColor(scheme.listBackground), Qt::black};
}

namespace palette {

// Corner radius of button faces and arrow bars, in pixels.
inline constexpr double kRadius = 4.0;

}  // namespace palette

}  // namespace wavora
