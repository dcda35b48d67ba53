#pragma once
// Small arithmetic helpers shared by the filter files of the module Filters.
#include <cstdint>
#include <cstring>
#include <vector>

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

// A whole pixel as one 32-bit value: blue in the low byte, the reserved byte in the high
// one. Point filters that work on whole pixels leave the compiler loops it vectorises.
inline std::uint32_t loadPixel(const std::uint8_t* p) {
    std::uint32_t v;
    std::memcpy(&v, p, 4);
    return v;
}
inline void storePixel(std::uint8_t* p, std::uint32_t v) {
    std::memcpy(p, &v, 4);
}

// Whether the processor looks bytes up 64 at a time (the byte permutes of AVX-512 VBMI).
// The environment variable KORV_NO_WIDE_LOOKUP, set to anything but "" or "0", reports
// it absent, so that the other path can be tried on a processor that has it. The
// processor and the variable are asked once.
bool processorHasWideLookup();

// Each colour byte of a pixel through its channel's curve (blue, green, red), the
// reserved byte kept.
class PixelCurves {
public:
    PixelCurves(const std::uint8_t* blue, const std::uint8_t* green, const std::uint8_t* red);
    void apply(std::uint8_t* p, int count) const;

    // Whether curves made from now on look bytes up 64 at a time; on by default where the
    // processor can.
    static bool wideLookup();
    // Asks for the wide lookup or the narrow one and returns which is now in use: where
    // processorHasWideLookup() says no, the narrow one stays.
    static bool setWideLookup(bool on);

private:
    void applyPairs(std::uint8_t* p, int count) const;
    void applyWide(std::uint8_t* p, int count) const;

    bool wide_;
    bool same_; // one curve for all three channels
    std::uint8_t curve_[3][256];
    std::vector<std::uint16_t> blueGreen_; // pairs, built only when not wide
    std::uint32_t red_[256];
};

// Copies the three colour bytes of `count` pixels from `from` to `to`, leaving the
// reserved fourth byte of `to` as it is. Loops that work out every byte of a row, the
// reserved ones included, vectorise where a test per byte would not; this puts the
// reserved bytes back in one pass that vectorises too.
inline void keepReserved(std::uint8_t* to, const std::uint8_t* from, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i)
        storePixel(to + 4 * i,
                   (loadPixel(to + 4 * i) & 0xFF000000u) | (loadPixel(from + 4 * i) & 0x00FFFFFFu));
}

} // namespace korv::filterhelpers
