// Level stretch (28), add noise (29), saturation (30) and gamma (31).
#include "imaging/FilterHelpers.h"
#include "imaging/Filters.h"
#include "platform/VbMath.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace korv {

using filterhelpers::clampByte;
using filterhelpers::PixelCurves;
using filterhelpers::share;

// 28: each channel stretched so that its smallest value becomes 0 and its largest 255.
// A channel with one value everywhere stays as it is (its stretch would be 0 / 0).
void Filters::FilterStretchLevels(int& Progress) {
    Voortgang = 0;
    // The smallest and largest value of every byte position in blocks of 64 bytes (16
    // pixels), so that the loop works on whole blocks the compiler vectorises; byte k of
    // a block belongs to channel k mod 4. Pixels after the last whole block of a row are
    // folded in one by one.
    constexpr std::size_t block = 64;
    std::uint8_t low[block], high[block];
    std::fill(low, low + block, std::uint8_t{255});
    std::fill(high, high + block, std::uint8_t{0});
    int smallest[3] = {255, 255, 255};
    int largest[3] = {0, 0, 0};
    const std::size_t n = rowBytes();
    for (int y = 1; y <= H; ++y) {
        const std::uint8_t* s = row(y); // read before it is written
        std::size_t k = 0;
        for (; k + block <= n; k += block)
            for (std::size_t j = 0; j < block; ++j) {
                // By value: std::min's reference to one of two objects would stop it.
                const std::uint8_t v = s[k + j];
                low[j] = v < low[j] ? v : low[j];
                high[j] = v > high[j] ? v : high[j];
            }
        for (; k < n; k += 4)
            for (int c = 0; c < 3; ++c) {
                smallest[c] = std::min<int>(smallest[c], s[k + c]);
                largest[c] = std::max<int>(largest[c], s[k + c]);
            }
        // First pass: progress without the bar.
        Voortgang = share(y, 10, H);
        Progress = Voortgang;
        yieldOnce();
    }
    for (std::size_t j = 0; j < block; ++j)
        if (j % 4 != 3) {
            smallest[j % 4] = std::min<int>(smallest[j % 4], low[j]);
            largest[j % 4] = std::max<int>(largest[j % 4], high[j]);
        }
    Progress = 10;
    yieldOnce();

    // The curve of each channel, N(((v - smallest) * 255) / (largest - smallest)).
    std::uint8_t curve[3][256];
    for (int c = 0; c < 3; ++c) {
        const int span = largest[c] - smallest[c];
        for (int v = 0; v <= 255; ++v) {
            if (span == 0 || v < smallest[c] || v > largest[c])
                curve[c][v] = static_cast<std::uint8_t>(v); // unchanged
            else
                curve[c][v] = static_cast<std::uint8_t>(
                    vbCInt(static_cast<double>((v - smallest[c]) * 255) / span));
        }
    }
    const PixelCurves curves(curve[0], curve[1], curve[2]);
    for (int y = 1; y <= H; ++y) {
        curves.apply(row(y), W);
        reportRow(y, 10 + share(y, 90, H), Progress);
    }
    finish(Progress);
}

// 29: N(r * (2P + 1) - P + v) per channel, one random number per channel in the order
// blue, green, red; clamped.
void Filters::FilterAddNoise(int& Progress, int Param) {
    Voortgang = 0;
    const int w = W; // see Filters::W
    const double span = 2.0 * Param + 1.0;
    const double P = Param;
    // A row's numbers are drawn in one run, in the order the pixels use them: the
    // generator then keeps its state in registers.
    std::vector<double> numbers(3 * static_cast<std::size_t>(W));
    for (int y = 1; y <= H; ++y) {
        state.services.random.fill(numbers.data(), numbers.size());
        const double* r = numbers.data();
        std::uint8_t* p = row(y); // each byte read before it is written
        for (int x = 0; x < w; ++x, p += 4, r += 3)
            for (int c = 0; c < 3; ++c)
                p[c] = clampByte(vbCInt(r[c] * span - P + p[c]));
        reportRow(y, share(y, 100, H), Progress);
    }
    finish(Progress);
}

// 30: N(v + k * (v - g)) with g the pixel's grey value and k = P / 100 in single
// precision; clamped.
void Filters::FilterSaturation(int& Progress, int Param) {
    Voortgang = 0;
    const int w = W; // see Filters::W
    fillThirds();
    const double k = static_cast<double>(static_cast<float>(Param / 100.0));
    // A result depends on the channel's value and the grey value alone: each grey value's
    // curve is worked out the first time a pixel has it, then looked up.
    std::vector<std::uint8_t> curves(256 * 256);
    std::array<bool, 256> ready{};
    for (int y = 1; y <= H; ++y) {
        std::uint8_t* p = row(y);
        for (int x = 0; x < w; ++x, p += 4) {
            const int g = Tabel[static_cast<std::size_t>(p[0] + p[1] + p[2])];
            std::uint8_t* curve = curves.data() + 256 * g;
            if (!ready[static_cast<std::size_t>(g)]) {
                ready[static_cast<std::size_t>(g)] = true;
                for (int v = 0; v <= 255; ++v)
                    curve[v] = clampByte(vbCInt(v + k * (v - g)));
            }
            for (int c = 0; c < 3; ++c)
                p[c] = curve[p[c]];
        }
        reportRow(y, share(y, 100, H), Progress);
    }
    finish(Progress);
}

// 31: N(255 * (v / 255) ^ (1 / gamma)), gamma = P / 100 in single precision. P of 0 or
// less leaves the picture as it is (gamma 0 has no curve, and below 0 the curve leaves 0..255).
void Filters::FilterGamma(int& Progress, int Param) {
    Voortgang = 0;
    if (Param <= 0) {
        finish(Progress);
        return;
    }
    const float gamma = static_cast<float>(Param / 100.0);
    const double exponent = 1.0 / static_cast<double>(gamma);
    std::uint8_t curve[256];
    for (int v = 0; v <= 255; ++v)
        curve[v] = clampByte(vbCInt(255.0 * std::pow(v / 255.0, exponent)));
    const PixelCurves curves(curve, curve, curve);
    for (int y = 1; y <= H; ++y) {
        curves.apply(row(y), W);
        reportRow(y, share(y, 100, H), Progress);
    }
    finish(Progress);
}

} // namespace korv
