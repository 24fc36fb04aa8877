#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "sim/control_panel_model.h"
#include "sim/refractive_index_cp.h"

namespace wavora {

class TLensMapper;

// The lens's panel: two latching picture buttons of one group, Type0 (convex, tag 0) and Type1
// (concave, tag 1), each with its caption, and below them the refractive-index panel for n.
class TLensControlpanel : public TControlPanelModel {
 public:
  static constexpr int32_t kWidth = 177;
  static constexpr int32_t kHeight = 155;

  // Bound to the lens (not owned), showing its type and n.
  explicit TLensControlpanel(TLensMapper* lens);

  const std::string& Label1() const { return label1_; }
  const std::string& Label2() const { return label2_; }
  // The tag of the button that is down: 1 for the concave type, 0 for any other.
  int32_t DownTag() const { return downTag_; }
  // Either button's click: it goes down and the lens takes its tag as LensType, set by name so the
  // edit is recorded like any property edit.
  void Type1Click(int32_t tag);
  TRefractiveIndexCP& RefractiveIndexCP1() { return refractiveIndexCP1_; }

 protected:
  // Type0 and Type1 as one group, named for the property it sets.
  std::vector<TPanelControl> OwnControls() const override;
  TChangeResult ApplyChange(const TPanelControl& control, int32_t value) override;

 private:
  TLensMapper* lens_;
  std::string label1_;
  std::string label2_;
  int32_t downTag_ = 0;
  TRefractiveIndexCP refractiveIndexCP1_;
};

}  // namespace wavora
