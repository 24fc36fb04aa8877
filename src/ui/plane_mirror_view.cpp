#include "ui/plane_mirror_view.h"

#include "media/plane_mirror_cp.h"
#include "sim/resource_strings.h"

namespace wavora {

TPlaneMirrorView::TPlaneMirrorView(TPlaneMirrorCP& model, QWidget* parent)
    : TModeButtonsView(model, parent, "TPlaneMirrorCP", TPlaneMirrorCP::kHeight) {
  AddHeading("Label1", rs::Mirror, 6);
  AddButton("Type1", 1, TIcon::MirrorQuick, kPairLefts[0], 32, rs::Quick, "Label2", rs::QuickHint);
  AddButton("Type0", 0, TIcon::MirrorAccurate, kPairLefts[1], 32, rs::Accurate, "Label3", rs::AccurateHint);
}

}  // namespace wavora
