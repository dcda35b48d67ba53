// One table of the filters' speed: nanoseconds per pixel of each filter alone and as the
// program runs it (yields and the progress display included), at 3000 x 2000 and on the
// canvas (580 x 310); a plain read-and-write pass over the same picture (the memory
// floor); the peak of extra memory a call takes, in copies of the picture; and, when
// ImageMagick 6 is installed, its nearest single-thread operation and our speed-up.
//
// Every figure is the minimum over several rounds, and the rounds interleave all the
// measurements, so a passing load spike spoils one round rather than one column.
//
// "Alone" runs in a child process of this program that makes no application object:
// the yields then return at once and there is no bar to paint. "As run" runs here,
// with the bar and the percentage label shown in a window as the main window has them.
//
// ImageMagick's time is taken from two runs of `convert -limit thread 1 in.mpc OP null:`
// and `... OP OP ... null:` (OP k + 1 times) on the same picture stored in its own
// pixel-cache format (MPC, so no decoding): the difference over k is one operation on a
// picture already in memory, without start-up, reading or writing.
#include "imaging/Filters.h"
#include "platform/PictureBox.h"
#include "platform/Services.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <malloc.h>
#include <new>
#include <string>
#include <vector>

// Live and peak bytes taken through operator new, so the table can show how many extra
// copies of the picture a filter call holds at once.
namespace {
std::atomic<long long> liveBytes{0};
std::atomic<long long> peakBytes{0};

void* counted(std::size_t n) {
    void* p = std::malloc(n ? n : 1);
    if (!p) throw std::bad_alloc();
    const long long now = liveBytes += static_cast<long long>(malloc_usable_size(p));
    long long peak = peakBytes.load();
    while (now > peak && !peakBytes.compare_exchange_weak(peak, now)) {
    }
    return p;
}
void uncounted(void* p) {
    if (!p) return;
    liveBytes -= static_cast<long long>(malloc_usable_size(p));
    std::free(p);
}
} // namespace

void* operator new(std::size_t n) {
    return counted(n);
}
void* operator new[](std::size_t n) {
    return counted(n);
}
void* operator new(std::size_t n, const std::nothrow_t&) noexcept {
    try {
        return counted(n);
    } catch (...) {
        return nullptr;
    }
}
void* operator new[](std::size_t n, const std::nothrow_t&) noexcept {
    try {
        return counted(n);
    } catch (...) {
        return nullptr;
    }
}
void operator delete(void* p) noexcept {
    uncounted(p);
}
void operator delete[](void* p) noexcept {
    uncounted(p);
}
void operator delete(void* p, std::size_t) noexcept {
    uncounted(p);
}
void operator delete[](void* p, std::size_t) noexcept {
    uncounted(p);
}

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kSizes[2][2] = {{3000, 2000}, {580, 310}};

struct FilterRow {
    const char* name;
    int param;
    const char* magick; // ImageMagick's nearest operation; nullptr when there is none
};

