// Every filter and picture operation on seeded random pictures, held against checksums
// of the pixels it leaves and of its progress trace (what each yield sees of the
// progress, the percentage label and the bar), so that work on their speed cannot
// change a single byte or step unnoticed.
#include "imaging/FilterHelpers.h"
#include "imaging/Filters.h"
#include "imaging/PictureOps.h"
#include "platform/PictureBox.h"
#include "support/EventRounds.h"
#include "support/ProgramFolder.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <cstdint>
#include <cstdio>
#include <gtest/gtest.h>

using namespace korv;

namespace {

// FNV-1a, 64 bits.
struct Hash {
    std::uint64_t h = 14695981039346656037ull;
    void bytes(const void* p, std::size_t n) {
        const auto* b = static_cast<const unsigned char*>(p);
        for (std::size_t i = 0; i < n; ++i)
            h = (h ^ b[i]) * 1099511628211ull;
    }
    void num(std::int64_t v) { bytes(&v, sizeof v); }
    void text(const QString& s) { bytes(s.constData(), sizeof(QChar) * s.size()); }
    void image(const QImage& img) {
        num(img.width());
        num(img.height());
        num(img.format());
        for (int y = 0; y < img.height(); ++y)
            bytes(img.constScanLine(y), static_cast<std::size_t>(img.bytesPerLine()));
    }
};

// xorshift32: the pictures and the fed numbers must not depend on the program's own
// generator.
struct Xorshift {
    std::uint32_t s;
    std::uint32_t next() {
        s ^= s << 13;
        s ^= s >> 17;
        s ^= s << 5;
        return s;
    }
};

// Every fourth number a multiple of 1/16, so that noise and diffuse also meet exact
// halves when they round; the others spread over [0, 1), 0 included.
std::function<double()> fixedSequence() {
    return [g = Xorshift{2463534242u}, i = 0]() mutable {
        const std::uint32_t v = g.next();
        if (++i % 4 == 0) return (v % 16) / 16.0;
        return (v >> 8) / 16777216.0;
    };
}

// Random bytes in every channel, the reserved one included (the filters leave it).
QImage randomPicture(int w, int h, std::uint32_t seed) {
    QImage img(w, h, QImage::Format_RGB32);
    Xorshift g{seed};
    for (int y = 0; y < h; ++y) {
        auto* p = reinterpret_cast<std::uint32_t*>(img.scanLine(y));
        for (int x = 0; x < w; ++x)
            p[x] = g.next();
    }
    return img;
}

constexpr int kSizes[][2] = {{1, 1}, {2, 3}, {3, 3}, {6, 5}, {17, 9}, {580, 310}};

// Filter, parameter, whether the picture comes back as it went in, and the checksums
// of the results and of the traces over all sizes.
struct FilterCase {
    int no, param;
    bool keeps;
    std::uint64_t pixels, trace;
};

constexpr FilterCase kFilters[] = {
    {1, 0, false, 0xf9e93808a44b031aull, 0x7b4a94fdcd334d54ull},
    {1, 10, false, 0x2718e74e1111c6a4ull, 0xfbddf9267255903cull},
    {1, -8, true, 0x0a3d876f109d063bull, 0xbd39385870710bc5ull},
    {1, -30, false, 0x7dd3d2143d0a963aull, 0xfbddf9267255903cull},
    {2, 0, false, 0x7fcb26b8c06e30eeull, 0xb297c383570eb2faull},
    {3, 0, false, 0xac636a912742bacfull, 0xfbddf9267255903cull},
    {4, 0, true, 0x0a3d876f109d063bull, 0xb297c383570eb2faull},
    {4, 1, false, 0x0607bf7d6af857e9ull, 0xb297c383570eb2faull},
    {4, 6, false, 0x609d9bcd18bb4a42ull, 0xb297c383570eb2faull},
    {4, 25, false, 0xf1f2fac6cb4f3bceull, 0xb297c383570eb2faull},
    {5, 0, false, 0x42a7a0574fb0337eull, 0xfbddf9267255903cull},
    {6, 0, false, 0x5fe61e7fd7866e8full, 0xfbddf9267255903cull},
    {6, 5, false, 0xea3a213005a41149ull, 0xfbddf9267255903cull},
    {6, -1, true, 0x0a3d876f109d063bull, 0xbd39385870710bc5ull},
    {7, 0, false, 0xbf74a0339810f462ull, 0xfbddf9267255903cull},
    {7, 1193046, false, 0xeabd1c140f3c42e4ull, 0xfbddf9267255903cull},
    {7, 16777215, false, 0x65be757c57c48cf5ull, 0xfbddf9267255903cull},
    {7, -5, false, 0x5ae23a0408c2f0c1ull, 0xfbddf9267255903cull},
    {8, 0, false, 0xc60a5f75d5d65df7ull, 0xb4ebd1924179821aull},
    {8, 8421504, false, 0x847a7f626fe6d37aull, 0xb4ebd1924179821aull},
    {8, -300, false, 0x952646f970a39199ull, 0xb4ebd1924179821aull},
    {9, 0, false, 0x506ed15190b21ad3ull, 0xfbddf9267255903cull},
    {9, 4210752, false, 0xa6c95c6d32323360ull, 0xfbddf9267255903cull},
    {10, 0, false, 0xc60a5f75d5d65df7ull, 0xb4ebd1924179821aull},
    {10, 8421504, false, 0x6a300bdc8bab38a3ull, 0xb4ebd1924179821aull},
    {11, 0, false, 0x7131f094bb3eefb9ull, 0xfbddf9267255903cull},
    {11, 4210752, false, 0xc44d5cb8a65a7705ull, 0xfbddf9267255903cull},
    {12, 0, false, 0x99df12090963b677ull, 0xb297c383570eb2faull},
    {13, 0, false, 0x0064a0474e94a501ull, 0xfbddf9267255903cull},
    {14, 0, true, 0x0a3d876f109d063bull, 0xb297c383570eb2faull},
    {14, 40, false, 0xd44f0f125dd379a7ull, 0xb297c383570eb2faull},
    {14, -60, false, 0xa68944ee64426f51ull, 0xb297c383570eb2faull},
    {14, -100, false, 0xad7d6016ac944745ull, 0xb297c383570eb2faull},
    {14, 250, false, 0x2295a6f30b78b229ull, 0xb297c383570eb2faull},
    {15, 0, true, 0x0a3d876f109d063bull, 0xbd39385870710bc5ull},
    {15, 1, true, 0x0a3d876f109d063bull, 0xb297c383570eb2faull},
    {15, 2, false, 0xc11e0160678c54d7ull, 0xb297c383570eb2faull},
    {15, 3, false, 0xb5e6889c8339fd1dull, 0xb297c383570eb2faull},
    {15, 7, false, 0xc90986cf41199790ull, 0xb297c383570eb2faull},
    {15, 1000, false, 0xf7adc0f897c06306ull, 0xb297c383570eb2faull},
    {16, 0, true, 0x0a3d876f109d063bull, 0xb297c383570eb2faull},
    {16, 1, false, 0xb2c48983d1351e53ull, 0xb297c383570eb2faull},
    {16, 2, false, 0x6653fb68b5c991b7ull, 0xb297c383570eb2faull},
    {16, 3, false, 0x68970c162e5ad27bull, 0xb297c383570eb2faull},
    {16, 4, false, 0x161bf028f0b11097ull, 0xb297c383570eb2faull},
    {16, 5, false, 0x6474ae64579b1a33ull, 0xb297c383570eb2faull},
    {16, 6, true, 0x0a3d876f109d063bull, 0xb297c383570eb2faull},
    {17, 0, true, 0x0a3d876f109d063bull, 0xeb8477fcdf7b9b67ull},
    {17, 50, false, 0xfb931d76adc483d7ull, 0xeb8477fcdf7b9b67ull},
    {17, -50, false, 0xd875094fcc3673c7ull, 0xeb8477fcdf7b9b67ull},
    {17, -100, false, 0x6b2861792d1c5dc1ull, 0xeb8477fcdf7b9b67ull},
    {17, 200, false, 0x159d98369e2262f6ull, 0xeb8477fcdf7b9b67ull},
    {18, 0, false, 0x49b54ec6cf680e48ull, 0xb297c383570eb2faull},
    {18, 8421504, false, 0xa091d050d0089521ull, 0xb297c383570eb2faull},
    {18, 16777215, false, 0x44ae870bba465a10ull, 0xb297c383570eb2faull},
    {18, -1, false, 0x49b54ec6cf680e48ull, 0xb297c383570eb2faull},
    {19, 0, false, 0x2c6d2366af395820ull, 0xeb8477fcdf7b9b67ull},
    {20, 0, false, 0x1f4f442672a5f650ull, 0xb297c383570eb2faull},
    {21, 0, true, 0x0a3d876f109d063bull, 0x2809cdfb340d8a85ull},
    {21, 10, false, 0x4c3f246d172368acull, 0xea1bf3a7d53e028aull},
    {21, 3, false, 0xfa817cb36c1970f9ull, 0xea1bf3a7d53e028aull},
    {21, -7, false, 0x04b031932653e868ull, 0xea1bf3a7d53e028aull},
    {22, 0, true, 0x0a3d876f109d063bull, 0x2809cdfb340d8a85ull},
    {22, 10, false, 0x6af3f766aa7caa71ull, 0x44ff85701375b78aull},
    {22, 3, false, 0xe84f4c2a5ce4cb69ull, 0x44ff85701375b78aull},
    {23, 0, true, 0x0a3d876f109d063bull, 0x2809cdfb340d8a85ull},
    {23, 10, false, 0xb74491498d46fef4ull, 0x44ff85701375b78aull},
    {23, 5, false, 0x0269a53807c8c7b5ull, 0x44ff85701375b78aull},
    {24, 0, false, 0x007c7bf85fecfa24ull, 0xdb65a74b6e97b3dfull},
    {25, 0, false, 0x3dbd1e35e171e665ull, 0xecaa9f33fe23e892ull},
    {26, 0, false, 0xc0d477c6b8e4bf04ull, 0xfbddf9267255903cull},
    {27, 0, false, 0x6638e726ec2e0a29ull, 0xfbddf9267255903cull},
    {28, 0, false, 0xa0ca84f80742f163ull, 0xd0c91d8728807bcbull},
    {29, 0, false, 0xb5a4567ba46d6066ull, 0xb297c383570eb2faull},
    {29, 5, false, 0x7282270946b63fb0ull, 0xb297c383570eb2faull},
    {29, 50, false, 0xf96489f2aed0fc63ull, 0xb297c383570eb2faull},
    {29, 255, false, 0xeaf16dc0345bb64cull, 0xb297c383570eb2faull},
    {29, -3, false, 0x3e28fc46335f994dull, 0xb297c383570eb2faull},
    {30, 0, true, 0x0a3d876f109d063bull, 0xb297c383570eb2faull},
    {30, 50, false, 0xf9fdb7137317394dull, 0xb297c383570eb2faull},
    {30, -100, false, 0x99df12090963b677ull, 0xb297c383570eb2faull},
    {30, 300, false, 0x70108dd740084211ull, 0xb297c383570eb2faull},
    {31, 100, true, 0x0a3d876f109d063bull, 0xb297c383570eb2faull},
    {31, 0, true, 0x0a3d876f109d063bull, 0xbd39385870710bc5ull},
    {31, -5, true, 0x0a3d876f109d063bull, 0xbd39385870710bc5ull},
    {31, 50, false, 0xd92414fe444fa27aull, 0xb297c383570eb2faull},
    {31, 220, false, 0x1925cd23ae46edd0ull, 0xb297c383570eb2faull},
};

// Picture operations, as numbered in runOperation.
struct OperationCase {
    int op, arg;
    std::uint64_t pixels, trace;
};

constexpr OperationCase kOperations[] = {
    {0, 0, 0x1e2faec15207720eull, 0xe72a1c83250570a5ull},
    {1, 0, 0x0702e5560d7f8636ull, 0xe72a1c83250570a5ull},
    {2, 0, 0xc6ea8e82361d8595ull, 0xe0907895a16938c8ull},
    {3, 0, 0x3a18bfd7c7085213ull, 0x0d84282103779511ull},
    {4, 0, 0xf29231e233972868ull, 0x111a85a80e3e6b5full},
    {5, 0, 0x5b98296ab5c822bdull, 0x51c64d9dae1a6b8eull},
    {6, 0, 0xdbc3a9a74371990eull, 0x4495e94115c73e8aull},
    {7, 0, 0x92e1cd379367ab2eull, 0x4495e94115c73e8aull},
    {8, 40, 0x7c15b8700e3dfa70ull, 0x4495e94115c73e8aull},
    {8, 128, 0xb0f6a35e45c2060cull, 0x4495e94115c73e8aull},
    {8, 0, 0x04c80dde4278bdd8ull, 0x4495e94115c73e8aull},
    {8, 255, 0x4de8faf628c9d005ull, 0x4495e94115c73e8aull},
    {9, 5, 0x1f0ca32f7fdaa48full, 0x51c64d9dae1a6b8eull},
    {9, 50, 0x55da766bef185116ull, 0x51c64d9dae1a6b8eull},
    {9, 95, 0x010ab524d6d88b57ull, 0x51c64d9dae1a6b8eull},
};

class Checksums : public ProgramFolderTest {
protected:
    // Runs the filter cases `chosen` picks and holds them against their checksums. A
    // trace starts from what the case before left on the display, so traces are only
    // held against theirs when every case runs.
    template <class Chosen> void filtersMatch(Chosen chosen, bool traces = true);
    void SetUp() override {
        ProgramFolderTest::SetUp();
        bar.Move(0, 0, 196 * 15, 22 * 15);
        progress.bar = &bar;
        progress.label = &label;
    }
    // What a yield sees of the progress display.
    void traceDisplay(Hash& t) const {
        t.num(progress.ProgressPercent);
        t.text(label.text());
        t.image(bar.Image());
    }

