// Black-and-white dithering filters: sharpen dither (19), ordered dither
// (20), and error diffusion after Floyd-Steinberg (21), Burkes (22) and Stucki (23).
#include "imaging/FilterHelpers.h"
#include "imaging/Filters.h"

#include <algorithm>
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
    PixelsOrg.assign(3 * n, 0);
    std::uint8_t* above = PixelsOrg.data();
    std::uint8_t* here = above + n;
    std::uint8_t* sharp = here + n;
    for (int y = 1; y <= H; ++y) {
        std::memcpy(here, row(y), n);
        const std::uint8_t* in = here;
        if (y > 1 && y < H) {
            // The sharpened bytes first, in a pass without dependences that vectorises;
            // the first and last pixel of the row keep theirs.
            const std::uint8_t* up = above;
            const std::uint8_t* cur = here;
            const std::uint8_t* dn = row(y + 1);
            std::memcpy(sharp, here, n);
            for (std::size_t k = 4; k + 4 < n; ++k) {
                const int s8 = up[k - 4] + up[k] + up[k + 4] + cur[k - 4] + cur[k + 4] + dn[k - 4] +
                               dn[k] + dn[k + 4];
                sharp[k] = static_cast<std::uint8_t>(std::clamp((10 * cur[k] - s8) / 2, 0, 255));
            }
            in = sharp;
        }
        std::uint8_t* out = row(y);
        for (std::size_t o = 0; o < n; o += 4) {
            const int sum = in[o] + in[o + 1] + in[o + 2];
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
//
// The kernel is a template argument, so that its loop unrolls and its divisions by a
// constant become multiplications. A carried error never leaves -255..255 (the shares of
// a kernel add up to its divisor, and a pixel's error lies in that range), so its
// scaling by 10 / Param is a table. The error rows are a ring, each with a margin of two
// columns on either side: shares whose target lies outside the picture land in a
// margin or in a row past the last, which are never read, instead of being tested for.
template <Filters::DiffusionKernel K> void Filters::errorDiffusion(int& Progress, int Param) {
    static_assert(
        [] {
            for (int k = 0; k < K.count; ++k)
                if (K.slot[k].dy < 0 || K.slot[k].dy >= K.errorRows || K.slot[k].dx < -2 ||
                    K.slot[k].dx > 2 || (K.slot[k].dy == 0 && K.slot[k].dx < 1))
                    return false;
            return true;
        }(),
        "shares go to later pixels of this row or up to two columns away in the rows below");
    if (Param == 0) { // the carried error would divide by 0: the picture stays as it is
        finish(Progress);
        return;
    }
    fillThirds();
    std::array<int, 511> scaled; // (e * 10) \ Param for e = -255..255
    for (int e = -255; e <= 255; ++e)
        scaled[static_cast<std::size_t>(e + 255)] =
            static_cast<int>((static_cast<std::int64_t>(e) * 10) / Param);
    const std::size_t stride = static_cast<std::size_t>(W) + 4;
    std::vector<int> ring(stride * static_cast<std::size_t>(K.errorRows), 0);

    Progress = K.firstProgress;
    yieldOnce();
    const std::int64_t T = meanGrey();
    Progress = 10;
    yieldOnce();

    for (int y = 1; y <= H; ++y) {
        // E(r, x) of the rows below: E(1) this row, E(2) the next, ...; x 1..W at 2..W + 1.
        int* E[3];
        for (int r = 0; r < K.errorRows; ++r)
            E[r] = ring.data() + static_cast<std::size_t>((y - 1 + r) % K.errorRows) * stride + 1;
        // This row's shares for the next two pixels stay in registers: the next pixel
        // waits for them, and a round trip through memory would lengthen that wait.
        int next1 = 0, next2 = 0;
        std::uint8_t* p = row(y);
        for (int x = 1; x <= W; ++x, p += 4) {
            const int g = Tabel[static_cast<std::size_t>(p[0] + p[1] + p[2])];
            const int v = clampByte(scaled[static_cast<std::size_t>(E[0][x] + next1 + 255)] + g);
            const int out = v >= T ? 255 : 0;
            setBW(p, out == 255);
            const int e = v - out;
            next1 = next2;
            next2 = 0;
            for (int k = 0; k < K.count; ++k) {
                const DiffusionSlot& d = K.slot[k];
                const int share = (d.w * e) / K.divisor;
                if (d.dy > 0)
                    E[d.dy][x + d.dx] += share;
                else if (d.dx == 1)
                    next1 += share;
                else
                    next2 += share;
            }
        }
        // This row's errors are used up: it becomes the last row below, cleared.
        std::fill(E[0] - 1, E[0] - 1 + stride, 0);
        reportRow(y, 10 + share(y, 90, H), Progress);
    }
    finish(Progress);
}

void Filters::FilterDitherFloydSteinberg(int& Progress, int Param) {
    errorDiffusion<DiffusionKernel{4, {{1, 0, 7}, {-1, 1, 3}, {0, 1, 5}, {1, 1, 1}}, 16, 2, 2}>(
        Progress, Param);
}

void Filters::FilterDitherBurkes(int& Progress, int Param) {
    errorDiffusion<DiffusionKernel{
        7,
        {{1, 0, 8}, {2, 0, 4}, {-2, 1, 2}, {-1, 1, 4}, {0, 1, 8}, {1, 1, 4}, {2, 1, 2}},
        32,
        2,
        3}>(Progress, Param);
}

void Filters::FilterDitherStucki(int& Progress, int Param) {
    errorDiffusion<DiffusionKernel{12,
                                   {{1, 0, 8},
                                    {2, 0, 4},
                                    {-2, 1, 2},
                                    {-1, 1, 4},
                                    {0, 1, 8},
                                    {1, 1, 4},
                                    {2, 1, 2},
                                    {-2, 2, 1},
                                    {-1, 2, 2},
                                    {0, 2, 4},
                                    {1, 2, 2},
                                    {2, 2, 1}},
                                   42,
                                   3,
                                   3}>(Progress, Param);
}

} // namespace korv
