#pragma once
// Small arithmetic helpers shared by the filter files of the module Filters.
#include <cstdint>

namespace korv::filterhelpers {

// A value brought into 0..255 before it is stored in a byte.
inline std::uint8_t clampByte(std::int64_t v) {
    return static_cast<std::uint8_t>(v < 0 ? 0 : (v > 255 ? 255 : v));
}

// (y * scale) \ h, the progress share of row y of h rows.
inline int share(int y, int scale, int h) {
    return static_cast<int>(static_cast<std::int64_t>(y) * scale / h);
}

// The redistributing clip of the contrast filter: half of what a channel lies outside
// 0..255 moves onto each of the other two, until all three lie inside.
void redistributingClip(std::int64_t& b, std::int64_t& g, std::int64_t& r);

} // namespace korv::filterhelpers
