// The filter dispatcher: busy refusal, unknown numbers, the buffer's layout, tiny
// pictures and the progress each filter reports.
#include "FiltersTestSupport.h"
#include "support/EventRounds.h"

#include <QTimer>
#include <algorithm>
#include <climits>
#include <tuple>

using namespace filterstest;

namespace {

// A menu-like parameter for every filter number.
int paramFor(int filterNo) {
    switch (filterNo) {
    case 1:
        return 10;
    case 4:
        return 6;
    case 6:
        return 1;
    case 7:
        return 16777215;
    case 8:
    case 9:
    case 10:
    case 11:
        return 0x203040;
    case 14:
        return 4;
    case 15:
        return 3;
    case 16:
        return 1;
    case 17:
        return 10;
    case 18:
        return 0x808080;
    case 21:
    case 22:
        return 10;
    case 23:
        return 15;
    case 29:
        return 50;
    case 30:
        return 140;
    case 31:
        return 200;
    default:
        return 0;
    }
}

QImage busyPicture(int w, int h) {
    QImage img(w, h, QImage::Format_RGB32);
    for (int y = 1; y <= h; ++y)
        for (int x = 1; x <= w; ++x)
            setPx(img, x, y, {(x * 53 + y * 11) % 256, (x * 7 + y * 71) % 256, (x * y * 29) % 256},
                  (x * 37 + y * 101) % 256);
    return img;
}

using Record = std::tuple<int, int, int>; // Progress, Voortgang, bar percentage

} // namespace

using FiltersDispatcher = FiltersFixture;

TEST_F(FiltersDispatcher, SplitRGBTakesRedFromTheLowestByteWithItsSign) {
    int r, g, b;
    korv::Filters::SplitRGB(16777215, r, g, b);
    EXPECT_EQ(std::make_tuple(r, g, b), std::make_tuple(255, 255, 255));
    korv::Filters::SplitRGB(255, r, g, b);
    EXPECT_EQ(std::make_tuple(r, g, b), std::make_tuple(255, 0, 0));
    korv::Filters::SplitRGB(65536, r, g, b);
    EXPECT_EQ(std::make_tuple(r, g, b), std::make_tuple(0, 0, 1));
    korv::Filters::SplitRGB(0x7F123456, r, g, b); // the highest byte is ignored
    EXPECT_EQ(std::make_tuple(r, g, b), std::make_tuple(0x56, 0x34, 0x12));
    korv::Filters::SplitRGB(-1, r, g, b); // remainder keeps the sign; bytes 2 and 3 do not
    EXPECT_EQ(std::make_tuple(r, g, b), std::make_tuple(-1, 255, 255));
}

TEST_F(FiltersDispatcher, UnknownNumbersAndNullPicturesChangeNothing) {
    for (int no : {0, 32, -1, 1000}) {
        const QImage before = busyPicture(4, 3);
        QImage img = before;
        Progress = -7;
        filters.Voortgang = 33;
        filters.ApplyFilter(no, img, 5, Progress);
        EXPECT_TRUE(sameBytes(img, before)) << no;
        EXPECT_EQ(Progress, -7) << no;
        EXPECT_EQ(filters.Voortgang, 33) << no;
        EXPECT_FALSE(state.FilterBezig);
        EXPECT_EQ(filters.Pixels, nullptr);
        EXPECT_TRUE(filters.PixelsOrg.empty());
    }
    QImage null;
    filters.ApplyFilter(2, null, 0, Progress);
    EXPECT_TRUE(null.isNull());
    EXPECT_EQ(Progress, -7);
}

TEST_F(FiltersDispatcher, RefusesWhileBusy) {
    for (bool filterBusy : {true, false}) {
        state.FilterBezig = filterBusy;
        state.OperationBusy = !filterBusy;
        const QImage before = busyPicture(3, 3);
        QImage img = before;
        filters.Voortgang = 12;
        filters.ApplyFilter(2, img, 0, Progress);
        EXPECT_TRUE(sameBytes(img, before));
        EXPECT_EQ(Progress, -7);
        EXPECT_EQ(filters.Voortgang, 12);
        EXPECT_EQ(state.FilterBezig, filterBusy); // not cleared by the refused call
    }
}