    PictureBox bar;
    QLabel label;
    ProgressDisplay progress;
    ImagingState state{services, progress};
};

} // namespace

TEST_F(Checksums, FiltersKeepTheirPixelsAndProgress) {
    filtersMatch([](const FilterCase&) { return true; });
}

namespace {

// Brightness, colour threshold, level stretch and gamma look bytes up 64 at a time where
// the processor can, else in tables of pairs or by comparing: each way gives the recorded
// pixels.
bool curveFilter(const FilterCase& c) {
    return c.no == 14 || c.no == 18 || c.no == 28 || c.no == 31;
}

// Puts back the lookup a test found, however the test ends.
struct WideLookupKept {
    const bool before = filterhelpers::PixelCurves::wideLookup();
    ~WideLookupKept() { filterhelpers::PixelCurves::setWideLookup(before); }
};

} // namespace

TEST_F(Checksums, CurveFiltersLookedUpNarrowGiveTheRecordedPixels) {
    WideLookupKept kept;
    EXPECT_FALSE(filterhelpers::PixelCurves::setWideLookup(false));
    EXPECT_FALSE(filterhelpers::PixelCurves::wideLookup());
    filtersMatch(curveFilter, false);
}

TEST_F(Checksums, CurveFiltersLookedUpWideGiveTheRecordedPixels) {
    if (!filterhelpers::processorHasWideLookup())
        GTEST_SKIP() << "no wide lookup to check: the processor has no AVX-512 VBMI byte "
                        "permutes, or KORV_NO_WIDE_LOOKUP is set";
    WideLookupKept kept;
    ASSERT_TRUE(filterhelpers::PixelCurves::setWideLookup(true));
    ASSERT_TRUE(filterhelpers::PixelCurves::wideLookup());
    filtersMatch(curveFilter, false);
}

