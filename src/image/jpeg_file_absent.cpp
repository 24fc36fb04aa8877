#include <stdexcept>

#include "image/jpeg_file.h"
#include "model/file_text.h"

namespace wavora {

// The JPEG functions of a build without a JPEG library: each refuses, saying so.

bool HasJpegWriter() {
  return false;
}

std::string EncodeJpeg(const TFastDIB&, int) {
  throw std::runtime_error(std::string(kNoJpegWriter));
}

void WriteJpegFile(const TFastDIB&, const std::string& fileName, int) {
  throw TFileError("Cannot write file \"" + fileName + "\": " + std::string(kNoJpegWriter));
}

}  // namespace wavora
