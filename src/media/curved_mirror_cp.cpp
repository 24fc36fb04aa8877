#include "media/curved_mirror_cp.h"

#include "media/curved_mirror_line.h"

namespace wavora {

TCurvedMirrorCP::TCurvedMirrorCP(TCurvedMirrorLine& mirror)
    : TModeButtonsCP(mirror, "MirrorType", mirror.GetMirrorType(), {0, 2, 1, 3}, 0) {}

}  // namespace wavora
