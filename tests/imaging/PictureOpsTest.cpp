#include "imaging/PictureOps.h"
#include "imaging/ImagingState.h"
#include "platform/Colour.h"
#include "platform/PictureBox.h"
#include "support/ProgramFolder.h"

#include <QLabel>
#include <QTimer>
#include <algorithm>
#include <gtest/gtest.h>

using namespace korv;

namespace {

// A colour that tells every pixel apart.
int patternAt(int x, int y) {
    return RGB(x % 256, y % 256, (x / 256) * 16 + (y / 256) + 1);
}

class PictureOpsTest : public ProgramFolderTest {
protected:
    void SetUp() override {
        ProgramFolderTest::SetUp();
        bar.Move(0, 0, 196 * 15, 22 * 15);
        progress.bar = &bar;
        progress.label = &label;
    }
    // A picture box of w x h pixels (its container measures in twips).
    static void sizePic(PictureBox& p, int w, int h) {
        p.Move(0, 0, w * 15.0, h * 15.0);
        ASSERT_EQ(p.surface().widthPx(), w);
        ASSERT_EQ(p.surface().heightPx(), h);
    }
    void fillPattern(int w, int h) {
        sizePic(pic, w, h);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                pic.surface().setPixel(x, y, patternAt(x, y));
    }
    int at(int x, int y) const { return pic.surface().pixel(x, y); }
    // Every pixel of the picture must hold the pattern of (fx(x, y), fy(x, y)).
    template <class F> void expectPattern(F from) const {
        const int w = pic.surface().widthPx(), h = pic.surface().heightPx();
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const auto [sx, sy] = from(x, y);
                ASSERT_EQ(at(x, y), patternAt(sx, sy)) << "pixel " << x << "," << y;
            }
    }
    // A one-row picture with the given colours.
    void setRow(std::initializer_list<int> colours) {
        sizePic(pic, static_cast<int>(colours.size()), 1);
        int x = 0;
        for (int c : colours)
            pic.surface().setPixel(x++, 0, c);
    }

    PictureBox pic, bar;
    QLabel label;
    ProgressDisplay progress;
    ImagingState state{services, progress};
};

struct XY {
    int x, y;
};

} // namespace

TEST_F(PictureOpsTest, FlipsGiveTheExactMirrorAndTwiceThePictureItself) {
    for (auto [w, h] : {std::pair{5, 3}, std::pair{4, 6}}) {
        fillPattern(w, h);
        FlipHorizontal(pic);
        expectPattern([&](int x, int y) { return XY{w - 1 - x, y}; });
        FlipHorizontal(pic);
        expectPattern([](int x, int y) { return XY{x, y}; });

        FlipVertical(pic);
        expectPattern([&](int x, int y) { return XY{x, h - 1 - y}; });
        FlipVertical(pic);
        expectPattern([](int x, int y) { return XY{x, y}; });
    }
    fillPattern(1, 4);
    FlipHorizontal(pic);
    expectPattern([](int x, int y) { return XY{x, y}; });
    EXPECT_EQ(label.text(), ""); // flips show no progress
}

TEST_F(PictureOpsTest, CopyLeftSideOnAnEvenWidthEndsAtNinetyNinePercent) {
    fillPattern(580, 3);
    CopyLeftSide(state, pic);
    expectPattern([](int x, int y) { return XY{std::min(x, 579 - x), y}; });
    // Columns 0..289 against the maximum 289.5 rounded to 290.
    EXPECT_EQ(label.text(), "99%");
    EXPECT_FALSE(state.OperationBusy);
}

TEST_F(PictureOpsTest, CopyLeftSideOnAnOddWidthKeepsTheMiddleColumn) {
    fillPattern(415, 2);
    CopyLeftSide(state, pic);
    expectPattern([](int x, int y) { return XY{std::min(x, 414 - x), y}; });
    EXPECT_EQ(label.text(), "100%");
}

TEST_F(PictureOpsTest, CopyTopSideOnTheCanvasHeightEndsAtAHundredPercent) {
    fillPattern(3, 310);
    CopyTopSide(state, pic);
    expectPattern([](int x, int y) { return XY{x, std::min(y, 309 - y)}; });
    // Rows 0..154 against the maximum 154.5 rounded to the even 154.
    EXPECT_EQ(label.text(), "100%");
}