TEST_F(FiltersDispatcher, ACallFromAHandlerDuringAFilterIsIgnored) {
    filters.eventInterval = std::chrono::nanoseconds(0); // the event loop runs at every yield
    QImage other = uniformPicture(3, 3, {10, 20, 30});
    int otherProgress = -3;
    int yields = 0;
    bool busySeen = false;
    filters.onYield = [&] {
        if (yields++ == 0) {
            busySeen = state.FilterBezig;
            const int v = filters.Voortgang;
            filters.ApplyFilter(2, other, 0, otherProgress);
            EXPECT_EQ(filters.Voortgang, v);
        }
    };
    // A handler run by the event loop while the filter yields.
    bool timerRan = false;
    QImage third = uniformPicture(2, 2, {1, 2, 3});
    QTimer::singleShot(0, [&] {
        timerRan = true;
        filters.ApplyFilter(2, third, 0, otherProgress);
    });
    QImage img = uniformPicture(3, 3, {0, 100, 255});
    filters.ApplyFilter(2, img, 0, Progress);

    EXPECT_TRUE(busySeen);
    EXPECT_TRUE(timerRan);
    EXPECT_EQ(px(other, 2, 2), (Bgr{10, 20, 30}));
    EXPECT_EQ(px(third, 1, 1), (Bgr{1, 2, 3}));
    EXPECT_EQ(otherProgress, -3);
    // The running filter finished normally.
    EXPECT_EQ(px(img, 3, 3), (Bgr{255, 155, 0}));
    EXPECT_EQ(Progress, 100);
    EXPECT_FALSE(state.FilterBezig);
}

TEST_F(FiltersDispatcher, EveryFilterKeepsTheFourthByteAndEndsIdleAt100) {
    for (int no = 1; no <= 31; ++no) {
        const QImage before = busyPicture(6, 5);
        QImage img = before;
        Progress = -7;
        filters.ApplyFilter(no, img, paramFor(no), Progress);
        EXPECT_EQ(Progress, 100) << no;
        EXPECT_FALSE(state.FilterBezig) << no;
        // Nothing of the picture is held between calls.
        EXPECT_EQ(filters.Pixels, nullptr);
        EXPECT_EQ(filters.PixelsOrg.capacity(), 0u);
        EXPECT_EQ(img.format(), QImage::Format_RGB32);
        ASSERT_EQ(img.size(), before.size());
        for (int y = 1; y <= 5; ++y)
            for (int x = 1; x <= 6; ++x)
                ASSERT_EQ(pixelAt(img, x, y)[3], before.constScanLine(y - 1)[4 * (x - 1) + 3])
                    << "filter " << no << " at " << x << "," << y;
    }
}

TEST_F(FiltersDispatcher, TinyPicturesRunEveryFilterAndBorderRangesChangeNothing) {
    // Filters whose range keeps off the outer row and column (or the last ones).
    const std::vector<int> inner = {1, 3, 5, 6, 7, 8, 9, 10, 11, 13, 24, 25, 26, 27};
    const std::pair<int, int> sizes[] = {{1, 1}, {1, 5}, {5, 1}, {2, 2}};
    for (auto [w, h] : sizes) {
        for (int no = 1; no <= 31; ++no) {
            const QImage before = busyPicture(w, h);
            QImage img = before;
            Progress = -7;
            filters.ApplyFilter(no, img, paramFor(no), Progress);
            EXPECT_EQ(Progress, 100) << no << " on " << w << "x" << h;
            const bool keepsOff = std::find(inner.begin(), inner.end(), no) != inner.end();
            const bool lastOnly = (no == 8 || no == 10) && w > 1 && h > 1;
            if (keepsOff && !lastOnly) {
                EXPECT_TRUE(sameBytes(img, before)) << no << " on " << w << "x" << h;
            }
        }
    }
}

