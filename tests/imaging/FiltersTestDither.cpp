// The black-and-white filters: sharpen dither, ordered dither and error diffusion.
#include "FiltersTestSupport.h"

using namespace filterstest;

namespace {

using Rows = std::vector<std::vector<int>>;

// Every pixel black or white in all three channels.
void expectBlackAndWhite(const QImage& img) {
    for (int y = 1; y <= img.height(); ++y)
        for (int x = 1; x <= img.width(); ++x) {
            const Bgr c = px(img, x, y);
            EXPECT_TRUE(c == (Bgr{0, 0, 0}) || c == (Bgr{255, 255, 255})) << x << "," << y;
        }
}

const int B = 0, W = 255;

} // namespace

using FiltersDither = FiltersFixture;

TEST_F(FiltersDither, BlackTurnsWhiteAndWhiteStays) {
    for (int no : {19, 21, 22, 23}) {
        const QImage out = run(no, uniformPicture(5, 4, {0, 0, 0}), 10);
        EXPECT_EQ(px(out, 1, 1), (Bgr{W, W, W})) << no;
        EXPECT_EQ(px(out, 5, 4), (Bgr{W, W, W})) << no;
    }
    for (int no = 19; no <= 23; ++no) {
        const QImage white = uniformPicture(5, 4, {255, 255, 255});
        EXPECT_TRUE(sameBytes(run(no, white, 15), white)) << no;
    }
}

TEST_F(FiltersDither, OrderedDitherFollowsTheMatrixFromTheTopLeft) {
    // Grey 10 (level 1): white only where the matrix holds 1.
    const QImage dark = run(20, uniformPicture(8, 8, {10, 10, 10}));
    for (int y = 1; y <= 8; ++y)
        for (int x = 1; x <= 8; ++x) {
            const bool white = (x == 1 || x == 5) && (y == 1 || y == 5);
            EXPECT_EQ(px(dark, x, y)[0], white ? W : B) << x << "," << y;
        }
    // Grey 128 (level 9): white where the matrix holds 9 or less.
    const QImage mid = run(20, uniformPicture(4, 4, {128, 128, 128}));
    EXPECT_EQ(blueRows(mid), (Rows{{W, B, W, B}, {W, W, B, W}, {W, B, W, B}, {B, W, B, W}}));
    expectBlackAndWhite(mid);
    // Grey 239 (level 15): black only under the 16; grey 240 and up all white.
    EXPECT_EQ(blueRows(run(20, uniformPicture(4, 1, {239, 239, 239}))), (Rows{{W, W, W, B}}));
    const QImage light = uniformPicture(4, 4, {240, 240, 240});
    const QImage outLight = run(20, light);
    for (int y = 1; y <= 4; ++y)
        EXPECT_EQ(blueRows(outLight)[y - 1], (std::vector<int>(4, W)));
}

TEST_F(FiltersDither, FloydSteinbergByHand) {
    // Mean grey 755 \ 6 = 125. Row 1: 100 -> black (e 100: 43 right, 31 below, 6 below
    // right); 200 + 43 -> white (e -12: -5 right, -2 below left, -3 below, 0); 50 - 5 ->
    // black (e 45: 8 below left, 14 below). Row 2 carries 29, 11, 14: 0 + 29 -> black
    // (e 29: 12 right); 150 + 23 -> white (e -82: -35 right); 255 - 21 -> white.
    const QImage out = run(21, greyPicture({{100, 200, 50}, {0, 150, 255}}), 10);
    EXPECT_EQ(blueRows(out), (Rows{{B, W, B}, {B, W, W}}));
    expectBlackAndWhite(out);
}