TEST_F(PictureOpsTest, CopyCornersMirrorsTheTopLeftQuarter) {
    for (auto [w, h] : {std::pair{6, 5}, std::pair{5, 4}, std::pair{7, 7}}) {
        fillPattern(w, h);
        CopyCorners(state, pic);
        // The middle row of an odd height keeps its left half plus that half's mirror.
        expectPattern([&](int x, int y) {
            return XY{std::min(x, w - 1 - x), std::min(y, h - 1 - y)};
        });
    }
}

TEST_F(PictureOpsTest, SepiaTonesGreyValues) {
    const int greys[] = {0, 10, 30, 50, 100, 255};
    setRow({RGB(0, 0, 0), RGB(10, 10, 10), RGB(30, 30, 30), RGB(50, 50, 50), RGB(100, 100, 100),
            RGB(255, 255, 255)});
    ApplySepia(state, pic);
    const int expected[] = {RGB(0, 0, 0),   RGB(10, 0, 0),    RGB(30, 10, 0),
                            RGB(50, 10, 0), RGB(100, 60, 20), RGB(255, 215, 175)};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(at(i, 0), expected[i]) << "grey " << greys[i];
    EXPECT_EQ(label.text(), "100%");
}

TEST_F(PictureOpsTest, DodgeDoublesEachComponentCappedAt255) {
    setRow({RGB(100, 130, 200), RGB(127, 1, 128), RGB(0, 0, 0)});
    ApplyDodge(state, pic);
    EXPECT_EQ(at(0, 0), RGB(200, 255, 255));
    EXPECT_EQ(at(1, 0), RGB(254, 2, 255));
    EXPECT_EQ(at(2, 0), RGB(0, 0, 0));
}

TEST_F(PictureOpsTest, NeonMapsEachComponentOnItsOwn) {
    const std::pair<int, int> telling[] = {{0, 0},     {1, 254},   {2, 255},  {127, 255}, {128, 1},
                                           {153, 2},   {200, 4},   {221, 6},  {225, 8},   {230, 9},
                                           {240, 16},  {245, 24},  {249, 42}, {250, 50},  {252, 84},
                                           {253, 126}, {254, 254}, {255, 255}};
    const int n = static_cast<int>(std::size(telling));
    sizePic(pic, n + 1, 1);
    for (int i = 0; i < n; ++i) {
        const int v = telling[i].first;
        pic.surface().setPixel(i, 0, RGB(v, v, v));
    }
    pic.surface().setPixel(n, 0, RGB(1, 128, 255)); // components kept apart
    ApplyNeon(state, pic);
    for (int i = 0; i < n; ++i) {
        const int v = telling[i].second;
        EXPECT_EQ(at(i, 0), RGB(v, v, v)) << "component " << telling[i].first;
    }
    EXPECT_EQ(at(n, 0), RGB(254, 1, 255));
}

TEST_F(PictureOpsTest, BlackWhiteComparesTheRoundedGreyWithTheAnswer) {
    setRow({RGB(40, 40, 41), RGB(39, 40, 40), RGB(39, 39, 40), RGB(255, 255, 255)});
    dialogs->expectInput("Geef een getal voor zwart-wit balans (0-255, hoge waarde is donkerder)",
                         "40");
    ConvertBlackWhite(state, pic);
    EXPECT_EQ(at(0, 0), kWhite);
    EXPECT_EQ(at(1, 0), kWhite); // 39.67 rounds to 40
    EXPECT_EQ(at(2, 0), kBlack);
    EXPECT_EQ(at(3, 0), kWhite);
    ASSERT_EQ(dialogs->seen().size(), 1u);
    EXPECT_EQ(dialogs->seen()[0].title, "");
    EXPECT_EQ(dialogs->seen()[0].defaultText, "40");
    EXPECT_EQ(label.text(), "0%"); // one row: maximum 0
}

