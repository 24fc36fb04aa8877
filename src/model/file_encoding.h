#pragma once

#include <string>

namespace wavora {

// Text in memory is UTF-8. Files of older programs hold 8-bit text in the Windows-1252 code page,
// and those programs read only that, so node files are converted at the file boundary.

// The text of a file's bytes: the bytes themselves when they are valid UTF-8 (a leading byte-order
// mark dropped), otherwise the bytes read as Windows-1252.
std::string DecodeFileText(std::string bytes);

// The bytes to write for a text: Windows-1252 when every character has a code there, so that older
// programs read the file; otherwise, or when those bytes would read back as different UTF-8 text,
// the UTF-8 text itself.
std::string EncodeFileText(std::string text);

}  // namespace wavora