// Run by ctest once more with KORV_NO_WIDE_LOOKUP=1, so that it is checked on any
// processor.
TEST_F(Checksums, AskingForAWideLookupThatIsAbsentKeepsTheNarrowOne) {
    if (filterhelpers::processorHasWideLookup())
        GTEST_SKIP() << "the processor has the wide lookup and KORV_NO_WIDE_LOOKUP is not set "
                        "(Checksums.CurveFiltersWithoutTheWideLookup sets it)";
    WideLookupKept kept;
    EXPECT_FALSE(filterhelpers::PixelCurves::wideLookup()); // off from the start
    EXPECT_FALSE(filterhelpers::PixelCurves::setWideLookup(true));
    EXPECT_FALSE(filterhelpers::PixelCurves::wideLookup());
    filtersMatch(curveFilter, false);
}

template <class Chosen> void Checksums::filtersMatch(Chosen chosen, bool traces) {
    Filters filters(state);
    services.random.feed(fixedSequence());
    for (const FilterCase& c : kFilters) {
        if (!chosen(c)) continue;
        Hash pixels, trace;
        std::uint32_t seed = 1;
        for (const auto& size : kSizes) {
            const QImage in = randomPicture(size[0], size[1], seed++);
            QImage img = in;
            int Progress = -1;
            filters.onYield = [&] {
                trace.num(Progress);
                trace.num(filters.Voortgang);
                traceDisplay(trace);
            };
            progress.clearBar();
            filters.ApplyFilter(c.no, img, c.param, Progress);
            trace.num(Progress);
            traceDisplay(trace);
            pixels.image(img);
            if (c.keeps) {
                EXPECT_EQ(img, in) << "filter " << c.no << " param " << c.param << " size "
                                   << size[0] << "x" << size[1];
            }
        }
        EXPECT_EQ(pixels.h, c.pixels) << "filter " << c.no << " param " << c.param;
        if (traces) {
            EXPECT_EQ(trace.h, c.trace) << "filter " << c.no << " param " << c.param;
        }
        if (pixels.h != c.pixels || (traces && trace.h != c.trace))
            std::printf("    {%d, %d, %s, 0x%016llxull, 0x%016llxull},\n", c.no, c.param,
                        c.keeps ? "true" : "false", static_cast<unsigned long long>(pixels.h),
                        static_cast<unsigned long long>(trace.h));
    }
}

