#pragma once

#include <cstdint>

namespace wavora {

enum class TMouseButton { Left, Right, Middle };

// Modifier keys held during a pointer event.
struct TShiftState {
  bool shift = false;
  bool ctrl = false;
  bool alt = false;
};

// A position in whole cells; grid coordinates (y upward) unless stated otherwise.
struct TPoint {
  int32_t x = 0;
  int32_t y = 0;
  friend bool operator==(const TPoint&, const TPoint&) = default;
};

}  // namespace wavora
