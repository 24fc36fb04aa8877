#include "media/tsunami_mapper.h"

#include <algorithm>
#include <array>

#include "image/fast_dib.h"
#include "media/land_masks.h"
#include "media/wall_cell.h"
#include "sim/resource_strings.h"
#include "sim/rounding.h"

namespace wavora {

namespace {

// The decoded masks, read once: they are part of the program and never change.
const TFastDIB& Mask(int mapIndex) {
  static const std::array<TFastDIB, kLandMaskCount> masks = [] {
    std::array<TFastDIB, kLandMaskCount> decoded;
    for (int i = 0; i < kLandMaskCount; ++i)
      decoded[size_t(i)] = LandMask(i);
    return decoded;
  }();
  return masks[size_t(mapIndex)];
}

// The epicentre of a map as a fraction of the tank, in 401ths (rows counted from the bottom).
struct TEpicentre {
  int64_t x, y;
};
constexpr TEpicentre kEpicentres[kLandMaskCount] = {{323, 159}, {307, 150}};

void MapLand(TWaterGrid& grid, const TFastDIB& mask) {
  const int32_t W = grid.Width();
  const int32_t H = grid.Height();
  if (mask.IsEmpty()) return;
  // The whole map fits the tank with its proportions kept; spare columns or rows stay sea.
  const double s = std::max(static_cast<double>(mask.Width()) / W, static_cast<double>(mask.Height()) / H);
  for (int32_t x = 0; x < W; ++x) {
    const int32_t px = RoundHalfEven(x * s);
    if (px >= mask.Width()) continue;
    const TColumn column = grid.Column(x);
    for (int32_t y = 0; y < H; ++y) {
      const int32_t py = RoundHalfEven((H - 1 - y) * s);  // the picture's rows count from the top
      if (py < mask.Height() && mask.Pixel(px, py) == kLandColour) MakeWall(column[y], true);
    }
  }
}

void MapBeach(TWaterGrid& grid) {
  const int32_t W = grid.Width();
  const int32_t H = grid.Height();
  // The water grows shallower and slower from the middle to seven eighths of the way across; beyond
  // is the shore.
  const int32_t x0 = W / 2;
  const int32_t x1 = static_cast<int32_t>(7 * static_cast<int64_t>(W) / 8);
  const int32_t length = x1 - x0;
  for (int32_t x = x0; x < x1; ++x) {
    const double f = 1 - static_cast<double>(x - x0) / length;
    const TColumn column = grid.Column(x);
    for (int32_t y = 0; y < H; ++y) {
      column[y].SpeedFactor = static_cast<float>(0.5 * f);
      column[y].Velocity = static_cast<float>(column[y].Velocity * f);
      column[y].Displacement = static_cast<float>(column[y].Displacement * f);
    }
  }
  for (int32_t x = x1; x < W; ++x) {
    const TColumn column = grid.Column(x);
    for (int32_t y = 0; y < H; ++y)
      MakeWall(column[y], true);
  }
}

}  // namespace

const TClassInfo& TTsunamiRIMapper::StaticClassInfo() {
  using T = TTsunamiRIMapper;
  static const TClassInfo info =
      TClassBuilder<T>("TTsunamiRIMapper", &TModeRIMapper::StaticClassInfo())
          .Texts(std::string(rs::Tsunami.english), std::string(rs::TsunamiDescription.english))
          .Build();
  return info;
}

TModeRIMapper::TSourceSuggestion TTsunamiRIMapper::MapScene(TWaterGrid& grid) {
  const int32_t mode = GetMode();
  if (mode == IndianOcean || mode == Atlantic) {
    MapLand(grid, Mask(mode));
    // A point source at the epicentre.
    const TEpicentre& epicentre = kEpicentres[mode];
    return {0, 0, static_cast<int32_t>(W() * epicentre.x / 401),
            static_cast<int32_t>(H() * epicentre.y / 401)};
  }
  if (mode == Beach) {
    MapBeach(grid);
    return {2, 0, 0, 0};  // a line source: straight fronts running up the beach
  }
  return {};
}

}  // namespace wavora
