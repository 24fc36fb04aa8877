#pragma once

#include <cstdint>
#include <memory>

#include "media/earth_cp.h"
#include "media/mode_ri_mapper.h"

namespace wavora {

// "The Earth": radio waves in the atmosphere above a curved Earth (a uniform atmosphere that sends
// them back by reflection, or one growing faster with height that bends them back by refraction), or
// earthquake waves inside the Earth (P-waves and S-waves through inner core, outer core, mantle and
// crust). Each pass also tells the tank where the source should stand for the scene.
class TEarthRIMapper : public TModeRIMapper {
 public:
  enum TMode : int32_t { Reflection, Refraction, Mirages, PWaves, SWaves };

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  // A mode outside 0 ... 4 shows the open tank, as mode 2 does.
  std::unique_ptr<TControlPanelModel> CreateControlPanel() override {
    return std::make_unique<TEarthCP>(*this);
  }

  // The front (as every scene has it) and a few rays from the source, bent where the speed changes
  // by Snell's law for layers round the Earth's centre, until they run into ground or absorbing cells.
  void AddTheory(const TWater& tank, TTheoryFigure& figure) const override;

 protected:
  TSourceSuggestion MapScene(TWaterGrid& grid) override;
};

}  // namespace wavora
