#pragma once

#include <cstdint>
#include <memory>

#include "sim/ri_map.h"

namespace wavora {

// The "Slits" experiment: an opaque screen two cells thick a quarter of the way across the tank, with
// one slit or a grating of up to 30 equal slits centred on the middle row. Set up from its panel only.
class TSlitsRIMapper : public TBaseRIMap {
 public:
  static constexpr int32_t kMaxNumber = 30;
  static constexpr int32_t kMaxRows = 99;

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  void Init() override;
  void MapToWater() override;
  std::unique_ptr<TControlPanelModel> CreateControlPanel() override;
  // The directions of the grating's maxima, d sin(theta) = m lambda, from the slits' centre with m
  // labelled and the fringe spacing where the first order meets the tank's far side; for one slit
  // the first minima, w sin(theta) = lambda.
  void AddTheory(const TWater& tank, TTheoryFigure& figure) const override;

  // Values beyond what the panel offers (1 to 30 slits, 0 to 99 rows) are held to its range, so no
  // file can make the grating overflow; writing the value already held does nothing.
  int32_t GetSpace() const { return space_; }
  void SetSpace(int32_t value);
  int32_t GetNumber() const { return number_; }
  void SetNumber(int32_t value);
  int32_t GetWidth() const { return width_; }
  void SetWidth(int32_t value);

 private:
  // The openings as mapped: N slits of w rows between bars of s rows, extent rows from row top, shrunk
  // to leave 20 rows of screen at each end of a low tank.
  struct TGrating {
    int32_t w, s, extent, top;
  };
  TGrating Grating() const;
  void Store(int32_t& field, int32_t value, int32_t low, int32_t high);

  int32_t space_ = 0;
  int32_t number_ = 0;
  int32_t width_ = 0;
};

}  // namespace wavora
