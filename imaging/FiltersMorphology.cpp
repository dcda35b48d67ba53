// Kuwahara and morphology filters: aquarel (24), dilate (25), erode (26)
// and connection (27).
#include "imaging/FilterHelpers.h"
#include "imaging/Filters.h"

#include <vector>

namespace korv {

using filterhelpers::share;

// 24: each channel the mean of the smoothest of the four 3 x 3 windows that have the
// pixel at a corner; x 3 to W - 2, y 3 to H - 2, from the source.
//
// The four windows of pixel (x, y) are the 3 x 3 blocks centred on (x - 1, y - 1),
// (x + 1, y - 1), (x - 1, y + 1) and (x + 1, y + 1), and a block's mean and deviation
// depend on the block alone. They are worked out once per block centre and channel for
// the block rows in use (a ring of three centre rows), instead of four times per pixel;
// the results are the same. Every block's rows are read before any of them is written.
void Filters::FilterAquarel(int& Progress) {
    Voortgang = 0;
    const int lastY = H - 2, lastX = W - 2;
    if (lastX < 3) { // no column in the range, but the rows still report
        for (int y = 3; y <= lastY; ++y)
            reportRow(y, share(y, 100, H), Progress);
    } else if (lastY >= 3) {
        const std::size_t rowLen = 3 * static_cast<std::size_t>(W); // per column 3 channels
        std::vector<std::uint8_t> mean(3 * rowLen);
        std::vector<int> dev(3 * rowLen);
        int ringRow[3] = {0, 0, 0}; // centre row held in each ring slot, 0 = none
        auto slotOf = [&](int cy) -> std::size_t {
            const int s = cy % 3;
            if (ringRow[s] != cy) {
                ringRow[s] = cy;
                const std::uint8_t* up = row(cy - 1);
                const std::uint8_t* cur = row(cy);
                const std::uint8_t* dn = row(cy + 1);
                // Centres x 2 to W - 1 (all that a pixel of the range uses).
                for (int cx = 2; cx <= W - 1; ++cx) {
                    const std::size_t o = 4 * static_cast<std::size_t>(cx - 1);
                    for (int c = 0; c < 3; ++c) {
                        const std::size_t k = o + c;
                        const int v[9] = {up[k - 4],  up[k],     up[k + 4], cur[k - 4], cur[k],
                                          cur[k + 4], dn[k - 4], dn[k],     dn[k + 4]};
                        int sum = 0;
                        for (int i = 0; i < 9; ++i)
                            sum += v[i];
                        const int m = sum / 9;
                        int d = 0;
                        for (int i = 0; i < 9; ++i)
                            d += v[i] > m ? v[i] - m : m - v[i];
                        const std::size_t at3 = static_cast<std::size_t>(s) * rowLen +
                                                3 * static_cast<std::size_t>(cx - 1) + c;
                        mean[at3] = static_cast<std::uint8_t>(m);
                        dev[at3] = d;
                    }
                }
            }
            return static_cast<std::size_t>(s) * rowLen;
        };
        for (int y = 3; y <= lastY; ++y) {
            const std::size_t above = slotOf(y - 1);
            const std::size_t below = slotOf(y + 1);
            // The picture is worked on in place: the statistics of centre row y, which
            // the next row needs, are taken now, before row y is written.
            if (y < lastY) slotOf(y);
            std::uint8_t* out = row(y);
            for (int x = 3; x <= lastX; ++x) {
                const std::size_t left = 3 * static_cast<std::size_t>(x - 2);
                const std::size_t right = 3 * static_cast<std::size_t>(x);
                // Windows 1 up-left, 2 up-right, 3 down-left, 4 down-right.
                const std::size_t win[4] = {above + left, above + right, below + left,
                                            below + right};
                for (int c = 0; c < 3; ++c) {
                    int best = 99999;
                    std::size_t chosen = win[0];
                    for (int k = 0; k < 4; ++k) {
                        const int d = dev[win[k] + c];
                        if (d < best) {
                            best = d;
                            chosen = win[k];
                        }
                    }
                    out[4 * static_cast<std::size_t>(x - 1) + c] = mean[chosen + c];
                }
            }
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