TEST_F(FiltersDispatcher, WorksOnOtherFormatsAsRgb32AndTopRowFirst) {
    QImage img(2, 2, QImage::Format_RGB888);
    img.fill(Qt::black);
    img.setPixelColor(0, 0, QColor(10, 20, 30)); // top left
    img.setPixelColor(1, 1, QColor(200, 100, 0));
    filters.ApplyFilter(2, img, 0, Progress);
    EXPECT_EQ(img.format(), QImage::Format_RGB32);
    EXPECT_EQ(px(img, 1, 1), (Bgr{225, 235, 245}));
    EXPECT_EQ(px(img, 2, 2), (Bgr{255, 155, 55}));
}

TEST_F(FiltersDispatcher, ProgressOfAWholePictureFilter) {
    // Negative on 3 x 4: after row y, (y * 100) \ 4; the bar gets y of 3.
    std::vector<Record> seen;
    filters.onYield = [&] {
        seen.emplace_back(Progress, filters.Voortgang, progress.ProgressPercent);
    };
    run(2, uniformPicture(3, 4, {1, 2, 3}));
    const std::vector<Record> expected = {
        {25, 25, 0}, {50, 50, 33}, {75, 75, 66}, {100, 100, 100}, {100, 100, 133}};
    EXPECT_EQ(seen, expected);
    EXPECT_EQ(progress.ProgressPercent, 133);
}

TEST_F(FiltersDispatcher, ProgressWhenTheMainWindowPassesVoortgang) {
    QImage img = uniformPicture(3, 3, {1, 2, 3});
    filters.Voortgang = -5;
    filters.ApplyFilter(3, img, 0, filters.Voortgang);
    EXPECT_EQ(filters.Voortgang, 100);
}

TEST_F(FiltersDispatcher, ProgressOfBorderRangesAndTwoPassFilters) {
    std::vector<Record> seen;
    filters.onYield = [&] {
        seen.emplace_back(Progress, filters.Voortgang, progress.ProgressPercent);
    };
    // Blur on 3 x 3 reports row 2 only.
    run(3, uniformPicture(3, 3, {9, 9, 9}));
    EXPECT_EQ(seen, (std::vector<Record>{{66, 66, 0}, {100, 66, 100}}));

    // Kuwahara on 5 x 5 reports row 3 only.
    seen.clear();
    progress.ProgressPercent = 0;
    run(24, uniformPicture(5, 5, {9, 9, 9}));
    EXPECT_EQ(seen, (std::vector<Record>{{60, 60, 0}, {100, 60, 75}}));

    // Kuwahara on 4 x 6: no column lies in the range, but rows 3 and 4 still report
    // (3 * 100) \ 6 = 50 and (4 * 100) \ 6 = 66; the bar shows 3 of 5 and 4 of 5.
    seen.clear();
    progress.ProgressPercent = 0;
    const QImage narrow = busyPicture(4, 6);
    EXPECT_TRUE(sameBytes(run(24, narrow), narrow));
    EXPECT_EQ(seen, (std::vector<Record>{{50, 50, 0}, {66, 66, 60}, {100, 66, 80}}));

    // Contrast: 5 after its first pass (Voortgang stays 0), then 5 + (y * 95) \ H.
    seen.clear();
    progress.ProgressPercent = 0;
    run(17, uniformPicture(2, 2, {9, 9, 9}), 10);
    EXPECT_EQ(seen,
              (std::vector<Record>{{5, 0, 0}, {52, 52, 0}, {100, 100, 100}, {100, 100, 200}}));

    // Floyd-Steinberg leaves Voortgang alone until its first row: 2, 10, 10 + (y * 90) \ H.
    seen.clear();
    progress.ProgressPercent = 0;
    filters.Voortgang = 42;
    run(21, uniformPicture(3, 2, {9, 9, 9}), 10);
    EXPECT_EQ(seen, (std::vector<Record>{
                        {2, 42, 0}, {10, 42, 0}, {55, 55, 0}, {100, 100, 100}, {100, 100, 200}}));

    // Level stretch: first pass (y * 10) \ H without the bar, then 10, then 10 + (y * 90) \ H.
    seen.clear();
    progress.ProgressPercent = 77;
    run(28, uniformPicture(2, 2, {9, 9, 9}));
    EXPECT_EQ(seen, (std::vector<Record>{{5, 5, 77},
                                         {10, 10, 77},
                                         {10, 10, 77},
                                         {55, 55, 77},
                                         {100, 100, 100},
                                         {100, 100, 200}}));
}

