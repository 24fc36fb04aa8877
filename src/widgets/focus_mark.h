#pragma once

class QPainter;
class QRect;
class QWidget;

namespace wavora {

// Whether the widget shows the keyboard focus: it has it, and the keyboard moved it there (the focus a
// window gives when it opens shows no mark).
bool ShowsKeyboardFocus(const QWidget& widget);

// The keyboard's place: a frame in the scheme's focus colour just inside rect.
void PaintFocusFrame(QPainter& painter, const QRect& rect);

}  // namespace wavora
