#pragma once

#include <stdexcept>
#include <string>

namespace wavora {

// Whole files as text. Files are read whole into memory (bounded in size) and written to a temporary
// file beside the target that replaces it only when complete, so a failed save never destroys the
// previous file. Saving through a symbolic link replaces the linked file and keeps the link; the
// replaced file's permission bits stay. Where no temporary file can be made beside the target, the
// file is overwritten in place after the room for the new text was reserved. File errors raise
// TFileError naming the file and the reason, and say when the old content may be lost.
class TFileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

std::string ReadFileText(const std::string& fileName);
void WriteFileText(const std::string& fileName, const std::string& text);

}  // namespace wavora
