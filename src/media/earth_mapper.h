#pragma once

#include <cstdint>
#include <memory>

#include "sim/ri_map.h"

namespace wavora {

// "The Earth": radio waves in the atmosphere above a curved Earth (a uniform atmosphere that sends
// them back by reflection, or one growing faster with height that bends them back by refraction), or
// earthquake waves inside the Earth (P-waves and S-waves through inner core, outer core, mantle and
// crust). Each pass also tells the tank where the source should stand for the scene.
class TEarthRIMapper : public TBaseRIMap {
 public:
  enum TMode : int32_t { Reflection, Refraction, Mirages, PWaves, SWaves };

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  void MapToWater() override;
  std::unique_ptr<TControlPanelModel> CreateControlPanel() override;

  // Any value is kept; one outside 0 ... 4 shows the open tank, as mode 2 does. Setting remaps even
  // when the value is unchanged.
  int32_t GetMode() const { return mode_; }
  void SetMode(int32_t value);

 private:
  void MapAtmosphere(TWaterGrid& grid);
  void MapInterior(TWaterGrid& grid);
  void SuggestSource();

  int32_t mode_ = 0;
};

}  // namespace wavora
