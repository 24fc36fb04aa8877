#pragma once

#include <QString>

class QWidget;

namespace wavora {

class TWater;

// The help page for the part of the main window that holds widget (by the names of the window's
// panels): the page of the panel nearest it, or of the object whose panel it is (the current tank's
// medium or source, its active tool); the getting-started page anywhere else.
QString HelpPageAt(const QWidget* widget, TWater* tank);

}  // namespace wavora
