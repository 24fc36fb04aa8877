#include "media/plane_mirror_cp.h"

#include "media/plane_mirror.h"
#include "sim/resource_strings.h"

namespace wavora {

TPlaneMirrorCP::TPlaneMirrorCP(TPlaneMirror& mirror)
    : TModeButtonsCP(mirror, "Mode", mirror.GetMode(),
                     {{"Type1", 1, rs::Quick, rs::QuickHint, rs::Mirror},
                      {"Type0", 0, rs::Accurate, rs::AccurateHint, rs::Mirror}},
                     0) {}

}  // namespace wavora
