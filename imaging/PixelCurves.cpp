// Byte curves over whole pixels, for the point filters that map each channel through a
// table (brightness, level stretch, gamma).
#include "imaging/FilterHelpers.h"

#include <atomic>
#include <cstdlib>

#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#define KORV_WIDE_LOOKUP 1
#endif

namespace korv::filterhelpers {

namespace {

bool askProcessor() {
    const char* no = std::getenv("KORV_NO_WIDE_LOOKUP");
    if (no && *no && std::strcmp(no, "0") != 0) return false;
#ifdef KORV_WIDE_LOOKUP
    // The byte permutes of AVX-512 VBMI look up 128 table bytes in one instruction.
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512bw") &&
           __builtin_cpu_supports("avx512vbmi");
#else
    return false;
#endif
}

// Made on first use, so that it never depends on the order of static initialisation.
std::atomic<bool>& wideSwitch() {
    static std::atomic<bool> on{processorHasWideLookup()};
    return on;
}

} // namespace

bool processorHasWideLookup() {
    static const bool has = askProcessor();
    return has;
}

bool PixelCurves::wideLookup() {
    return wideSwitch().load(std::memory_order_relaxed);
}

bool PixelCurves::setWideLookup(bool on) {
    // The wide path runs instructions the processor may lack: only where it has them.
    const bool wide = on && processorHasWideLookup();
    wideSwitch().store(wide, std::memory_order_relaxed);
    return wide;
}

PixelCurves::PixelCurves(const std::uint8_t* blue, const std::uint8_t* green,
                         const std::uint8_t* red)
    : wide_(wideLookup()) {
    std::memcpy(curve_[0], blue, 256);
    std::memcpy(curve_[1], green, 256);
    std::memcpy(curve_[2], red, 256);
    same_ = std::memcmp(blue, green, 256) == 0 && std::memcmp(blue, red, 256) == 0;
    if (wide_) return;
    // Blue and green are looked up together in a table of pairs: two lookups a pixel
    // instead of three, for a table built in a loop that vectorises.
    blueGreen_.resize(65536);
    for (int g = 0; g < 256; ++g)
        for (int b = 0; b < 256; ++b)
            blueGreen_[static_cast<std::size_t>(g << 8 | b)] =
                static_cast<std::uint16_t>(blue[b] | green[g] << 8);
    for (int r = 0; r < 256; ++r)
        red_[r] = std::uint32_t{red[r]} << 16;
}

void PixelCurves::apply(std::uint8_t* p, int count) const {
    if (wide_)
        applyWide(p, count);
    else
        applyPairs(p, count);
}

void PixelCurves::applyPairs(std::uint8_t* p, int count) const {
    for (int x = 0; x < count; ++x, p += 4) {
        const std::uint32_t c = loadPixel(p);
        storePixel(p, (c & 0xFF000000u) | blueGreen_[c & 0xFFFF] | red_[(c >> 16) & 0xFF]);
    }
}

#ifdef KORV_WIDE_LOOKUP
namespace {

// Sixteen pixels through the curves: each 256-byte curve is two 128-byte halves, each
// looked up by one permute on the low seven bits of every byte, the high bit choosing
// the half. Only the lanes of the curve's channel are taken; the reserved bytes stay.
__attribute__((target("avx512f,avx512bw,avx512vbmi"))) void
wideRun(const std::uint8_t (*curve)[256], bool same, std::uint8_t* p, int count) {
    __m512i table[3][4];
    for (int c = 0; c < 3; ++c)
        for (int q = 0; q < 4; ++q)
            table[c][q] = _mm512_loadu_si512(curve[c] + 64 * q);
    constexpr __mmask64 blue = 0x1111111111111111ull;
    const __mmask64 lanes[3] = {blue, blue << 1, blue << 2};
    int x = 0;
    for (; x + 16 <= count; x += 16, p += 64) {
        const __m512i v = _mm512_loadu_si512(p);
        const __mmask64 high = _mm512_movepi8_mask(v);
        __m512i out = v;
        for (int c = 0; c < (same ? 1 : 3); ++c) {
            const __m512i low = _mm512_permutex2var_epi8(table[c][0], v, table[c][1]);
            const __m512i upper = _mm512_permutex2var_epi8(table[c][2], v, table[c][3]);
            const __m512i looked = _mm512_mask_blend_epi8(high, low, upper);
            out = _mm512_mask_blend_epi8(same ? lanes[0] | lanes[1] | lanes[2] : lanes[c], out,
                                         looked);
        }
        _mm512_storeu_si512(p, out);
    }
    for (; x < count; ++x, p += 4)
        for (int c = 0; c < 3; ++c)
            p[c] = curve[c][p[c]];
}

} // namespace
#endif

void PixelCurves::applyWide(std::uint8_t* p, int count) const {
#ifdef KORV_WIDE_LOOKUP
    wideRun(curve_, same_, p, count);
#else
    // Not reached: the switch stays off where there is no wide lookup.
    for (int x = 0; x < count; ++x, p += 4)
        for (int c = 0; c < 3; ++c)
            p[c] = curve_[c][p[c]];
#endif
}

} // namespace korv::filterhelpers
