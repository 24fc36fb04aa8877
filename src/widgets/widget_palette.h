#pragma once

#include <QColor>
#include <QRgb>

namespace wavora {

// The controls' colours, chosen to sit calmly on a light-grey window: neutral faces that only tint on
// hover and press, one blue accent for what is selected, down or focused.
namespace palette {

inline constexpr QRgb kWindow = qRgb(240, 240, 240);
inline constexpr QRgb kListBackground = qRgb(247, 247, 247);
inline constexpr QRgb kText = qRgb(36, 41, 48);
inline constexpr QRgb kTextDisabled = qRgb(150, 154, 160);
inline constexpr QRgb kAccent = qRgb(63, 116, 196);
inline constexpr QRgb kAccentSoft = qRgb(214, 227, 246);
inline constexpr QRgb kAccentSoftBorder = qRgb(160, 186, 228);
inline constexpr QRgb kHover = qRgba(0, 0, 0, 18);
inline constexpr QRgb kPressed = qRgba(0, 0, 0, 36);
inline constexpr QRgb kFace = qRgb(252, 252, 252);
inline constexpr QRgb kBorder = qRgb(196, 199, 204);
inline constexpr QRgb kBorderHover = qRgb(150, 170, 205);
inline constexpr QRgb kGroove = qRgb(208, 211, 216);
inline constexpr QRgb kTick = qRgb(160, 164, 170);
inline constexpr QRgb kArrowBar = qRgb(232, 234, 238);
// The keyboard's marks over the tank (its focus frame, the picked handle), bright on a dark edge.
inline constexpr QRgb kFocusMark = qRgb(255, 196, 0);

// Corner radius of button faces and arrow bars, in pixels.
inline constexpr double kRadius = 4.0;

}  // namespace palette

}  // namespace wavora
