#pragma once

#include "sim/ri_map.h"

namespace wavora {

// A medium object shaped by a straight line with two end handles (kind 2), saved as the percentages
// of handles 1 and 2. The base of the barrier, the full-rotation lines and the curved mirrors.
class TBasicLineRIMapper : public TBaseRIControlRIMapper {
 public:
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  // Handle 1 at 50 %, 33 %; handle 2 at 50 %, 66 %.
  void Init() override;
  int32_t HandleKind() const override { return 2; }
};

}  // namespace wavora