TEST_F(FiltersDither, ErrorDiffusionKernelsAndTheErrorScale) {
    struct Case {
        int filter;
        std::vector<std::vector<int>> grey;
        Rows p10, p15, p50, minus10;
    };
    const std::vector<Case> cases = {
        {21,
         {{208, 149, 134, 79, 21},
          {173, 160, 184, 70, 193},
          {192, 235, 197, 52, 138},
          {220, 121, 154, 223, 132}},
         {{W, B, W, B, B}, {W, W, B, B, W}, {W, W, W, B, W}, {W, B, W, W, B}},
         {{W, B, W, B, B}, {W, W, W, B, W}, {W, W, W, B, B}, {W, B, W, W, B}},
         {{W, B, B, B, B}, {W, W, W, B, W}, {W, W, W, B, B}, {W, B, W, W, B}},
         {{W, W, W, B, B}, {W, W, W, B, W}, {W, W, W, B, B}, {W, B, B, B, B}}},
        {22,
         {{233, 152, 163, 90, 186},
          {94, 160, 189, 135, 153},
          {193, 53, 13, 67, 158},
          {113, 137, 122, 167, 95}},
         {{W, W, W, B, W}, {B, W, B, B, W}, {W, B, B, B, W}, {B, W, W, W, B}},
         {{W, W, W, B, W}, {B, W, W, B, W}, {W, B, B, B, W}, {B, W, B, W, B}},
         {{W, W, W, B, W}, {B, W, W, B, W}, {W, B, B, B, W}, {B, W, B, W, B}},
         {{W, W, W, B, W}, {B, W, W, W, W}, {W, B, B, B, W}, {B, B, B, B, B}}},
        {23,
         {{21, 191, 235, 194, 22},
          {220, 27, 190, 254, 161},
          {215, 214, 235, 9, 125},
          {111, 138, 36, 217, 114}},
         {{B, W, W, W, B}, {W, B, W, W, B}, {W, W, W, B, B}, {B, B, B, W, W}},
         {{B, W, W, W, B}, {W, B, W, W, W}, {W, W, W, B, B}, {B, B, B, W, B}},
         {{B, W, W, W, B}, {W, B, W, W, W}, {W, W, W, B, B}, {B, B, B, W, B}},
         {{B, W, W, W, B}, {W, B, W, W, W}, {W, W, W, B, B}, {B, B, B, W, B}}},
    };
    for (const Case& c : cases) {
        QImage img(5, 4, QImage::Format_RGB32);
        for (int y = 1; y <= 4; ++y)
            for (int x = 1; x <= 5; ++x) {
                const int v = c.grey[y - 1][x - 1];
                setPx(img, x, y, {v, v, v});
            }
        EXPECT_EQ(blueRows(run(c.filter, img, 10)), c.p10) << c.filter;
        EXPECT_EQ(blueRows(run(c.filter, img, 15)), c.p15) << c.filter;
        EXPECT_EQ(blueRows(run(c.filter, img, 50)), c.p50) << c.filter;
        EXPECT_EQ(blueRows(run(c.filter, img, -10)), c.minus10) << c.filter;
        expectBlackAndWhite(run(c.filter, img, 10));
    }
}

TEST_F(FiltersDither, ZeroErrorScaleLeavesThePicture) {
    const QImage img = greyPicture({{100, 200, 50}, {0, 150, 255}});
    for (int no : {21, 22, 23}) {
        Progress = -7;
        EXPECT_TRUE(sameBytes(run(no, img, 0), img)) << no;
        EXPECT_EQ(Progress, 100);
    }
}

TEST_F(FiltersDither, SharpenDitherSharpensInsideAndCarriesAQuarter) {
    const QImage img = colourPicture({
        {{130, 183, 14}, {238, 127, 26}, {80, 57, 190}, {240, 126, 194}},
        {{52, 127, 6}, {110, 208, 143}, {93, 199, 81}, {36, 71, 227}},
        {{64, 67, 0}, {2, 107, 110}, {84, 85, 148}, {160, 101, 104}},
        {{93, 100, 196}, {152, 11, 184}, {212, 84, 74}, {135, 33, 169}},
    });
    const QImage out = run(19, img);
    EXPECT_EQ(blueRows(out), (Rows{{B, W, B, W}, {B, W, B, W}, {B, B, B, W}, {B, W, B, W}}));
    expectBlackAndWhite(out);
}
