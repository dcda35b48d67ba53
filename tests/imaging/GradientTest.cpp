#include "imaging/Gradient.h"
#include "platform/Colour.h"
#include "platform/PictureBox.h"

#include <gtest/gtest.h>

using namespace korv;

namespace {

const int kBlank = RGB(240, 240, 240);

class GradientTest : public ::testing::Test {
protected:
    void sizePic(int w, int h) {
        pic.Move(0, 0, w * 15.0, h * 15.0);
        ASSERT_EQ(pic.surface().widthPx(), w);
        ASSERT_EQ(pic.surface().heightPx(), h);
        pic.surface().clear(kBlank);
    }
    int at(int x, int y) const { return pic.surface().pixel(x, y); }
    int countNot(int colour) const {
        int n = 0;
        for (int y = 0; y < pic.surface().heightPx(); ++y)
            for (int x = 0; x < pic.surface().widthPx(); ++x)
                n += at(x, y) != colour;
        return n;
    }
    // Grey level of a row (every pixel of the row must hold the same grey).
    int rowGrey(int y) const {
        const int c = at(0, y);
        EXPECT_EQ(c, RGB(redOf(c), redOf(c), redOf(c))) << "row " << y;
        EXPECT_EQ(at(pic.surface().widthPx() - 1, y), c) << "row " << y;
        return redOf(c);
    }
    int columnGrey(int x) const {
        const int c = at(x, 0);
        EXPECT_EQ(at(x, pic.surface().heightPx() - 1), c) << "column " << x;
        return redOf(c);
    }

    PictureBox pic;
};

} // namespace

TEST_F(GradientTest, EqualColoursFillThePictureWithThatColour) {
    const int c = RGB(12, 200, 77);
    for (int dir = 0; dir <= 4; ++dir) {
        sizePic(100, 90);
        DrawLinearGradient(pic, c, dir, c);
        EXPECT_EQ(countNot(c), 0) << "direction " << dir;
    }
    sizePic(100, 90);
    DrawCircularGradient(pic, c, c, 255, -1, -1);
    EXPECT_EQ(countNot(c), 0);
}

TEST_F(GradientTest, TopRunsFromBlackDownToWhiteAndBodemTheOtherWay) {
    sizePic(415, 310);
    DrawLinearGradient(pic, kBlack, 0, kWhite);
    EXPECT_LE(rowGrey(0), 1);
    for (int y = 1; y < 310; ++y)
        ASSERT_GE(rowGrey(y), rowGrey(y - 1)) << "row " << y;
    EXPECT_GE(rowGrey(309), 254);

    sizePic(415, 310);
    DrawLinearGradient(pic, kBlack, 2, kWhite);
    EXPECT_LE(rowGrey(309), 1);
    for (int y = 1; y < 310; ++y)
        ASSERT_LE(rowGrey(y), rowGrey(y - 1)) << "row " << y;
    EXPECT_GE(rowGrey(0), 254);
}

TEST_F(GradientTest, LinksAndRechtsRunAcross) {
    sizePic(415, 100);
    DrawLinearGradient(pic, kBlack, 1, kWhite);
    EXPECT_LE(columnGrey(0), 1);
    for (int x = 1; x < 415; ++x)
        ASSERT_GE(columnGrey(x), columnGrey(x - 1)) << "column " << x;
    EXPECT_GE(columnGrey(414), 254);

    sizePic(415, 100);
    DrawLinearGradient(pic, kBlack, 3, kWhite);
    EXPECT_LE(columnGrey(414), 1);
    for (int x = 1; x < 415; ++x)
        ASSERT_LE(columnGrey(x), columnGrey(x - 1)) << "column " << x;
    EXPECT_GE(columnGrey(0), 254);
}

TEST_F(GradientTest, DiagonalRunsFromTheTopLeftCorner) {
    sizePic(120, 80);
    DrawLinearGradient(pic, RGB(0, 0, 0), 4, RGB(255, 0, 0));
    EXPECT_EQ(countNot(kBlank), 120 * 80); // every pixel painted
    EXPECT_LE(redOf(at(0, 0)), 3);
    EXPECT_GE(redOf(at(119, 79)), 250);
    // Along an anti-diagonal the colour is one; along the main diagonal it rises.
    EXPECT_EQ(at(60, 0), at(0, 60));
    for (int i = 1; i < 80; ++i)
        ASSERT_GE(redOf(at(i, i)), redOf(at(i - 1, i - 1))) << i;
}

