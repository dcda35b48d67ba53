// Kuwahara and morphology filters: aquarel (24), dilate (25), erode (26)
// and connection (27).
#include "imaging/FilterHelpers.h"
#include "imaging/Filters.h"

#include <algorithm>
#include <vector>

namespace korv {

using filterhelpers::keepReserved;
using filterhelpers::share;

// 24: each channel the mean of the smoothest of the four 3 x 3 windows that have the
// pixel at a corner; x 3 to W - 2, y 3 to H - 2, from the source.
//
// The four windows of pixel (x, y) are the 3 x 3 blocks centred on (x - 1, y - 1),
// (x + 1, y - 1), (x - 1, y + 1) and (x + 1, y + 1), and a block's mean and deviation
// depend on the block alone. They are worked out once per block centre and channel for
// the block rows in use (a ring of three centre rows), instead of four times per pixel;
// the results are the same. Every block's rows are read before any of them is written.
// Both passes run over the bytes of a row, laid out as the picture's, without branches
// (the window is chosen by selects), so that the compiler vectorises them.
void Filters::FilterAquarel(int& Progress) {
    Voortgang = 0;
    const int lastY = H - 2, lastX = W - 2;
    if (lastX < 3) { // no column in the range, but the rows still report
        for (int y = 3; y <= lastY; ++y)
            reportRow(y, share(y, 100, H), Progress);
    } else if (lastY >= 3) {
        const std::size_t n = rowBytes();
        // Mean and deviation of the block centred on each byte, per ring slot; a
        // deviation is at most 9 x 255, so 16 bits hold both.
        std::vector<std::uint16_t> mean(3 * n), dev(3 * n);
        std::vector<std::uint8_t> pickedRow(n);
        std::uint8_t* picked = pickedRow.data();
        int ringRow[3] = {0, 0, 0}; // centre row held in each ring slot, 0 = none
        auto slotOf = [&](int cy) -> std::size_t {
            const int s = cy % 3;
            const std::size_t base = static_cast<std::size_t>(s) * n;
            if (ringRow[s] != cy) {
                ringRow[s] = cy;
                const std::uint8_t* up = row(cy - 1);
                const std::uint8_t* cur = row(cy);
                const std::uint8_t* dn = row(cy + 1);
                std::uint16_t* m = mean.data() + base;
                std::uint16_t* d = dev.data() + base;
                // Centres x 2 to W - 1 (all that a pixel of the range uses).
                for (std::size_t k = 4; k + 4 < n; ++k) {
                    // 16 bits throughout (sums stay below 9 x 256): twice the lanes.
                    const std::uint16_t v[9] = {up[k - 4],  up[k],  up[k + 4],
                                                cur[k - 4], cur[k], cur[k + 4],
                                                dn[k - 4],  dn[k],  dn[k + 4]};
                    std::uint16_t sum = 0;
                    for (int i = 0; i < 9; ++i)
                        sum = static_cast<std::uint16_t>(sum + v[i]);
                    const auto mv = static_cast<std::uint16_t>(sum / 9);
                    std::uint16_t dv = 0;
                    for (int i = 0; i < 9; ++i)
                        dv = static_cast<std::uint16_t>(dv + (v[i] > mv ? v[i] - mv : mv - v[i]));
                    m[k] = mv;
                    d[k] = dv;
                }
            }
            return base;
        };
        for (int y = 3; y <= lastY; ++y) {
            const std::size_t above = slotOf(y - 1);
            const std::size_t below = slotOf(y + 1);
            // The picture is worked on in place: the statistics of centre row y, which
            // the next row needs, are taken now, before row y is written.
            if (y < lastY) slotOf(y);
            const std::uint16_t* mA = mean.data() + above;
            const std::uint16_t* dA = dev.data() + above;
            const std::uint16_t* mB = mean.data() + below;
            const std::uint16_t* dB = dev.data() + below;
            std::uint8_t* out = row(y);
            // Bytes of x 3 to W - 2. Windows up-left, up-right, down-left, down-right:
            // a later one wins only with a strictly smaller deviation.
            for (std::size_t k = 8; k + 8 < n; ++k) {
                const int d0 = dA[k - 4], d1 = dA[k + 4], d2 = dB[k - 4], d3 = dB[k + 4];
                const int m0 = mA[k - 4], m1 = mA[k + 4], m2 = mB[k - 4], m3 = mB[k + 4];
                int best = d0, pick = m0;
                pick = d1 < best ? m1 : pick;
                best = std::min(best, d1);
                pick = d2 < best ? m2 : pick;
                best = std::min(best, d2);
                pick = d3 < best ? m3 : pick;
                picked[k] = static_cast<std::uint8_t>(pick);
            }
            keepReserved(out + 8, picked + 8, static_cast<std::size_t>(W - 4));
            reportRow(y, share(y, 100, H), Progress);
        }
    }
    finish(Progress);
}

// 25 to 27: the largest (mode 0), the smallest (mode 1), or the pixel minus the smallest
// (mode 2) of the 3 x 3 neighbourhood; x 2 to W - 1, y 2 to H - 1, from the source.
void Filters::minMax3x3(int& Progress, int mode) {
    walkFromSource3x3(Progress, [mode](const std::uint8_t* up, const std::uint8_t* cur,
                                       const std::uint8_t* dn, std::size_t k) {
        const std::uint8_t v[9] = {up[k - 4],  up[k],     up[k + 4], cur[k - 4], cur[k],
                                   cur[k + 4], dn[k - 4], dn[k],     dn[k + 4]};
        std::uint8_t r;
        if (mode == 0) {
            r = 0;
            for (std::uint8_t q : v)
                if (q > r) r = q;
        } else {
            r = 255;
            for (std::uint8_t q : v)
                if (q < r) r = q;
            if (mode == 2) r = static_cast<std::uint8_t>(cur[k] - r);
        }
        return r;
    });
}

void Filters::FilterDilate(int& Progress) {
    minMax3x3(Progress, 0);
}

void Filters::FilterErode(int& Progress) {
    minMax3x3(Progress, 1);
}

void Filters::FilterConnection(int& Progress) {
    minMax3x3(Progress, 2);
}

} // namespace korv
