// Tone and colour filters: negative (2), grayscale (12), brightness (14),
// pixelize (15), swap colours (16), contrast (17) and colour threshold (18).
#include "imaging/FilterHelpers.h"
#include "imaging/Filters.h"
#include "platform/VbMath.h"

#include <algorithm>
#include <optional>

namespace korv {

using filterhelpers::clampByte;
using filterhelpers::loadPixel;
using filterhelpers::PixelCurves;
using filterhelpers::redistributingClip;
using filterhelpers::share;
using filterhelpers::storePixel;

namespace {

// The factor (Param + 100) / 100 worked out in double precision and held in single.
inline double singleFactor(int Param) {
    return static_cast<double>(static_cast<float>((static_cast<double>(Param) + 100.0) / 100.0));
}

} // namespace

void filterhelpers::redistributingClip(std::int64_t& b, std::int64_t& g, std::int64_t& r) {
    auto inside = [](std::int64_t v) { return v >= 0 && v <= 255; };
    // The loop ends within a few rounds for every input (the excess shrinks each round);
    // the bound only guards against a mistake turning it endless.
    for (int round = 0; round < 10000; ++round) {
        if (inside(b) && inside(g) && inside(r)) return;
        if (b <= 0 && g <= 0 && r <= 0) {
            b = g = r = 0;
            continue;
        }
        if (b >= 255 && g >= 255 && r >= 255) {
            b = g = r = 255;
            continue;
        }
        std::int64_t h;
        if (b < 0) {
            h = b / 2;
            g += h;
            r += h;
            b = 0;
        } else if (b > 255) {
            h = (b - 255) / 2;
            g += h;
            r += h;
            b = 255;
        }
        if (g < 0) {
            h = g / 2;
            b += h;
            r += h;
            g = 0;
        } else if (g > 255) {
            h = (g - 255) / 2;
            b += h;
            r += h;
            g = 255;
        }
        if (r < 0) {
            h = r / 2;
            g += h;
            b += h;
            r = 0;
        } else if (r > 255) {
            h = (r - 255) / 2;
            g += h;
            b += h;
            r = 255;
        }
    }
    b = clampByte(b);
    g = clampByte(g);
    r = clampByte(r);
}

// 2: c := 255 - c, in place.
void Filters::FilterNegative(int& Progress) {
    Voortgang = 0;
    const int w = W; // see Filters::W
    for (int y = 1; y <= H; ++y) {
        std::uint8_t* p = row(y);
        for (int x = 0; x < w; ++x, p += 4) // 255 - c is c with its bits flipped
            storePixel(p, loadPixel(p) ^ 0x00FFFFFFu);
        reportRow(y, share(y, 100, H), Progress);
    }
    finish(Progress);
}

// 12: all three channels := Tabel(blue + green + red), the mean rounded down; in place.
void Filters::FilterGrayscale(int& Progress) {
    Voortgang = 0;
    const int w = W; // see Filters::W
    fillThirds();
    for (int y = 1; y <= H; ++y) {
        std::uint8_t* p = row(y);
        for (int x = 0; x < w; ++x, p += 4) {
            const auto v =
                static_cast<std::uint8_t>(Tabel[static_cast<std::size_t>(p[0] + p[1] + p[2])]);
            p[0] = p[1] = p[2] = v;
        }
        reportRow(y, share(y, 100, H), Progress);
    }
    finish(Progress);
}

// 14: each channel through the curve f * i (f single precision), clamped; from the source.
void Filters::FilterBrightness(int& Progress, int Param) {
    Voortgang = 0;
    const double f = singleFactor(Param);
    std::uint8_t curve[256]; // Tabel as bytes
    for (int i = 0; i <= 255; ++i) {
        int v = vbCInt(f * i);
        if (v > 255) v = 255;
        if (v < 0) v = 0;
        Tabel[static_cast<std::size_t>(i)] = v;
        curve[i] = static_cast<std::uint8_t>(v);
    }
    const PixelCurves curves(curve, curve, curve);
    for (int y = 1; y <= H; ++y) {
        curves.apply(row(y), W);
        reportRow(y, share(y, 100, H), Progress);
    }
    finish(Progress);
}

// 15: each pixel the mean colour of its Param x Param square; from the source.
void Filters::FilterPixelize(int& Progress, int Param) {
    Voortgang = 0;
    const int w = W;  // see Filters::W
    if (Param <= 0) { // no square size: the picture stays as it is
        finish(Progress);
        return;
    }
    const std::int64_t P = Param;
    // The means of a square are the same for every row that crosses it, so they are
    // worked out once per band of Param rows; the results are those of summing the
    // square anew in every row. They are worked out at the band's first row, before any
    // of its rows is written. Sums are 64-bit for very large squares.
    const int squares = static_cast<int>((W - 1) / P + 1);
    std::vector<std::uint8_t> means(3 * static_cast<std::size_t>(squares));
    std::int64_t band = -1;
    for (int y = 1; y <= H; ++y) {
        const std::int64_t thisBand = (y - 1) / P;
        if (thisBand != band) {
            band = thisBand;
            const std::int64_t by = band * P + 1;
            const int lastRow = static_cast<int>(std::min<std::int64_t>(by + P - 1, H));
            for (int s = 0; s < squares; ++s) {
                const std::int64_t bx = s * P + 1;
                const int lastCol = static_cast<int>(std::min<std::int64_t>(bx + P - 1, W));
                std::int64_t sum[3] = {0, 0, 0};
                std::int64_t count = 0;
                for (int yy = static_cast<int>(by); yy <= lastRow; ++yy) {
                    const std::uint8_t* q = Pixels + at(1, static_cast<int>(bx), yy);
                    for (int xx = static_cast<int>(bx); xx <= lastCol; ++xx, q += 4) {
                        sum[0] += q[0];
                        sum[1] += q[1];
                        sum[2] += q[2];
                        ++count;
                    }
                }
                for (int c = 0; c < 3; ++c)
                    means[3 * static_cast<std::size_t>(s) + c] =
                        static_cast<std::uint8_t>(count > 0 ? sum[c] / count : 0);
            }
        }
        std::uint8_t* p = row(y);
        for (int x = 1; x <= w; ++x, p += 4) {
            const std::size_t s = 3 * static_cast<std::size_t>((x - 1) / P);
            p[0] = means[s];
            p[1] = means[s + 1];
            p[2] = means[s + 2];
        }
        reportRow(y, share(y, 100, H), Progress);
    }
    finish(Progress);
}

// 16: the channels swapped as the menu's five orders give; from the source. Other
// parameters write nothing but still run the rows.
void Filters::FilterSwapColors(int& Progress, int Param) {
    Voortgang = 0;
    const int w = W; // see Filters::W
    // Source channel (0 blue, 1 green, 2 red) for new blue, green, red.
    static constexpr int map[6][3] = {
        {0, 1, 2}, // unused
        {1, 2, 0}, // 1: blue := g, green := r, red := b
        {2, 0, 1}, // 2: blue := r, green := b, red := g
        {1, 0, 2}, // 3: blue := g, green := b, red := r
        {2, 1, 0}, // 4: blue := r, green := g, red := b
        {0, 2, 1}, // 5: blue := b, green := r, red := g
    };
    const bool writes = Param >= 1 && Param <= 5;
    for (int y = 1; y <= H; ++y) {
        if (writes) {
            const int* m = map[Param];
            const std::uint8_t* s = row(y); // read before it is written
            std::uint8_t* p = row(y);
            for (int x = 0; x < w; ++x, p += 4, s += 4) {
                // All three read before any is written: the pixel is its own source.
                const std::uint8_t b = s[m[0]], g = s[m[1]], r = s[m[2]];
                p[0] = b;
                p[1] = g;
                p[2] = r;
            }
        }
        reportRow(y, share(y, 100, H), Progress);
    }
    finish(Progress);
}

// 17: contrast around the mean grey level with the redistributing clip; from the source.
void Filters::FilterContrast(int& Progress, int Param) {
    Voortgang = 0;
    const int w = W; // see Filters::W
    fillThirds();
    const std::int64_t mean = meanGrey(); // first pass, 64-bit sum
    const double f = singleFactor(Param);
    for (int i = 0; i <= 255; ++i)
        Tabel[static_cast<std::size_t>(i)] =
            vbCInt(f * static_cast<double>(i - mean) + static_cast<double>(mean));
    Progress = 5;
    yieldOnce();
    for (int y = 1; y <= H; ++y) {
        const std::uint8_t* s = row(y); // read before it is written
        std::uint8_t* p = row(y);
        for (int x = 0; x < w; ++x, p += 4, s += 4) {
            std::int64_t b = Tabel[s[0]], g = Tabel[s[1]], r = Tabel[s[2]];
            // Mostly all three lie inside 0..255 already (their bits ORed stay within a
            // byte): only the others go through the clip's rounds.
            if (static_cast<std::uint64_t>(b | g | r) > 255) redistributingClip(b, g, r);
            p[0] = static_cast<std::uint8_t>(b);
            p[1] = static_cast<std::uint8_t>(g);
            p[2] = static_cast<std::uint8_t>(r);
        }
        reportRow(y, 5 + share(y, 95, H), Progress);
    }
    finish(Progress);
}

// 18: black where all three channels lie strictly below the parts of Param, else white.
void Filters::FilterColorThreshold(int& Progress, int Param) {
    Voortgang = 0;
    const int w = W; // see Filters::W
    int R, G, B;
    SplitRGB(Param, R, G, B);
    // Where bytes are looked up 64 at a time, each channel goes through a curve to 0
    // below its part and 255 from it on, and the pixel is black where all three came out
    // 0: two passes over the row that run at memory speed. Elsewhere that lookup is
    // slower than comparing each pixel.
    std::optional<PixelCurves> curves;
    if (PixelCurves::wideLookup()) {
        std::uint8_t below[3][256];
        const int part[3] = {B, G, R};
        for (int c = 0; c < 3; ++c)
            for (int v = 0; v <= 255; ++v)
                below[c][v] = v < part[c] ? 0 : 255;
        curves.emplace(below[0], below[1], below[2]);
    }
    for (int y = 1; y <= H; ++y) {
        std::uint8_t* p = row(y);
        if (curves) {
            curves->apply(p, w);
            for (int x = 0; x < w; ++x, p += 4) {
                const std::uint32_t c = loadPixel(p);
                storePixel(p, (c & 0xFF000000u) | ((c & 0x00FFFFFFu) != 0 ? 0x00FFFFFFu : 0u));
            }
        } else {
            for (int x = 0; x < w; ++x, p += 4) {
                const std::uint32_t c = loadPixel(p);
                const int b = static_cast<int>(c & 0xFF), g = static_cast<int>((c >> 8) & 0xFF),
                          r = static_cast<int>((c >> 16) & 0xFF);
                // & rather than &&: no branch per pixel, so the loop vectorises.
                const bool black = (r < R) & (g < G) & (b < B);
                storePixel(p, (c & 0xFF000000u) | (black ? 0u : 0x00FFFFFFu));
            }
        }
        reportRow(y, share(y, 100, H), Progress);
    }
    finish(Progress);
}

} // namespace korv