TEST_F(PictureOpsTest, BlackWhiteThresholdsOutsideTheRange) {
    setRow({RGB(0, 0, 0), RGB(255, 255, 255)});
    dialogs->expectInput("zwart-wit", "-1");
    ConvertBlackWhite(state, pic);
    EXPECT_EQ(at(0, 0), kWhite);
    EXPECT_EQ(at(1, 0), kWhite);

    dialogs->expectInput("zwart-wit", "256");
    ConvertBlackWhite(state, pic);
    EXPECT_EQ(at(0, 0), kBlack);
    EXPECT_EQ(at(1, 0), kBlack);
}

TEST_F(PictureOpsTest, BlackWhiteCancelAndNonNumbersLeaveThePicture) {
    for (const char* answer : {"", "abc", "12x"}) {
        setRow({RGB(10, 20, 30), RGB(200, 210, 220)});
        dialogs->expectInput("zwart-wit", answer);
        ConvertBlackWhite(state, pic);
        EXPECT_EQ(at(0, 0), RGB(10, 20, 30)) << '"' << answer << '"';
        EXPECT_EQ(at(1, 0), RGB(200, 210, 220)) << '"' << answer << '"';
        EXPECT_FALSE(state.OperationBusy);
    }
    EXPECT_EQ(label.text(), ""); // no progress either
}

TEST_F(PictureOpsTest, TransparencyFadesTheUndoCopyTowardsWhite) {
    PictureBox undo;
    sizePic(pic, 4, 2);
    sizePic(undo, 4, 2);
    pic.surface().clear(RGB(1, 2, 3)); // whatever the canvas holds is replaced
    const int src[4] = {RGB(0, 0, 0), RGB(255, 255, 255), RGB(2, 0, 100), RGB(10, 20, 30)};
    for (int x = 0; x < 4; ++x)
        for (int y = 0; y < 2; ++y)
            undo.surface().setPixel(x, y, src[x]);

    ApplyTransparency(state, pic, undo, 95);
    EXPECT_EQ(at(0, 0), RGB(13, 13, 13)); // 12.75
    EXPECT_EQ(at(1, 1), kWhite);

    ApplyTransparency(state, pic, undo, 50);
    EXPECT_EQ(at(0, 1), RGB(128, 128, 128)); // 127.5 to even
    EXPECT_EQ(at(2, 0), RGB(128, 128, 178)); // 128.5 to even; 177.5 to even
    EXPECT_EQ(at(3, 0), RGB(132, 138, 142)); // 132.5, 137.5, 142.5

    ApplyTransparency(state, pic, undo, 80);
    EXPECT_EQ(at(0, 0), RGB(51, 51, 51));
    EXPECT_EQ(undo.surface().pixel(3, 1), src[3]); // the undo copy is only read
    EXPECT_FALSE(services.busy.isBusy());
    EXPECT_EQ(label.text(), "100%");
}

TEST_F(PictureOpsTest, YieldingOperationsRefuseToStartWhileAnotherRuns) {
    PictureBox undo;
    sizePic(undo, 4, 4);
    undo.surface().clear(kBlack);
    for (bool filter : {true, false}) {
        fillPattern(4, 4);
        state.FilterBezig = filter;
        state.OperationBusy = !filter;
        CopyLeftSide(state, pic);
        CopyTopSide(state, pic);
        CopyCorners(state, pic);
        ApplySepia(state, pic);
        ApplyDodge(state, pic);
        ApplyNeon(state, pic);
        ConvertBlackWhite(state, pic); // no box is asked either
        ApplyTransparency(state, pic, undo, 50);
        expectPattern([](int x, int y) { return XY{x, y}; });
        EXPECT_EQ(label.text(), "");
    }
}

TEST_F(PictureOpsTest, AnOperationStartedFromTheEventLoopMidwayIsRefused) {
    fillPattern(6, 3);
    bool sawBusy = false;
    // A timer runs while the mirror copy lets the event loop run; its dodge must not
    // touch the picture under the running copy.
    QTimer::singleShot(0, &label, [&] {
        sawBusy = state.busy();
        ApplyDodge(state, pic);
    });
    CopyLeftSide(state, pic);
    EXPECT_TRUE(sawBusy);
    expectPattern([](int x, int y) { return XY{std::min(x, 5 - x), y}; });
    EXPECT_FALSE(state.OperationBusy);
}
