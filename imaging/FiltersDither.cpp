// Black-and-white dithering filters: sharpen dither (19), ordered dither
// (20), and error diffusion after Floyd-Steinberg (21), Burkes (22) and Stucki (23).
#include "imaging/FilterHelpers.h"
#include "imaging/Filters.h"

#include <array>
#include <cstring>
#include <utility>
#include <vector>

namespace korv {

using filterhelpers::clampByte;
using filterhelpers::share;

namespace {

inline void setBW(std::uint8_t* p, bool white) {
    const std::uint8_t v = white ? 255 : 0;
    p[0] = p[1] = p[2] = v;
}

} // namespace

// 19: sharpen inside the border, threshold at the mean grey, a quarter of the error
// carried to the next pixel in scan order.
void Filters::FilterSharpenDither(int& Progress) {
    Voortgang = 0;
    fillThirds();
    const std::int64_t T = meanGrey();
    Progress = 5;
    yieldOnce();
    std::int64_t carry = 0;
    // Every row is written: rows y - 1 and y are read from copies taken before they were,
    // row y + 1 is still the picture's own.
    const std::size_t n = rowBytes();
    PixelsOrg.assign(2 * n, 0);
    std::uint8_t* above = PixelsOrg.data();
    std::uint8_t* here = above + n;
    for (int y = 1; y <= H; ++y) {
        const bool innerRow = y > 1 && y < H;
        std::memcpy(here, row(y), n);
        const std::uint8_t* cur = here;
        const std::uint8_t* up = innerRow ? above : nullptr;
        const std::uint8_t* dn = innerRow ? row(y + 1) : nullptr;
        std::uint8_t* out = row(y);
        for (int x = 1; x <= W; ++x) {
            const std::size_t o = 4 * static_cast<std::size_t>(x - 1);
            int sum = 0;
            for (int c = 0; c < 3; ++c) {
                const std::size_t k = o + c;
                if (innerRow && x > 1 && x < W) {
                    const int s8 = up[k - 4] + up[k] + up[k + 4] + cur[k - 4] + cur[k + 4] +
                                   dn[k - 4] + dn[k] + dn[k + 4];
                    sum += clampByte((10 * cur[k] - s8) / 2);
                } else {
                    sum += cur[k];
                }
            }
            const std::int64_t v = clampByte(Tabel[static_cast<std::size_t>(sum)] + carry);
            const int outV = v >= T ? 255 : 0;
            setBW(out + o, outV == 255);
            carry = (v - outV) / 4;
        }
        std::swap(above, here);
        reportRow(y, 5 + share(y, 95, H), Progress);
    }
    finish(Progress);
}

// 20: ordered dither with the 4 x 4 threshold matrix.
void Filters::FilterOrderedDither(int& Progress) {
    static constexpr int M[4][4] = {
        // M[j - 1][i - 1], j from the row, i from the column
        {1, 13, 4, 16},
        {9, 5, 12, 8},
        {3, 15, 2, 14},
        {11, 7, 10, 6},
    };
    Voortgang = 0;
    for (int i = 0; i <= 765; ++i)
        Tabel[static_cast<std::size_t>(i)] = (i / 3) / 16 + 1;
    for (int y = 1; y <= H; ++y) {
        const std::uint8_t* s = row(y); // read before it is written
        std::uint8_t* p = row(y);
        const int* mRow = M[(y - 1) % 4];
        for (int x = 1; x <= W; ++x, s += 4, p += 4) {
            const int L = Tabel[static_cast<std::size_t>(s[0] + s[1] + s[2])];
            setBW(p, !(L < mRow[(x - 1) % 4]));
        }
        reportRow(y, share(y, 100, H), Progress);
    }
    finish(Progress);
}

// 21 to 23: error diffusion with the given kernel, threshold at the mean grey; the
// carried error is scaled by 10 / Param when it is applied.
void Filters::errorDiffusion(int& Progress, int Param, const DiffusionSlot* kernel, int nSlots,
                             int divisor, int errorRows, int firstProgress) {
    if (Param == 0) { // the carried error would divide by 0: the picture stays as it is
        finish(Progress);
        return;
    }
    fillThirds();
    // K(k, e) = (w(k) * e) \ D for e = -255..255.
    std::vector<std::array<int, 511>> K(static_cast<std::size_t>(nSlots));
    for (int k = 0; k < nSlots; ++k)
        for (int e = -255; e <= 255; ++e)
            K[static_cast<std::size_t>(k)][static_cast<std::size_t>(e + 255)] =
                (kernel[k].w * e) / divisor;
    // Error rows E(1..n, x), with a margin of two columns on either side so that the
    // index stays valid; shares whose target lies outside are not added.
    const std::size_t stride = static_cast<std::size_t>(W) + 4;
    std::vector<std::int64_t> E(stride * static_cast<std::size_t>(errorRows), 0);
    auto err = [&](int r, int x) -> std::int64_t& {
        return E[static_cast<std::size_t>(r - 1) * stride + static_cast<std::size_t>(x + 1)];
    };

    Progress = firstProgress;
    yieldOnce();
    const std::int64_t T = meanGrey();
    Progress = 10;
    yieldOnce();

    for (int y = 1; y <= H; ++y) {
        const std::uint8_t* s = row(y); // read before it is written
        std::uint8_t* p = row(y);
        for (int x = 1; x <= W; ++x, s += 4, p += 4) {
            const int g = Tabel[static_cast<std::size_t>(s[0] + s[1] + s[2])];
            const std::int64_t v = clampByte((err(1, x) * 10) / Param + g);
            const int out = v >= T ? 255 : 0;
            setBW(p, out == 255);
            const int e = static_cast<int>(v) - out;
            for (int k = 0; k < nSlots; ++k) {
                const int tx = x + kernel[k].dx;
                const int ty = y + kernel[k].dy;
                if (tx < 1 || tx > W || ty > H) continue;
                err(1 + kernel[k].dy, tx) +=
                    K[static_cast<std::size_t>(k)][static_cast<std::size_t>(e + 255)];
            }
        }
        // Move the error rows up by one and clear the last.
        for (int r = 1; r < errorRows; ++r)
            for (int x = 1; x <= W; ++x)
                err(r, x) = err(r + 1, x);
        for (int x = 1; x <= W; ++x)
            err(errorRows, x) = 0;
        reportRow(y, 10 + share(y, 90, H), Progress);
    }
    finish(Progress);
}

void Filters::FilterDitherFloydSteinberg(int& Progress, int Param) {
    static constexpr DiffusionSlot kernel[] = {{1, 0, 7}, {-1, 1, 3}, {0, 1, 5}, {1, 1, 1}};
    errorDiffusion(Progress, Param, kernel, 4, 16, 2, 2);
}

void Filters::FilterDitherBurkes(int& Progress, int Param) {
    static constexpr DiffusionSlot kernel[] = {{1, 0, 8}, {2, 0, 4}, {-2, 1, 2}, {-1, 1, 4},
                                               {0, 1, 8}, {1, 1, 4}, {2, 1, 2}};
    errorDiffusion(Progress, Param, kernel, 7, 32, 2, 3);
}

void Filters::FilterDitherStucki(int& Progress, int Param) {
    static constexpr DiffusionSlot kernel[] = {{1, 0, 8},  {2, 0, 4}, {-2, 1, 2}, {-1, 1, 4},
                                               {0, 1, 8},  {1, 1, 4}, {2, 1, 2},  {-2, 2, 1},
                                               {-1, 2, 2}, {0, 2, 4}, {1, 2, 2},  {2, 2, 1}};
    errorDiffusion(Progress, Param, kernel, 12, 42, 3, 3);
}

} // namespace korv
