#include "media/curved_mirror_cp.h"

#include "media/curved_mirror_line.h"
#include "sim/resource_strings.h"

namespace wavora {

TCurvedMirrorCP::TCurvedMirrorCP(TCurvedMirrorLine& mirror)
    : TModeButtonsCP(mirror, "MirrorType", mirror.GetMirrorType(),
                     {{"Type0", 0, rs::Quick, rs::QuickMirrorHint, rs::CircularShape},
                      {"Type2", 2, rs::Accurate, rs::AccurateMirrorHint, rs::CircularShape},
                      {"Type1", 1, rs::Quick, rs::QuickMirrorHint, rs::ParabolicShape},
                      {"Type3", 3, rs::Accurate, rs::AccurateMirrorHint, rs::ParabolicShape}},
                     0) {}

}  // namespace wavora
