#pragma once
// The module Filters: the filter context (pixel buffer, source copy, lookup table,
// progress) and the dispatcher ApplyFilter with its thirty-one numbered filters.
#include "imaging/FilterHelpers.h"
#include "imaging/ImagingState.h"

#include <QImage>
#include <array>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <functional>
#include <utility>
#include <vector>

namespace korv {

class Filters {
public:
    explicit Filters(ImagingState& state);

    // Runs filter FilterNo (1 to 31) with Param on the picture in place. The picture is
    // worked on as Format_RGB32 (a picture of another format is converted to it first).
    // Progress receives the percentage while the filter runs and 100 at its end; the
    // main window passes Voortgang itself. Returns at once, changing nothing, while a
    // filter or another yielding picture operation runs (state.busy()).
    void ApplyFilter(int FilterNo, QImage& bitmap, int Param, int& Progress);

    // Splits a colour red + 256 * green + 65536 * blue into its parts; R keeps the sign
    // of Color (the remainder of Color / 256), G and B are bytes 2 and 3.
    static void SplitRGB(int Color, int& R, int& G, int& B);

    // The filter context. While a filter runs, Pixels points at the picture's own pixels:
    // channel (1 blue, 2 green, 3 red, 4 reserved), then x 1..W, then y 1..H, top row
    // first, the rows of a Format_RGB32 picture without gaps. Filters work on them in
    // place. A filter that reads the picture as it was around a row it overwrites keeps
    // copies of the few rows it still needs in PixelsOrg, never of the whole picture.
    // Between calls Pixels is null and PixelsOrg empty.
    std::uint8_t* Pixels = nullptr;
    std::vector<std::uint8_t> PixelsOrg;
    std::array<int, 766> Tabel{};
    int Voortgang = 0;

    // Runs after every yield of a filter, right after the event loop ran or was passed
    // over (before the progress bar is painted). Empty by default; tests record progress
    // with it.
    std::function<void()> onYield;

    // How long a filter runs before a yield lets the event loop run: a yield runs it once
    // this has passed since the filter started or since the loop last ran. Zero runs it
    // at every yield.
    std::chrono::nanoseconds eventInterval = std::chrono::milliseconds(10);

private:
    ImagingState& state;
    // The picture's size while a filter runs. A row loop bounded by W itself reads it
    // again after every byte it stores (a byte store may change any object, as far as
    // the compiler knows), which keeps the loop from being vectorised: loops take a
    // local copy.
    int W = 0;
    int H = 0;
    // When the filter started or the event loop last ran in one of its yields.
    std::chrono::steady_clock::time_point eventsRan_;

    // Offset of channel c (1..4) of pixel (x, y) (1-based) in Pixels.
    std::size_t at(int c, int x, int y) const {
        return static_cast<std::size_t>(c - 1) +
               4 * (static_cast<std::size_t>(x - 1) +
                    static_cast<std::size_t>(W) * static_cast<std::size_t>(y - 1));
    }
    // First byte of row y (1-based).
    std::uint8_t* row(int y) { return Pixels + at(1, 1, y); }
    std::size_t rowBytes() const { return 4 * static_cast<std::size_t>(W); }
    void runFilter(int FilterNo, int Param, int& Progress);

    // Progress and table conventions shared by every filter.
    void yieldOnce();                            // the event loop runs, when due
    void reportRow(int y, int p, int& Progress); // Voortgang, Progress, yield, bar
    void finish(int& Progress);                  // Progress 100, yield
    void fillThirds();                           // Tabel(i) = i \ 3, i = 0..765
    std::int64_t meanGrey() const;               // mean of Tabel(B+G+R) before any write

