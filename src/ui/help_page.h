#pragma once

#include <QString>
#include <QUrl>

namespace wavora {

// The help page ships inside the program; a browser needs it as a file, so it is written to a private
// temporary folder first. Returns the page's address, or an empty one with the reason in error.
QUrl ExtractHelpPage(QString* error);

}  // namespace wavora
