#pragma once

#include <cstddef>
#include <string>

namespace wavora {

class TWaterGrid;

// The field as bytes, for comparing runs: "WVFIELD1", int32 width, int32 height, then every cell in
// grid order (x outer, y inner, y from the bottom) as four float32 (Displacement, Velocity,
// SpeedFactor, Damping), all little-endian.
inline constexpr size_t kFieldFileHeaderBytes = 16;
std::string EncodeFieldFile(const TWaterGrid& grid);

}  // namespace wavora
