#include "media/plane_mirror_cp.h"

#include "media/plane_mirror.h"

namespace wavora {

TPlaneMirrorCP::TPlaneMirrorCP(TPlaneMirror& mirror)
    : TModeButtonsCP(mirror, "Mode", mirror.GetMode(), {1, 0}, 0) {}

}  // namespace wavora
