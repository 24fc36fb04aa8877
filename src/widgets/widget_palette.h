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

inline constexpr TWidgetColours kStandardColours{qRgb(240, 240, 240),
                                                 qRgb(247, 247, 247),
                                                 qRgb(36, 41, 48),
                                                 qRgb(150, 154, 160),
                                                 qRgb(63, 116, 196),
                                                 qRgb(214, 227, 246),
                                                 qRgb(160, 186, 228),
                                                 qRgba(0, 0, 0, 18),
                                                 qRgba(0, 0, 0, 36),
                                                 qRgb(252, 252, 252),
                                                 qRgb(196, 199, 204),
                                                 qRgb(150, 170, 205),
                                                 qRgb(208, 211, 216),
                                                 qRgb(160, 164, 170),
                                                 qRgb(232, 234, 238),
                                                 qRgb(255, 196, 0),
                                                 false};

inline constexpr TWidgetColours kHighContrastColours{qRgb(0, 0, 0),
                                                     qRgb(0, 0, 0),
                                                     qRgb(255, 255, 255),
                                                     qRgb(170, 170, 170),
                                                     qRgb(255, 255, 0),
                                                     qRgb(0, 0, 140),
                                                     qRgb(255, 255, 0),
                                                     qRgba(255, 255, 255, 60),
                                                     qRgba(255, 255, 255, 100),
                                                     qRgb(0, 0, 0),
                                                     qRgb(255, 255, 255),
                                                     qRgb(255, 255, 0),
                                                     qRgb(140, 140, 140),
                                                     qRgb(255, 255, 255),
                                                     qRgb(40, 40, 40),
                                                     qRgb(0, 255, 255),
                                                     true};

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