TEST_F(Checksums, PictureOperationsKeepTheirPixelsAndProgress) {
    PictureBox pic, undo;
    for (const OperationCase& c : kOperations) {
        Hash pixels, trace;
        std::uint32_t seed = 100;
        for (const auto& size : kSizes) {
            pic.Move(0, 0, size[0] * 15.0, size[1] * 15.0);
            pic.surface().setImage(randomPicture(size[0], size[1], seed++));
            undo.Move(0, 0, size[0] * 15.0, size[1] * 15.0);
            undo.surface().setImage(randomPicture(size[0], size[1], seed++));
            progress.clearBar();
            {
                // The yields of a picture operation, which has no hook of its own.
                EventRounds recorder([&] { traceDisplay(trace); });
                switch (c.op) {
                case 0:
                    FlipHorizontal(pic);
                    break;
                case 1:
                    FlipVertical(pic);
                    break;
                case 2:
                    CopyLeftSide(state, pic);
                    break;
                case 3:
                    CopyTopSide(state, pic);
                    break;
                case 4:
                    CopyCorners(state, pic);
                    break;
                case 5:
                    ApplySepia(state, pic);
                    break;
                case 6:
                    ApplyDodge(state, pic);
                    break;
                case 7:
                    ApplyNeon(state, pic);
                    break;
                case 8:
                    dialogs->expectInput("zwart-wit", QString::number(c.arg));
                    ConvertBlackWhite(state, pic);
                    break;
                case 9:
                    ApplyTransparency(state, pic, undo, c.arg);
                    break;
                }
            }
            QCoreApplication::removePostedEvents(nullptr, QEvent::User);
            traceDisplay(trace);
            pixels.image(pic.Image());
        }
        EXPECT_EQ(pixels.h, c.pixels) << "operation " << c.op << " arg " << c.arg;
        EXPECT_EQ(trace.h, c.trace) << "operation " << c.op << " arg " << c.arg;
        if (pixels.h != c.pixels || trace.h != c.trace)
            std::printf("    {%d, %d, 0x%016llxull, 0x%016llxull},\n", c.op, c.arg,
                        static_cast<unsigned long long>(pixels.h),
                        static_cast<unsigned long long>(trace.h));
    }
}
