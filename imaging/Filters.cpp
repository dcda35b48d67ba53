// The filter context and the dispatcher of the module Filters.
#include "imaging/Filters.h"

#include "platform/Services.h"

namespace korv {

namespace {

// Clears a flag when the scope ends, also when an exception leaves it.
struct FlagGuard {
    bool& flag;
    explicit FlagGuard(bool& f) : flag(f) { flag = true; }
    ~FlagGuard() { flag = false; }
    FlagGuard(const FlagGuard&) = delete;
    FlagGuard& operator=(const FlagGuard&) = delete;
};

} // namespace

Filters::Filters(ImagingState& s) : state(s) {}

void Filters::SplitRGB(int Color, int& R, int& G, int& B) {
    const auto u = static_cast<std::uint32_t>(Color);
    R = Color % 256; // the remainder with the sign of Color
    G = static_cast<int>((u >> 8) & 0xFFu);
    B = static_cast<int>((u >> 16) & 0xFFu);
}

void Filters::ApplyFilter(int FilterNo, QImage& bitmap, int Param, int& Progress) {
    // A call while busy is ignored without any report.
    if (state.busy()) return;
    // A picture without pixels is left alone.
    if (bitmap.isNull() || bitmap.width() <= 0 || bitmap.height() <= 0) return;

    // Busy from here to the end, also if something below throws.
    FlagGuard busy(state.FilterBezig);

    // The filters work on the picture's own Format_RGB32 bytes (ARGB32 has the same
    // layout), whose rows follow each other without gaps.
    if (bitmap.format() != QImage::Format_RGB32 && bitmap.format() != QImage::Format_ARGB32)
        bitmap = bitmap.convertToFormat(QImage::Format_RGB32);
    // bits() first gives the picture pixels of its own when it shares them (with the
    // undo copy, say), so that no other picture sees the filter at work. `work` then
    // keeps those pixels alive should a handler that runs while the filter yields
    // replace the picture; the result goes back into it all the same.
    Pixels = bitmap.bits();
    const QImage work = bitmap;
    W = work.width();
    H = work.height();

    eventsRan_ = std::chrono::steady_clock::now(); // the event loop ran just before
    // Other numbers run nothing.
    runFilter(FilterNo, Param, Progress);

    bitmap = work;
    Pixels = nullptr;
    W = H = 0;
    std::vector<std::uint8_t>().swap(PixelsOrg); // no memory held between calls
}

void Filters::runFilter(int FilterNo, int Param, int& Progress) {
    switch (FilterNo) {
    case 1:
        FilterSharpen(Progress, Param);
        break;
    case 2:
        FilterNegative(Progress);
        break;
    case 3:
        FilterBlur(Progress);
        break;
    case 4:
        FilterDiffuse(Progress, Param);
        break;
    case 5:
        FilterSmooth(Progress);
        break;
    case 6:
        FilterEdge(Progress, Param);
        break;
    case 7:
        FilterContour(Progress, Param);
        break;
    case 8:
        FilterEmbossDiagonalInverse(Progress, Param);
        break;
    case 9:
        FilterEmbossMulti2(Progress, Param);
        break;
    case 10:
        FilterEmbossDiagonal(Progress, Param);
        break;
    case 11:
        FilterEmbossMulti(Progress, Param);
        break;
    case 12:
        FilterGrayscale(Progress);
        break;
    case 13:
        FilterRelief(Progress);
        break;
    case 14:
        FilterBrightness(Progress, Param);
        break;
    case 15:
        FilterPixelize(Progress, Param);
        break;
    case 16:
        FilterSwapColors(Progress, Param);
        break;
    case 17:
        FilterContrast(Progress, Param);
        break;
    case 18:
        FilterColorThreshold(Progress, Param);
        break;
    case 19:
        FilterSharpenDither(Progress);
        break;
    case 20:
        FilterOrderedDither(Progress);
        break;
    case 21:
        FilterDitherFloydSteinberg(Progress, Param);
        break;
    case 22:
        FilterDitherBurkes(Progress, Param);
        break;
    case 23:
        FilterDitherStucki(Progress, Param);
        break;
    case 24:
        FilterAquarel(Progress);
        break;
    case 25:
        FilterDilate(Progress);
        break;
    case 26:
        FilterErode(Progress);
        break;
    case 27:
        FilterConnection(Progress);
        break;
    case 28:
        FilterStretchLevels(Progress);
        break;
    case 29:
        FilterAddNoise(Progress, Param);
        break;
    case 30:
        FilterSaturation(Progress, Param);
        break;
    case 31:
        FilterGamma(Progress, Param);
        break;
    default:
        break; // the image goes back unchanged, Progress untouched
    }
}

void Filters::yieldOnce() {
    // A filter yields after every row, hundreds of times in a millisecond on the canvas,
    // and a round of the event loop that paints the progress display costs more than a
    // row of most filters. The loop ran just before the filter started, and no screen
    // shows a frame more often than every few milliseconds: it runs again once that long
    // has passed since the filter started or since it last ran. The window stays as
    // responsive, and the display shows its last state when the loop runs after the
    // filter.
    const auto now = std::chrono::steady_clock::now();
    if (now - eventsRan_ >= eventInterval) {
        // User input waits, so no press or menu click changes a picture under the
        // filter; painting and timers go on.
        doEvents(false);
        eventsRan_ = std::chrono::steady_clock::now();
    }
    if (onYield) onYield();
}

void Filters::reportRow(int y, int p, int& Progress) {
    Voortgang = p;
    Progress = p;
    yieldOnce();
    state.progress.ShowProgress(y, H - 1);
}

void Filters::finish(int& Progress) {
    Progress = 100;
    yieldOnce();
}

void Filters::fillThirds() {
    for (int i = 0; i <= 765; ++i)
        Tabel[static_cast<std::size_t>(i)] = i / 3;
}

std::int64_t Filters::meanGrey() const {
    // 64-bit: the sum of a picture of more than 8,421,504 pixels passes 2^31. Tabel(i)
    // is i \ 3, worked out here as a division by a constant, which vectorises.
    std::int64_t sum = 0;
    const std::uint8_t* p = Pixels;
    const std::size_t n = static_cast<std::size_t>(W) * static_cast<std::size_t>(H);
    for (std::size_t i = 0; i < n; ++i, p += 4)
        sum += static_cast<unsigned>(p[0] + p[1] + p[2]) / 3u;
    return sum / static_cast<std::int64_t>(n);
}

} // namespace korv
