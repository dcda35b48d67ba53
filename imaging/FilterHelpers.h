#pragma once
// Small arithmetic helpers shared by the filter files of the module Filters.
#include <cstdint>
#include <cstring>

namespace korv::filterhelpers {

// A value brought into 0..255 before it is stored in a byte.
inline std::uint8_t clampByte(std::int64_t v) {
    return static_cast<std::uint8_t>(v < 0 ? 0 : (v > 255 ? 255 : v));
}

// The same for values known to fit an int, which vectorises where 64 bits do not.
inline std::uint8_t clampByte(int v) {
    return static_cast<std::uint8_t>(v < 0 ? 0 : (v > 255 ? 255 : v));
}

// (y * scale) \ h, the progress share of row y of h rows.
inline int share(int y, int scale, int h) {
    return static_cast<int>(static_cast<std::int64_t>(y) * scale / h);
}

// The redistributing clip of the contrast filter: half of what a channel lies outside
// 0..255 moves onto each of the other two, until all three lie inside.
void redistributingClip(std::int64_t& b, std::int64_t& g, std::int64_t& r);

// Copies the three colour bytes of `count` pixels from `from` to `to`, leaving the
// reserved fourth byte of `to` as it is. Loops that work out every byte of a row, the
// reserved ones included, vectorise where a test per byte would not; this puts the
// reserved bytes back in one pass that vectorises too.
inline void keepReserved(std::uint8_t* to, const std::uint8_t* from, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
        std::uint32_t a, b; // whole pixels, blue in the low byte, reserved in the high one
        std::memcpy(&a, to + 4 * i, 4);
        std::memcpy(&b, from + 4 * i, 4);
        a = (a & 0xFF000000u) | (b & 0x00FFFFFFu);
        std::memcpy(to + 4 * i, &a, 4);
    }
}

} // namespace korv::filterhelpers
