#pragma once

#include <cstdint>

#include "sim/ri_map.h"

namespace wavora {

// A medium that paints one of several whole-tank scenes, chosen by its Mode, and tells the tank where
// the source should stand for it. Every pass rewrites the whole grid and a fresh suggestion.
class TModeRIMapper : public TBaseRIMap {
 public:
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  void MapToWater() final;

  // Any value is kept (a mode without a scene leaves the open tank); setting remaps even when the value
  // is unchanged.
  int32_t GetMode() const { return mode_; }
  void SetMode(int32_t value);
  // Where a front from the source has got to in the steps run since the field was cleared, at the
  // speed of the water where the source stands: a circle round a point source, a straight front for a
  // beam or a line.
  void AddTheory(const TWater& tank, TTheoryFigure& figure) const override;

 protected:
  // The tank's source-suggestion fields; a beam type of -1 withdraws any suggestion.
  struct TSourceSuggestion {
    int32_t beamType = -1;
    int32_t beamRow = 0;
    int32_t x = 0;
    int32_t y = 0;
  };

  // Writes the scene of the mode over the open tank (W and H are at least 1) and says where the
  // source should stand for it.
  virtual TSourceSuggestion MapScene(TWaterGrid& grid) = 0;

 private:
  int32_t mode_ = 0;
};

}  // namespace wavora
