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

// A file too large to hold in memory, written by a library that opens a file by name: it writes the
// temporary file beside the target (TemporaryName), which Commit puts in the target's place (with the
// bits and link rule above); a file never committed is removed. Raises TFileError as above.
class TReplacingFile {
 public:
  explicit TReplacingFile(const std::string& fileName);
  ~TReplacingFile();
  TReplacingFile(const TReplacingFile&) = delete;
  TReplacingFile& operator=(const TReplacingFile&) = delete;

  const std::string& TemporaryName() const { return temporary_; }
  void Commit();

 private:
  std::string fileName_;
  std::string target_;
  std::string temporary_;
};

}  // namespace wavora