TEST_F(FiltersDispatcher, ExtremeParametersFinishWithoutOverflow) {
    // Run under the sanitizers: no overflow, no read outside the buffers.
    for (int no = 1; no <= 31; ++no)
        for (int param : {INT_MAX, INT_MIN, -2, 2}) {
            QImage img = busyPicture(6, 5);
            Progress = -7;
            filters.ApplyFilter(no, img, param, Progress);
            EXPECT_EQ(Progress, 100) << no << " with " << param;
            EXPECT_EQ(img.size(), QSize(6, 5));
        }
    // A square as large as any picture: the mean of the whole picture (2 x 1: (0 + 255) \ 2).
    const QImage big = run(15, greyPicture({{0, 255}}), INT_MAX);
    EXPECT_EQ(blueRows(big), (std::vector<std::vector<int>>{{127, 127}}));
}

TEST_F(FiltersDispatcher, WorksOnPixelsOfItsOwnAndSurvivesAReplacedPicture) {
    // A copy sharing the pixels (as the undo copy does) keeps the picture as it was.
    QImage img = busyPicture(5, 4);
    const QImage before = img.copy();
    const QImage undo = img;
    filters.ApplyFilter(2, img, 0, Progress);
    EXPECT_TRUE(sameBytes(undo, before));
    EXPECT_EQ(px(img, 2, 3)[0], 255 - px(before, 2, 3)[0]);

    // A handler that replaces the picture, or paints into it, while the filter yields:
    // the filter ends on the pixels it started with and its result goes back.
    for (bool replace : {true, false}) {
        QImage canvas = before.copy();
        int yields = 0;
        filters.onYield = [&] {
            if (yields++ != 1) return;
            if (replace)
                canvas = uniformPicture(7, 7, {1, 2, 3});
            else
                setPx(canvas, 1, 4, {9, 9, 9});
        };
        filters.ApplyFilter(2, canvas, 0, Progress);
        filters.onYield = nullptr;
        ASSERT_EQ(canvas.size(), before.size()) << replace;
        for (int y = 1; y <= 4; ++y)
            for (int x = 1; x <= 5; ++x)
                ASSERT_EQ(px(canvas, x, y)[1], 255 - px(before, x, y)[1]) << replace;
    }
}

TEST_F(FiltersDispatcher, TheEventLoopRunsOnlyOnceTheIntervalHasPassed) {
    int yields = 0;
    filters.onYield = [&] { ++yields; };
    const QImage tall = busyPicture(4, 40);

    // Not yet due: the loop did not run, while every row still yielded.
    filters.eventInterval = std::chrono::hours(1);
    for (int call = 0; call < 2; ++call) {
        int rounds = 0;
        EventRounds counter([&] { ++rounds; });
        yields = 0;
        run(2, tall);
        EXPECT_EQ(yields, 41) << call; // forty rows and the end
        EXPECT_EQ(rounds, 0) << call;
    }

    // Always due: the loop runs at every yield.
    filters.eventInterval = std::chrono::nanoseconds(0);
    int rounds = 0;
    EventRounds counter([&] { ++rounds; });
    yields = 0;
    run(2, tall);
    EXPECT_EQ(yields, 41);
    EXPECT_EQ(rounds, 41);
}
