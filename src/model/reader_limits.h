#pragma once

#include <cstddef>

namespace wavora {

// Bounds that keep a hostile or broken file from exhausting memory or the stack. Real slideshows
// stay far below every one of them.
inline constexpr int kMaxNesting = 100;
inline constexpr size_t kMaxNameLength = 256;
inline constexpr size_t kMaxValueLength = size_t{1} << 20;
inline constexpr size_t kMaxNodesPerRead = 20000;
// Children of one element: objects arriving in a tank each look at their siblings, so a tank
// crowded with thousands of them would take minutes to read.
inline constexpr int kMaxChildrenPerElement = 1000;
inline constexpr size_t kMaxArrayItems = 1000000;
inline constexpr size_t kMaxFileSize = size_t{64} << 20;

}  // namespace wavora