// Indexed by filter number; the parameters are those of the menu's middle choices.
const FilterRow kRows[32] = {
    {"", 0, nullptr},
    {"sharpen", 10, "-convolve -1,-1,-1,-1,9,-1,-1,-1,-1"},
    {"negative", 0, "-negate"},
    {"blur", 0, "-convolve 1,1,1,1,0,1,1,1,1"},
    {"diffuse", 6, "-spread 3"},
    {"smooth", 0, "-convolve 0,1,0,1,1,1,0,1,0"},
    {"edge", 1, "-convolve -1,-1,-1,-1,9,-1,-1,-1,-1"},
    {"contour", 16777215, "-convolve -1,-1,-1,-1,8,-1,-1,-1,-1"},
    {"emboss diag. inv.", 0, "-convolve 1,0,0,0,0,0,0,0,-1"},
    {"emboss multi 2", 0, "-convolve 1,0,-1,1,0,-1,1,0,-1"},
    {"emboss diagonal", 0, "-convolve -1,0,0,0,0,0,0,0,1"},
    {"emboss multi", 0, "-convolve -1,0,1,-1,0,1,-1,0,1"},
    {"grayscale", 0, "-grayscale Average"},
    {"relief", 0, "-convolve 2,1,0,1,1,-1,0,-1,-2"},
    {"brightness", 40, "-evaluate multiply 1.4"},
    {"pixelize", 4, "-scale 25% -scale 400%"},
    {"swap colours", 3, "-color-matrix 0,0,1,0,1,0,1,0,0"},
    {"contrast", 10, "-brightness-contrast 0x10"},
    {"colour threshold", 8421504, "-threshold 50%"},
    {"sharpen dither", 0, "-sharpen 0x1 -dither FloydSteinberg -remap pattern:gray50"},
    {"ordered dither", 0, "-ordered-dither o4x4"},
    {"Floyd-Steinberg", 10, "-dither FloydSteinberg -remap pattern:gray50"},
    {"Burkes", 10, "-dither FloydSteinberg -remap pattern:gray50"},
    {"Stucki", 10, "-dither FloydSteinberg -remap pattern:gray50"},
    {"aquarel", 0, "-kuwahara 1"},
    {"dilate", 0, "-morphology Dilate Square:1"},
    {"erode", 0, "-morphology Erode Square:1"},
    {"connection", 0, "-morphology EdgeIn Square:1"},
    {"level stretch", 0, "-level 2%,98%"},
    {"noise", 50, "+noise Uniform"},
    {"saturation", 50, "-modulate 100,150"},
    {"gamma", 140, "-gamma 1.4"},
};

// A picture with smooth runs and some grain, like a scanned stamp motif.
QImage testPicture(int w, int h) {
    QImage img(w, h, QImage::Format_RGB32);
    std::uint32_t s = 12345;
    for (int y = 0; y < h; ++y) {
        auto* p = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < w; ++x) {
            s = s * 1664525u + 1013904223u;
            const int grain = static_cast<int>(s >> 28);
            p[x] = qRgb(((x * 7) + grain) & 255, ((y * 5) + grain) & 255, (x + y) & 255);
        }
    }
    return img;
}

double seconds(Clock::duration d) {
    return std::chrono::duration<double>(d).count();
}

// Nanoseconds per pixel of one filter call on a fresh copy of `source`, and the peak of
// extra bytes it took.
double timeFilter(korv::Filters& filters, const QImage& source, int no, long long* extra) {
    QImage img = source.copy();
    int progress = 0;
    const long long before = liveBytes.load();
    peakBytes = before;
    const auto t0 = Clock::now();
    filters.ApplyFilter(no, img, kRows[no].param, progress);
    const auto t1 = Clock::now();
    if (extra) *extra = peakBytes.load() - before;
    return seconds(t1 - t0) * 1e9 / (static_cast<double>(source.width()) * source.height());
}

// A read-and-write pass over every byte of the picture, the least any filter must do.
double timeFloor(const QImage& source, std::uint32_t mask) {
    QImage img = source.copy();
    const auto t0 = Clock::now();
    auto* p = reinterpret_cast<std::uint32_t*>(img.bits());
    const std::size_t n = static_cast<std::size_t>(img.width()) * img.height();
    for (std::size_t i = 0; i < n; ++i)
        p[i] ^= mask;
    const auto t1 = Clock::now();
    std::uint32_t keep = p[n / 2];
    asm volatile("" : : "r"(keep) : "memory"); // the pass must happen
    return seconds(t1 - t0) * 1e9 / static_cast<double>(n);
}

// Child mode: every filter alone at both sizes, once, as lines "size no ns extra".
int runAlone(std::uint32_t mask) {
    korv::Services services;
    korv::ProgressDisplay progress;
    korv::ImagingState state(services, progress);
    korv::Filters filters(state);
    for (int s = 0; s < 2; ++s) {
        const QImage source = testPicture(kSizes[s][0], kSizes[s][1]);
        std::printf("%d 0 %.4f 0\n", s, timeFloor(source, mask));
        for (int no = 1; no <= 31; ++no) {
            long long extra = 0;
            const double ns = timeFilter(filters, source, no, &extra);
            std::printf("%d %d %.4f %lld\n", s, no, ns, extra);
        }
    }
    return 0;
}

// ImageMagick 6's convert, when installed (not a wrapper of our own making).
QString findMagick() {
    for (const char* p : {"/usr/bin/convert-im6.q16", "/usr/bin/convert-im6", "/usr/bin/convert"})
        if (QFile::exists(QString::fromLatin1(p))) return QString::fromLatin1(p);
    return {};
}

