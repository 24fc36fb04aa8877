#include "ui/curved_mirror_view.h"

#include "media/curved_mirror_cp.h"
#include "sim/resource_strings.h"

namespace wavora {

TCurvedMirrorView::TCurvedMirrorView(TCurvedMirrorCP& model, QWidget* parent)
    : TModeButtonsView(model, parent, "TCurvedMirrorCP", TCurvedMirrorCP::kHeight) {
  AddHeading("Label1", rs::CircularShape, 8);
  AddButton("Type0", 0, TIcon::CircularQuick, kPairLefts[0], 26, rs::Quick, "Label2", rs::QuickMirrorHint);
  AddButton("Type2", 2, TIcon::CircularAccurate, kPairLefts[1], 26, rs::Accurate, "Label3",
            rs::AccurateMirrorHint);
  AddHeading("Label4", rs::ParabolicShape, 82);
  AddButton("Type1", 1, TIcon::ParabolicQuick, kPairLefts[0], 100, rs::Quick, "Label5", rs::QuickMirrorHint);
  AddButton("Type3", 3, TIcon::ParabolicAccurate, kPairLefts[1], 100, rs::Accurate, "Label6",
            rs::AccurateMirrorHint);
}

}  // namespace wavora
