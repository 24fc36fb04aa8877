#include "media/lens_cp.h"

#include "media/lens_mapper.h"
#include "model/property_text.h"
#include "sim/resource_strings.h"

namespace wavora {

TLensControlpanel::TLensControlpanel(TLensMapper* lens)
    : lens_(lens), label1_(rs::Convex), label2_(rs::Concave) {
  AddSubPanel("RefractiveIndexCP1", refractiveIndexCP1_);
  refractiveIndexCP1_.Bind(lens);
  if (!lens) return;
  downTag_ = lens->GetLensType() == 1 ? 1 : 0;
  refractiveIndexCP1_.SetValue(lens->GetN());
}

void TLensControlpanel::Type1Click(int32_t tag) {
  downTag_ = tag;
  if (lens_) SetPropertyFromText(*lens_, "LensType", std::to_string(tag), false);
}

std::vector<TPanelControl> TLensControlpanel::OwnControls() const {
  return {GroupControl("LensType", {},
                       {{0, "Type0", label1_, label1_, {}}, {1, "Type1", label2_, label2_, {}}}, downTag_)};
}

TChangeResult TLensControlpanel::ApplyChange(const TPanelControl&, int32_t value) {
  Type1Click(value);
  return TChangeResult::Done;
}

}  // namespace wavora
