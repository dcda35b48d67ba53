// Neighbourhood filters: sharpen (1), blur (3), diffuse (4), smooth (5),
// edge (6), contour (7), the four emboss filters (8 to 11) and relief (13).
#include "imaging/FilterHelpers.h"
#include "imaging/Filters.h"
#include "platform/VbMath.h"

#include <vector>

namespace korv {

using filterhelpers::clampByte;
using filterhelpers::share;

namespace {

// Sum of the eight neighbours of the byte at offset o of the middle row.
inline int sum8(const std::uint8_t* up, const std::uint8_t* cur, const std::uint8_t* dn,
                std::size_t o) {
    return up[o - 4] + up[o] + up[o + 4] + cur[o - 4] + cur[o + 4] + dn[o - 4] + dn[o] + dn[o + 4];
}

// The colour parts of Param for every byte of a row: channel 1 blue, 2 green, 3 red, and
// 0 for the reserved byte, whose result is not kept. The walks add them by the byte's
// own index, which vectorises where a channel index (k % 4) into three parts would not.
std::vector<int> colourRow(int Param, std::size_t rowBytes) {
    int col[4] = {0, 0, 0, 0};
    Filters::SplitRGB(Param, col[2], col[1], col[0]);
    std::vector<int> out(rowBytes);
    for (std::size_t k = 0; k < rowBytes; ++k)
        out[k] = col[k % 4];
    return out;
}

} // namespace

// 1: (p * (Param + 24) - 2 * S8) \ (Param + 8), clamped; in place.
void Filters::FilterSharpen(int& Progress, int Param) {
    const std::int64_t a = static_cast<std::int64_t>(Param) + 24;
    const std::int64_t d = static_cast<std::int64_t>(Param) + 8;
    if (d == 0) { // the divisor would be 0: the picture stays as it is
        Voortgang = 0;
        finish(Progress);
        return;
    }
    weightedInPlace(Progress, a, 2, d);
}

// (p * a - w * S8) \ d, clamped; in place. Each pixel waits for the result of its left
// neighbour, so the division's latency sets the pace: 32-bit arithmetic, several times
// faster than 64-bit, whenever the numerator (at most 255 |a| + 2 * 2040) and the
// divisor fit.
void Filters::weightedInPlace(int& Progress, std::int64_t a, int w, std::int64_t d) {
    constexpr std::int64_t small = std::int64_t{1} << 22;
    if (a > -small && a < small && d > -small && d < small) {
        const int a32 = static_cast<int>(a), d32 = static_cast<int>(d);
        walkInPlace3x3(Progress, [a32, w, d32](const std::uint8_t* up, const std::uint8_t* cur,
                                               const std::uint8_t* dn, std::size_t k) {
            return clampByte((cur[k] * a32 - w * sum8(up, cur, dn, k)) / d32);
        });
    } else {
        walkInPlace3x3(Progress, [a, w, d](const std::uint8_t* up, const std::uint8_t* cur,
                                           const std::uint8_t* dn, std::size_t k) {
            return clampByte((cur[k] * a - w * sum8(up, cur, dn, k)) / d);
        });
    }
}

// 3: S8 \ 8; in place.
void Filters::FilterBlur(int& Progress) {
    walkInPlace3x3(Progress, [](const std::uint8_t* up, const std::uint8_t* cur,
                                const std::uint8_t* dn, std::size_t k) {
        return static_cast<std::uint8_t>(sum8(up, cur, dn, k) / 8);
    });
}

// 4: every pixel takes the pixel at a random offset, in place.
void Filters::FilterDiffuse(int& Progress, int Param) {
    Voortgang = 0;
    const int Half = vbCInt(Param / 2.0);
    for (int y = 1; y <= H; ++y) {
        for (int x = 1; x <= W; ++x) {
            std::int64_t dx = vbCInt(state.services.random.next() * Param - Half);
            std::int64_t dy = vbCInt(state.services.random.next() * Param - Half);
            if (x + dx < 1 || x + dx > W) dx = 0;
            if (y + dy < 1 || y + dy > H) dy = 0;
            const std::size_t to = at(1, x, y);
            const std::size_t from = at(1, static_cast<int>(x + dx), static_cast<int>(y + dy));
            Pixels[to] = Pixels[from];
            Pixels[to + 1] = Pixels[from + 1];
            Pixels[to + 2] = Pixels[from + 2];
        }
        reportRow(y, share(y, 100, H), Progress);
    }
    finish(Progress);
}

// 5: mean of the pixel and its four direct neighbours, rounded down; in place.
void Filters::FilterSmooth(int& Progress) {
    walkInPlace3x3(Progress, [](const std::uint8_t* up, const std::uint8_t* cur,
                                const std::uint8_t* dn, std::size_t k) {
        return static_cast<std::uint8_t>((cur[k] + cur[k - 4] + cur[k + 4] + up[k] + dn[k]) / 5);
    });
}

// 6: (p * (Param + 9) - S8) \ (Param + 1), clamped; in place.
void Filters::FilterEdge(int& Progress, int Param) {
    const std::int64_t a = static_cast<std::int64_t>(Param) + 9;
    const std::int64_t d = static_cast<std::int64_t>(Param) + 1;
    if (d == 0) { // the divisor would be 0: the picture stays as it is
        Voortgang = 0;
        finish(Progress);
        return;
    }
    weightedInPlace(Progress, a, 1, d);
}

// 7: 8 * p - S8 + colour part of Param, clamped; from the source.
void Filters::FilterContour(int& Progress, int Param) {
    const std::vector<int> colour = colourRow(Param, rowBytes());
    const int* col = colour.data();
    walkFromSource3x3(Progress, [col](const std::uint8_t* up, const std::uint8_t* cur,
                                      const std::uint8_t* dn, std::size_t k) {
        return clampByte(8 * cur[k] - sum8(up, cur, dn, k) + col[k]);
    });
}

// 8 (sign +1): |p(x, y) - p(x + 1, y + 1) + colour|; 10 (sign -1): |p(x + 1, y + 1) -
// p(x, y) + colour|; clamped; x 1 to W - 1, y 1 to H - 1, in place (neither value read
// has been written yet).
void Filters::embossDiagonal(int& Progress, int Param, int sign) {
    Voortgang = 0;
    int col[3];
    SplitRGB(Param, col[2], col[1], col[0]);
    const int lastY = H - 1, lastX = W - 1;
    for (int y = 1; y <= lastY; ++y) {
        std::uint8_t* cur = row(y);
        const std::uint8_t* dn = row(y + 1);
        for (int x = 1; x <= lastX; ++x) {
            const std::size_t o = 4 * static_cast<std::size_t>(x - 1);
            for (int c = 0; c < 3; ++c) {
                const int d = sign * (cur[o + c] - dn[o + 4 + c]) + col[c];
                cur[o + c] = clampByte(d < 0 ? -static_cast<std::int64_t>(d) : d);
            }
        }
        reportRow(y, share(y, 100, H), Progress);
    }
    finish(Progress);
}

void Filters::FilterEmbossDiagonalInverse(int& Progress, int Param) {
    embossDiagonal(Progress, Param, +1);
}

void Filters::FilterEmbossDiagonal(int& Progress, int Param) {
    embossDiagonal(Progress, Param, -1);
}

// 9 (sign +1): left column minus right column + colour; 11 (sign -1): right minus left
// + colour; clamped; from the source.
void Filters::embossMulti(int& Progress, int Param, int sign) {
    const std::vector<int> colour = colourRow(Param, rowBytes());
    const int* col = colour.data();
    walkFromSource3x3(Progress, [col, sign](const std::uint8_t* up, const std::uint8_t* cur,
                                            const std::uint8_t* dn, std::size_t k) {
        const int left = up[k - 4] + cur[k - 4] + dn[k - 4];
        const int right = up[k + 4] + cur[k + 4] + dn[k + 4];
        return clampByte(sign * (left - right) + col[k]);
    });
}

void Filters::FilterEmbossMulti2(int& Progress, int Param) {
    embossMulti(Progress, Param, +1);
}

void Filters::FilterEmbossMulti(int& Progress, int Param) {
    embossMulti(Progress, Param, -1);
}

// 13: (p + g) \ 2 + 50, clamped, g = 2 p(x-1, y-1) + p(x-1, y) + p(x, y-1) - p(x, y+1)
// - p(x+1, y) - 2 p(x+1, y+1); from the source.
void Filters::FilterRelief(int& Progress) {
    walkFromSource3x3(Progress, [](const std::uint8_t* up, const std::uint8_t* cur,
                                   const std::uint8_t* dn, std::size_t k) {
        const int g = 2 * up[k - 4] + cur[k - 4] + up[k] - dn[k] - cur[k + 4] - 2 * dn[k + 4];
        return clampByte((cur[k] + g) / 2 + 50);
    });
}

} // namespace korv
