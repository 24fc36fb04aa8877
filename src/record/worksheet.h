#pragma once

#include <string>

#include "record/paper_size.h"
#include "record/progress.h"

namespace wavora {

class TWaterCollection;

// Writes a worksheet of the lesson as a PDF: for each slide a page with its number and name, the
// tank's picture after the given number of frames (with its objects and tools drawn), the active
// tool's panel picture where the slide has one, the slide's description, and ruled lines to write
// on. Each slide runs as a copy, so the lesson itself is left as it was. Replaces the file only when
// complete; raises TFileError or std::runtime_error naming the file and the reason, or TCancelled,
// and then leaves no file behind.
void WriteWorksheet(const TWaterCollection& lesson, const std::string& fileName, long frames, TPaper paper,
                    const TProgress& progress);

}  // namespace wavora
