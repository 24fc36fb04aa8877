#pragma once

#include <QString>

namespace wavora {

// The folders of files the program ships beside its binaries.
enum class TDataFolder { Examples, Help };

// Where the shipped files are: installed under the prefix's share/wavora next to the program's bin
// folder, else where the build left them (the examples in the source tree, the help pages in the
// build folder), so a build runs without installing. Empty when neither holds the folder.
QString FindDataFolder(TDataFolder which);

}  // namespace wavora
