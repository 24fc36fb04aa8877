#pragma once

#include "image/fast_dib.h"

namespace wavora {

// The experiment menu's picture of a medium class: a small tank holding a new source and a new object
// of the class, run a little so that its waves show, drawn at kExperimentPreviewSize cells a side
// (four times the menu's picture, which the shell reduces it to). Empty outside the medium list.
inline constexpr int kExperimentPreviewSize = 112;
TFastDIB ExperimentPreview(int classIndex);

}  // namespace wavora
