#include "sim/field_file.h"

#include <cstdint>
#include <cstring>

#include "sim/water_grid.h"

namespace wavora {

namespace {

void AppendLittleEndian(std::string& out, uint32_t value) {
  for (int i = 0; i < 4; ++i)
    out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

}  // namespace

std::string EncodeFieldFile(const TWaterGrid& grid) {
  std::string out = "WVFIELD1";
  out.reserve(kFieldFileHeaderBytes + grid.CellCount() * sizeof(TWaterCell));
  AppendLittleEndian(out, static_cast<uint32_t>(grid.Width()));
  AppendLittleEndian(out, static_cast<uint32_t>(grid.Height()));
  for (int32_t x = 0; x < grid.Width(); ++x) {
    const TConstColumn column = grid.Column(x);
    for (int32_t y = 0; y < grid.Height(); ++y) {
      for (float value :
           {column[y].Displacement, column[y].Velocity, column[y].SpeedFactor, column[y].Damping}) {
        uint32_t bits = 0;
        std::memcpy(&bits, &value, sizeof bits);
        AppendLittleEndian(out, bits);
      }
    }
  }
  return out;
}

}  // namespace wavora