TEST_F(GradientTest, CircularTakesTheFarthestCornerForTheRim) {
    // Four circles: a pixel one step in from the far corner lies in the outermost alone.
    const int rim = RGB(255, 0, 0), centre = RGB(0, 0, 255);
    sizePic(100, 80);
    DrawCircularGradient(pic, rim, centre, 4, 10, 10); // top-left quarter
    EXPECT_EQ(at(98, 78), rim);
    EXPECT_EQ(countNot(kBlank), 100 * 80);

    sizePic(100, 80);
    DrawCircularGradient(pic, rim, centre, 4, 90, 70); // bottom-right quarter
    EXPECT_EQ(at(1, 1), rim);
    EXPECT_EQ(countNot(kBlank), 100 * 80);

    sizePic(100, 80);
    DrawCircularGradient(pic, rim, centre, 4, 90, 10); // top-right quarter
    EXPECT_EQ(at(1, 78), rim);

    sizePic(100, 80);
    DrawCircularGradient(pic, rim, centre, 4, 10, 70); // bottom-left quarter
    EXPECT_EQ(at(98, 1), rim);
    // Innermost of four: a quarter of the way short of the centre colour, truncated.
    EXPECT_EQ(at(10, 70), RGB(255 - (255 * 3) / 4, 0, (255 * 3) / 4));
}

TEST_F(GradientTest, CircularCentreNeverQuiteReachesTheSecondColour) {
    sizePic(101, 101);
    DrawCircularGradient(pic, kBlack, RGB(255, 0, 0), 255, -1, -1);
    // The corner lies on the outermost circles, which all but match the rim colour.
    EXPECT_LE(redOf(at(0, 0)), 2);
    EXPECT_EQ(greenOf(at(0, 0)), 0);
    const int c = redOf(at(50, 50));
    EXPECT_GE(c, 250);
    EXPECT_LT(c, 255);
    // The rim's colour grows towards the middle.
    for (int x = 1; x <= 50; ++x)
        ASSERT_GE(redOf(at(x, 50)), redOf(at(x - 1, 50))) << x;
}

TEST_F(GradientTest, DegenerateArgumentsDrawNothing) {
    sizePic(50, 50); // a step that rounds to 0 in every direction but the diagonal
    for (int dir = 0; dir <= 3; ++dir) {
        DrawLinearGradient(pic, kBlack, dir, kWhite);
        EXPECT_EQ(countNot(kBlank), 0) << "direction " << dir;
        EXPECT_EQ(pic.scaleMode(), ScaleMode::Pixels);
    }
    sizePic(100, 100);
    for (int steps : {0, -3}) {
        DrawCircularGradient(pic, kBlack, kWhite, steps, -1, -1);
        EXPECT_EQ(countNot(kBlank), 0) << "steps " << steps;
    }
}

TEST_F(GradientTest, DrawingStateIsRestored) {
    sizePic(100, 100);
    Surface& s = pic.surface();
    s.drawWidth = 3;
    s.fillColor = RGB(1, 2, 3);
    s.fillStyle = FillCross;
    for (ScaleMode mode : {ScaleMode::Pixels, ScaleMode::Twips}) {
        s.scaleMode = mode;
        for (int dir = 0; dir <= 4; ++dir) {
            DrawLinearGradient(pic, kBlack, dir, kWhite);
            EXPECT_EQ(s.scaleMode, mode) << "direction " << dir;
            EXPECT_EQ(s.drawWidth, 3) << "direction " << dir;
        }
        DrawCircularGradient(pic, kBlack, kWhite, 20, -1, -1);
        EXPECT_EQ(s.scaleMode, mode);
        EXPECT_EQ(s.drawWidth, 3);
        EXPECT_EQ(s.fillColor, RGB(1, 2, 3));
        EXPECT_EQ(s.fillStyle, FillCross);
    }
}