// Seconds one convert run takes; infinity when it fails.
double timeMagick(const QString& convert, const QStringList& args) {
    QProcess proc;
    const auto t0 = Clock::now();
    proc.start(convert, args);
    if (!proc.waitForFinished(600000) || proc.exitStatus() != QProcess::NormalExit ||
        proc.exitCode() != 0)
        return std::numeric_limits<double>::infinity();
    return seconds(Clock::now() - t0);
}

QStringList magickArgs(const QString& mpc, const char* op, int times) {
    QStringList args{QStringLiteral("-limit"), QStringLiteral("thread"), QStringLiteral("1"), mpc};
    const QStringList opArgs = QString::fromLatin1(op).split(QLatin1Char(' '));
    for (int i = 0; i < times; ++i)
        args += opArgs;
    args += QStringLiteral("null:");
    return args;
}

void keepMin(double& m, double v) {
    m = std::min(m, v);
}

} // namespace

int main(int argc, char** argv) {
    int rounds = 5;
    bool magick = true;
    bool alone = false;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--alone"))
            alone = true;
        else if (!std::strcmp(argv[i], "--no-magick"))
            magick = false;
        else if (!std::strcmp(argv[i], "--rounds") && i + 1 < argc)
            rounds = std::max(1, std::atoi(argv[++i]));
        else {
            std::fprintf(stderr, "usage: %s [--rounds N] [--no-magick]\n", argv[0]);
            return 2;
        }
    }
    // Never 0 in practice, but the compiler cannot know: the floor pass stays a real one.
    const std::uint32_t mask = argc > 100 ? 1u : 0u;
    if (alone) return runAlone(mask);

    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    korv::Services services;
    korv::ProgressDisplay progress;
    korv::ImagingState state(services, progress);
    korv::Filters filters(state);
    QWidget window;
    window.resize(400, 60);
    korv::PictureBox bar(&window);
    bar.Move(0, 0, 196 * 15, 22 * 15);
    QLabel label(&window);
    label.move(210, 4);
    progress.bar = &bar;
    progress.label = &label;
    window.show();
    QApplication::processEvents();

    const double inf = std::numeric_limits<double>::infinity();
    double aloneNs[2][32], runNs[2][32], floorNs[2] = {inf, inf};
    long long extra[2][32] = {};
    double magickOne[32], magickTwo[32];
    int magickExtra[32]; // how many more operations the longer run does
    std::fill(&aloneNs[0][0], &aloneNs[0][0] + 64, inf);
    std::fill(&runNs[0][0], &runNs[0][0] + 64, inf);
    std::fill(magickOne, magickOne + 32, inf);
    std::fill(magickTwo, magickTwo + 32, inf);
    std::fill(magickExtra, magickExtra + 32, 1);

    QImage sources[2];
    for (int s = 0; s < 2; ++s)
        sources[s] = testPicture(kSizes[s][0], kSizes[s][1]);

    const QString convert = magick ? findMagick() : QString();
    QTemporaryDir dir;
    QString mpc;
    if (!convert.isEmpty()) {
        const QString ppm = dir.filePath(QStringLiteral("in.ppm"));
        mpc = dir.filePath(QStringLiteral("in.mpc"));
        if (!sources[0].save(ppm, "PPM") ||
            timeMagick(convert, {ppm, mpc}) == std::numeric_limits<double>::infinity()) {
            std::fprintf(stderr, "ImageMagick could not read the test picture; left out\n");
            mpc.clear();
        }
    }

    // A fast operation takes a few milliseconds on the picture, about as much as one
    // run's start-up varies: the longer run repeats it until the extra work takes about
    // a third of a second, so that the difference stands out of that noise.
    if (!mpc.isEmpty())
        for (int no = 1; no <= 31; ++no) {
            if (!kRows[no].magick) continue;
            const double once = timeMagick(convert, magickArgs(mpc, kRows[no].magick, 1));
            const double twice = timeMagick(convert, magickArgs(mpc, kRows[no].magick, 2));
            const double op = std::max(twice - once, 0.001);
            magickExtra[no] = std::clamp(static_cast<int>(0.3 / op), 1, 16);
        }

    for (int r = 0; r < rounds; ++r) {
        std::fprintf(stderr, "round %d of %d\n", r + 1, rounds);
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--alone")});
        if (!child.waitForFinished(600000) || child.exitCode() != 0) {
            std::fprintf(stderr, "the measuring child failed\n");
            return 1;
        }
        for (const QByteArray& line : child.readAllStandardOutput().split('\n')) {
            int s = 0, no = 0;
            double ns = 0;
            long long bytes = 0;
            if (std::sscanf(line.constData(), "%d %d %lf %lld", &s, &no, &ns, &bytes) != 4 ||
                s < 0 || s > 1 || no < 0 || no > 31)
                continue;
            if (no == 0)
                keepMin(floorNs[s], ns);
            else {
                keepMin(aloneNs[s][no], ns);
                extra[s][no] = std::max(extra[s][no], bytes);
            }
        }
        for (int s = 0; s < 2; ++s)
            for (int no = 1; no <= 31; ++no) {
                progress.clearBar(); // as the main window does before every filter
                keepMin(runNs[s][no], timeFilter(filters, sources[s], no, nullptr));
            }
        if (!mpc.isEmpty())
            for (int no = 1; no <= 31; ++no) {
                if (!kRows[no].magick) continue;
                keepMin(magickOne[no], timeMagick(convert, magickArgs(mpc, kRows[no].magick, 1)));
                keepMin(magickTwo[no], timeMagick(convert, magickArgs(mpc, kRows[no].magick,
                                                                      1 + magickExtra[no])));
            }
    }

    const double big = static_cast<double>(kSizes[0][0]) * kSizes[0][1];
    const double small = static_cast<double>(kSizes[1][0]) * kSizes[1][1];
    std::printf("Filters in ns/pixel, each the minimum of %d interleaved rounds.\n", rounds);
    std::printf("Memory floor (one plain read-and-write pass): %.2f ns/pixel at 3000 x 2000, "
                "%.2f at 580 x 310.\n",
                floorNs[0], floorNs[1]);
    std::printf("%s\n\n", mpc.isEmpty() ? "ImageMagick: not measured."
                                        : "ImageMagick 6, one thread, nearest operation.");
    std::printf("%-21s | %-41s| %-30s|\n", "", "3000 x 2000", "580 x 310");
    std::printf("%-21s | %7s %7s %6s %8s %8s | %7s %7s %6s %6s | %6s\n", "no filter", "alone",
                "as run", "/floor", "IM", "IM/run", "alone", "as run", "ms", "yield%", "copies");
    for (int no = 1; no <= 31; ++no) {
        char im[16] = "-", ratio[16] = "-";
        if (!mpc.isEmpty() && kRows[no].magick && magickTwo[no] < inf) {
            const double ns =
                std::max(0.0, magickTwo[no] - magickOne[no]) * 1e9 / big / magickExtra[no];
            std::snprintf(im, sizeof im, "%.2f", ns);
            std::snprintf(ratio, sizeof ratio, "%.2f", ns / runNs[0][no]);
        }
        const double yieldShare = 100.0 * (runNs[1][no] - aloneNs[1][no]) / aloneNs[1][no];
        const double copies = static_cast<double>(extra[0][no]) / (4.0 * big);
        std::printf("%2d %-18s | %7.2f %7.2f %6.2f %8s %8s | %7.2f %7.2f %6.2f %6.0f | %6.2f\n", no,
                    kRows[no].name, aloneNs[0][no], runNs[0][no], runNs[0][no] / floorNs[0], im,
                    ratio, aloneNs[1][no], runNs[1][no], runNs[1][no] * small / 1e6, yieldShare,
                    copies);
    }
    std::printf("\nalone: without an application (the yields return at once, no display);\n"
                "as run: yields and the progress bar and label shown in a window;\n"
                "/floor: as run over the memory floor; IM/run: ImageMagick's time over ours;\n"
                "ms: as run on the canvas; yield%%: what the yields and progress add there, in\n"
                "percent of the filter alone; copies: the most extra memory a call held, in\n"
                "pictures.\n");
    return 0;
}
