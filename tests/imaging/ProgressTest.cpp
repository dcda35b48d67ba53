#include "imaging/Progress.h"
#include "platform/Colour.h"
#include "platform/PictureBox.h"

#include <QLabel>
#include <gtest/gtest.h>

using namespace korv;

namespace {

const int kBlank = RGB(240, 240, 240);

class ProgressTest : public ::testing::Test {
protected:
    void SetUp() override {
        bar.Move(0, 0, 196 * 15, 22 * 15); // 196 x 22 pixels
        bar.setBackColor(kBlank);
        progress.bar = &bar;
        progress.label = &label;
    }
    // The column of the bar that was painted last: -1 when none.
    int paintedRightEdge() const {
        for (int x = bar.surface().widthPx() - 1; x >= 0; --x)
            if (bar.surface().pixel(x, 0) != kBlank) return x;
        return -1;
    }

    PictureBox bar;
    QLabel label;
    ProgressDisplay progress;
};

} // namespace

TEST_F(ProgressTest, BarRowsShowTheTwoGreenBands) {
    ASSERT_EQ(bar.surface().widthPx(), 196);
    ASSERT_EQ(bar.surface().heightPx(), 22);
    progress.ShowProgress(50, 100);
    EXPECT_EQ(label.text(), "50%");
    EXPECT_EQ(progress.ProgressPercent, 50);
    // Upper band brightening to row 10, lower band fading from 160 to 110.
    const int greens[18] = {130, 140, 150, 160, 170, 180, 190, 200, 210,
                            220, 220, 160, 150, 140, 130, 120, 110, 110};
    for (int y = 0; y < 18; ++y) {
        EXPECT_EQ(bar.surface().pixel(0, y), RGB(0, greens[y], 0)) << "row " << y;
        EXPECT_EQ(bar.surface().pixel(95, y), RGB(0, greens[y], 0)) << "row " << y;
        EXPECT_EQ(bar.surface().pixel(96, y), kBlank) << "row " << y;
    }
    for (int y = 18; y < 22; ++y)
        EXPECT_EQ(bar.surface().pixel(0, y), kBlank) << "row " << y;
}

TEST_F(ProgressTest, PercentageTruncatesAndBarLengthFollowsIt) {
    progress.ShowProgress(0, 290);
    EXPECT_EQ(label.text(), "0%");
    EXPECT_EQ(paintedRightEdge(), 0); // a box from x 0 to x 0 is one column wide

    progress.ShowProgress(289, 290);
    EXPECT_EQ(label.text(), "99%");

    progress.ShowProgress(290, 290);
    EXPECT_EQ(label.text(), "100%");
    EXPECT_EQ(paintedRightEdge(), 190);

    progress.clearBar();
    EXPECT_EQ(paintedRightEdge(), -1);
    progress.ShowProgress(33, 100); // 62.7 pixels
    EXPECT_EQ(paintedRightEdge(), 63);
}

TEST_F(ProgressTest, MaximumZeroRepaintsTheLastPercentage) {
    progress.ShowProgress(0, 0); // before any other call: 0%
    EXPECT_EQ(label.text(), "0%");
    progress.ShowProgress(40, 100);
    progress.clearBar();
    progress.ShowProgress(7, 0);
    EXPECT_EQ(label.text(), "40%");
    EXPECT_EQ(progress.ProgressPercent, 40);
    EXPECT_EQ(paintedRightEdge(), 76);
}

TEST_F(ProgressTest, AnUnchangedPercentageStillRepairsWhatWasDrawnOverTheBar) {
    progress.ShowProgress(40, 100);
    const QImage painted = bar.Image().copy();
    progress.ShowProgress(41, 102); // 40% again: nothing to paint
    EXPECT_EQ(bar.Image(), painted);

    // Something else draws on the bar or changes the label between two calls.
    bar.surface().setPixel(3, 3, kBlank);
    bar.surface().filledBox(70, 12, 75, 14, RGB(255, 0, 0));
    label.setText(QStringLiteral("x"));
    label.resize(5, 5);
    progress.ShowProgress(40, 100);
    EXPECT_EQ(bar.Image(), painted);
    EXPECT_EQ(label.text(), "40%");
    EXPECT_EQ(label.size(), label.sizeHint());

    // A bar of another size is painted afresh.
    bar.Move(0, 0, 100 * 15, 22 * 15);
    progress.ShowProgress(40, 100);
    EXPECT_EQ(bar.surface().pixel(75, 0), RGB(0, 130, 0));
}

TEST_F(ProgressTest, AGrowingBarEndsAsOnePaintedAtOnce) {
    PictureBox fresh;
    fresh.Move(0, 0, 196 * 15, 22 * 15);
    fresh.setBackColor(kBlank);
    ProgressDisplay once;
    once.bar = &fresh;
    once.ShowProgress(77, 100);

    for (int v = 0; v <= 60; v += 7)
        progress.ShowProgress(v, 100);
    // Something draws over the painted part before the bar grows further.
    bar.surface().filledBox(10, 2, 20, 15, RGB(255, 0, 0));
    progress.ShowProgress(70, 100);
    progress.ShowProgress(77, 100);
    EXPECT_EQ(bar.Image(), fresh.Image());
}

TEST_F(ProgressTest, TheLabelFitsEachPercentageAlsoAfterItsLookChanges) {
    // Every step must leave the label as large as its text asks, however that was found.
    // The label sits in a window, as the main window's does.
    QWidget window;
    auto* label = new QLabel(&window);
    progress.label = label;
    auto runThrough = [&](const char* what) {
        for (int v = 0; v <= 100; v += 3)
            progress.ShowProgress(v, 100);
        progress.ShowProgress(100, 100);
        EXPECT_EQ(label->size(), label->sizeHint()) << what;
        progress.ShowProgress(6, 100);
        EXPECT_EQ(label->size(), label->sizeHint()) << what;
    };
    runThrough("first run");
    const QSize small = label->size();
    QFont big = label->font();
    big.setPointSize(big.pointSize() * 3);
    label->setFont(big);
    runThrough("larger font");
    EXPECT_GT(label->height(), small.height());
    label->setMargin(7);
    runThrough("margin");
    label->setIndent(11);
    runThrough("indent");
    label->setContentsMargins(1, 2, 3, 4);
    runThrough("contents margins");
    label->setMinimumWidth(300);
    runThrough("minimum width");
    EXPECT_EQ(label->width(), 300);
}