    // Neighbourhood filters
    void FilterSharpen(int& Progress, int Param);
    void FilterBlur(int& Progress);
    void FilterDiffuse(int& Progress, int Param);
    void FilterSmooth(int& Progress);
    void FilterEdge(int& Progress, int Param);
    void FilterContour(int& Progress, int Param);
    void FilterEmbossDiagonalInverse(int& Progress, int Param);
    void FilterEmbossMulti2(int& Progress, int Param);
    void FilterEmbossDiagonal(int& Progress, int Param);
    void FilterEmbossMulti(int& Progress, int Param);
    void FilterRelief(int& Progress);
    // Tone and colour filters
    void FilterNegative(int& Progress);
    void FilterGrayscale(int& Progress);
    void FilterBrightness(int& Progress, int Param);
    void FilterPixelize(int& Progress, int Param);
    void FilterSwapColors(int& Progress, int Param);
    void FilterContrast(int& Progress, int Param);
    void FilterColorThreshold(int& Progress, int Param);
    // Black-and-white dithering
    void FilterSharpenDither(int& Progress);
    void FilterOrderedDither(int& Progress);
    void FilterDitherFloydSteinberg(int& Progress, int Param);
    void FilterDitherBurkes(int& Progress, int Param);
    void FilterDitherStucki(int& Progress, int Param);
    // Kuwahara and morphology
    void FilterAquarel(int& Progress);
    void FilterDilate(int& Progress);
    void FilterErode(int& Progress);
    void FilterConnection(int& Progress);
    // Levels, noise, saturation and gamma
    void FilterStretchLevels(int& Progress);
    void FilterAddNoise(int& Progress, int Param);
    void FilterSaturation(int& Progress, int Param);
    void FilterGamma(int& Progress, int Param);

    // Shared bodies.
    struct DiffusionSlot {
        int dx, dy, w;
    };
    // An error-diffusion kernel: its slots (up to twelve), the divisor of the shares, the
    // rows of errors it reaches (this one included) and its first progress report.
    struct DiffusionKernel {
        int count;
        DiffusionSlot slot[12];
        int divisor, errorRows, firstProgress;
    };
    template <DiffusionKernel K> void errorDiffusion(int& Progress, int Param);
    void weightedInPlace(int& Progress, std::int64_t a, int w, std::int64_t d);
    void embossDiagonal(int& Progress, int Param, int sign);
    void embossMulti(int& Progress, int Param, int sign);
    void minMax3x3(int& Progress, int mode);

    // The walks of the 3 x 3 filters over x 2 to W - 1, y 2 to H - 1, row by row with
    // progress. `value(up, cur, dn, k)` gives the new byte at offset k of the middle
    // row, from the rows above and below.
    // In place: the three channels of a pixel are worked out before any is written, so
    // neighbours above and to the left already hold filtered values.
    template <class Value> void walkInPlace3x3(int& Progress, Value value);
    // From the source copy: every result depends on the picture as read alone.
    template <class Value> void walkFromSource3x3(int& Progress, Value value);
};

template <class Value> void Filters::walkInPlace3x3(int& Progress, Value value) {
    Voortgang = 0;
    for (int y = 2; y <= H - 1; ++y) {
        const std::uint8_t* up = row(y - 1);
        std::uint8_t* cur = row(y);
        const std::uint8_t* dn = row(y + 1);
        for (int x = 2; x <= W - 1; ++x) {
            const std::size_t o = 4 * static_cast<std::size_t>(x - 1);
            std::uint8_t v[3];
            for (int c = 0; c < 3; ++c)
                v[c] = value(up, static_cast<const std::uint8_t*>(cur), dn, o + c);
            for (int c = 0; c < 3; ++c)
                cur[o + c] = v[c];
        }
        reportRow(y, filterhelpers::share(y, 100, H), Progress);
    }
    finish(Progress);
}

template <class Value> void Filters::walkFromSource3x3(int& Progress, Value value) {
    Voortgang = 0;
    // Row y - 1 is already written when row y is, and row y is written as it is read:
    // both are read from copies taken before they were written. Row y + 1 is still the
    // picture's own.
    const std::size_t n = rowBytes();
    PixelsOrg.assign(3 * n, 0);
    std::uint8_t* up = PixelsOrg.data();
    std::uint8_t* cur = up + n;
    std::uint8_t* result = cur + n;
    const std::size_t inner = W > 2 ? static_cast<std::size_t>(W - 2) : 0;
    if (H >= 3) std::memcpy(up, row(1), n);
    for (int y = 2; y <= H - 1; ++y) {
        std::memcpy(cur, row(y), n);
        const std::uint8_t* dn = row(y + 1);
        // Every byte from the second pixel to the one before the last, reserved ones
        // included, in a loop the compiler vectorises; then the colour bytes go back.
        for (std::size_t k = 4; k + 4 < n; ++k)
            result[k] = value(up, static_cast<const std::uint8_t*>(cur), dn, k);
        filterhelpers::keepReserved(row(y) + 4, result + 4, inner);
        std::swap(up, cur);
        reportRow(y, filterhelpers::share(y, 100, H), Progress);
    }
    finish(Progress);
}

} // namespace korv
