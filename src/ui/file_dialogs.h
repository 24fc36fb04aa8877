#pragma once

#include <QString>
#include <string>
#include <string_view>

class QWidget;

namespace wavora {

// "Name (*.x)|*.x|..." as the file dialogs want it: "Name (*.x);;...".
QString QtFilter(std::string_view filter);

// The file name as the core's file functions take it.
std::string LocalPath(const QString& fileName);

// Runs a save dialog (asking before it overwrites); empty when cancelled.
QString AskSaveFileName(QWidget* parent, std::string_view title, std::string_view filter,
                        std::string_view extension);

}  // namespace wavora
