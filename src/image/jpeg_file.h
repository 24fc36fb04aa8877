#pragma once

#include <string>
#include <string_view>

#include "image/fast_dib.h"

namespace wavora {

// Whether this build writes JPEG files. The WebAssembly build has no JPEG library: there the functions
// below raise their errors with kNoJpegWriter as the reason.
bool HasJpegWriter();
inline constexpr std::string_view kNoJpegWriter = "JPEG pictures are not available in this build";

// Snapshots are saved at this quality.
inline constexpr int kJpegQuality = 98;

// The image as a baseline JFIF file at the given quality (1 ... 100). Encoding failures raise
// std::runtime_error with libjpeg's reason.
std::string EncodeJpeg(const TFastDIB& image, int quality = kJpegQuality);

// Writes the JPEG file; it replaces the target only when complete. Failures raise TFileError naming
// the file and the reason.
void WriteJpegFile(const TFastDIB& image, const std::string& fileName, int quality = kJpegQuality);

}  // namespace wavora
