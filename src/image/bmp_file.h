#pragma once

#include <string>
#include <string_view>

#include "image/fast_dib.h"

namespace wavora {

// Windows bitmap files. Reading accepts uncompressed 1, 4, 8 and 24 bits per pixel with their
// palettes, stored bottom-up or top-down, with any of the usual info headers; the palette indices
// become their colours. Bad bytes (truncated data, absurd sizes, offsets outside the file) raise
// TFileError naming the source and the reason, before anything large is allocated.
TFastDIB DecodeBmp(std::string_view bytes, const std::string& sourceName);
TFastDIB ReadBmpFile(const std::string& fileName);

// A 24-bit bottom-up bitmap file of the image. Writing replaces the file only when complete; an
// empty image or a failed write raises TFileError naming the file and the reason.
std::string EncodeBmp(const TFastDIB& image);
void WriteBmpFile(const TFastDIB& image, const std::string& fileName);

}  // namespace wavora
