#pragma once

#include <QString>
#include <memory>
#include <string>
#include <string_view>

class QFileDialog;
class QWidget;

namespace wavora {

// A file dialog for the string table's "Name (*.x)|*.x|...". A name typed without an extension gets
// the one of the filter chosen when the dialog closes.
std::unique_ptr<QFileDialog> FileDialog(QWidget* parent, std::string_view title, std::string_view filter,
                                        std::string_view defaultSuffix);

// The file name as the core's file functions take it.
std::string LocalPath(const QString& fileName);

// Runs a save dialog (asking before it overwrites); empty when cancelled.
QString AskSaveFileName(QWidget* parent, std::string_view title, std::string_view filter,
                        std::string_view extension);

}  // namespace wavora
