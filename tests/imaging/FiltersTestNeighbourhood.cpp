// Sharpen, blur, diffuse, smooth, edge, contour, the emboss filters and relief.
#include "FiltersTestSupport.h"

#include <cstdlib>

using namespace filterstest;

namespace {

// Grey 4 x 3 picture for the in-place kernels; the inner pixels are (2, 2) and (3, 2).
QImage kernelPicture() {
    return greyPicture({{10, 20, 30, 40}, {50, 100, 60, 70}, {80, 90, 0, 255}});
}

// Every pixel but the listed inner ones is as in the kernel picture.
void expectInner(const QImage& img, int a, int b) {
    const std::vector<std::vector<int>> expected = {
        {10, 20, 30, 40}, {50, a, b, 70}, {80, 90, 0, 255}};
    EXPECT_EQ(blueRows(img), expected);
    EXPECT_EQ(px(img, 2, 2), (Bgr{a, a, a}));
    EXPECT_EQ(px(img, 3, 2), (Bgr{b, b, b}));
}

} // namespace

using FiltersNeighbourhood = FiltersFixture;

TEST_F(FiltersNeighbourhood, KernelsWorkInPlace) {
    // Sharpen 10: (2,2) (100*34 - 2*340) \ 18 = 151; (3,2) then sees 151 on its left:
    // S8 = 20+30+40+151+70+90+0+255 = 656, (60*34 - 1312) \ 18 = 40.
    expectInner(run(1, kernelPicture(), 10), 151, 40);
    // Edge 9: (100*18 - 340) \ 10 = 146; (60*18 - 651) \ 10 = 42.
    expectInner(run(6, kernelPicture(), 9), 146, 42);
    // Smooth: (100+50+60+20+90) \ 5 = 64; (60+64+70+30+0) \ 5 = 44.
    expectInner(run(5, kernelPicture()), 64, 44);
    // Blur: 340 \ 8 = 42; (656 - 151 + 42) \ 8 = 68.
    expectInner(run(3, kernelPicture()), 42, 68);
}

TEST_F(FiltersNeighbourhood, KernelsSeeTheRowAboveFiltered) {
    const QImage img = greyPicture({{58, 45, 30}, {40, 50, 60}, {70, 80, 90}, {0, 100, 200}});
    auto middle = [](const QImage& out) {
        return std::vector<int>{px(out, 2, 2)[0], px(out, 2, 3)[0]};
    };
    // Blur: 473 \ 8 = 59, then (40+59+60+70+90+0+100+200) \ 8 = 77 (76 from the source).
    EXPECT_EQ(middle(run(3, img)), (std::vector<int>{59, 77}));
    // Sharpen 10: (1700 - 946) \ 18 = 41, then (2720 - 1202) \ 18 = 84.
    EXPECT_EQ(middle(run(1, img, 10)), (std::vector<int>{41, 84}));
    // Edge 1: (500 - 473) \ 2 = 13, then (800 - 573) \ 2 = 113.
    EXPECT_EQ(middle(run(6, img, 1)), (std::vector<int>{13, 113}));
    // Smooth: (50+40+60+45+80) \ 5 = 55, then (80+70+90+55+100) \ 5 = 79.
    EXPECT_EQ(middle(run(5, img)), (std::vector<int>{55, 79}));
}

TEST_F(FiltersNeighbourhood, UniformAreasStayUnderTheKernels) {
    const QImage flat = uniformPicture(5, 4, {30, 140, 250});
    EXPECT_TRUE(sameBytes(run(1, flat, 10), flat));
    EXPECT_TRUE(sameBytes(run(3, flat), flat));
    EXPECT_TRUE(sameBytes(run(5, flat), flat));
    EXPECT_TRUE(sameBytes(run(6, flat, 1), flat));
}

TEST_F(FiltersNeighbourhood, ZeroDivisorsLeaveThePicture) {
    const QImage img = kernelPicture();
    Progress = -7;
    EXPECT_TRUE(sameBytes(run(1, img, -8), img));
    EXPECT_EQ(Progress, 100);
    Progress = -7;
    EXPECT_TRUE(sameBytes(run(6, img, -1), img));
    EXPECT_EQ(Progress, 100);
}

TEST_F(FiltersNeighbourhood, BlurOfThreeByThreeIsTheBorderMean) {
    const QImage img = colourPicture({{{1, 10, 255}, {2, 20, 255}, {3, 30, 255}},
                                      {{4, 40, 255}, {200, 200, 200}, {5, 50, 255}},
                                      {{6, 60, 255}, {7, 70, 255}, {8, 80, 0}}});
    const QImage out = run(3, img);
    // Blue 36 \ 8 = 4, green 360 \ 8 = 45, red 1785 \ 8 = 223.
    EXPECT_EQ(px(out, 2, 2), (Bgr{4, 45, 223}));
    EXPECT_EQ(px(out, 3, 3), (Bgr{8, 80, 0}));
}

TEST_F(FiltersNeighbourhood, ContourReadsTheSourceAndAddsTheColour) {
    // (2,2): 8*52 - (7*50 + 51) = 15; (3,2) from the source: 8*51 - (7*50 + 52) = 6.
    const QImage out = run(7, greyPicture({{50, 50, 50, 50}, {50, 52, 51, 50}, {50, 50, 50, 50}}));
    EXPECT_EQ(blueRows(out),
              (std::vector<std::vector<int>>{{50, 50, 50, 50}, {50, 15, 6, 50}, {50, 50, 50, 50}}));
    // 8*60 - 8*50 = 80, plus red 10, green 20, blue 30.
    const int colour = 10 + 20 * 256 + 30 * 65536;
    const QImage c = run(7, greyPicture({{50, 50, 50}, {50, 60, 50}, {50, 50, 50}}), colour);
    EXPECT_EQ(px(c, 2, 2), (Bgr{110, 100, 90}));
    // A dark line on a light ground comes out dark on white.
    const QImage line = run(
        7,
        greyPicture({{200, 200, 20, 200, 200}, {200, 200, 20, 200, 200}, {200, 200, 20, 200, 200}}),
        16777215);
    EXPECT_EQ(blueRows(line)[1], (std::vector<int>{200, 255, 0, 255, 200}));
}

TEST_F(FiltersNeighbourhood, DiagonalEmbossKeepsTheLastColumnAndRow) {
    const QImage img = greyPicture({{10, 200, 30}, {50, 60, 70}});
    // 8: |p - lower right|.
    EXPECT_EQ(blueRows(run(8, img)), (std::vector<std::vector<int>>{{50, 130, 30}, {50, 60, 70}}));
    // 10: |lower right - p + colour|, red part 100 on the red channel only.
    const QImage out = run(10, img, 100);
    EXPECT_EQ(px(out, 1, 1), (Bgr{50, 50, 150}));
    EXPECT_EQ(px(out, 2, 1), (Bgr{130, 130, 30}));
    EXPECT_EQ(px(out, 3, 1), (Bgr{30, 30, 30}));
    // Uniform with 0: black but for the last column and row.
    const QImage flat = run(10, uniformPicture(3, 3, {9, 99, 199}));
    EXPECT_EQ(px(flat, 2, 2), (Bgr{0, 0, 0}));
    EXPECT_EQ(px(flat, 3, 2), (Bgr{9, 99, 199}));
    EXPECT_EQ(px(flat, 2, 3), (Bgr{9, 99, 199}));
}

TEST_F(FiltersNeighbourhood, ColumnEmbossReadsTheSource) {
    const QImage img = greyPicture({{10, 0, 1, 5}, {20, 0, 2, 5}, {30, 0, 3, 5}});
    // 9: left minus right: (2,2) 60 - 6 = 54; (3,2) 0 - 15 clamps to 0 (in place it
    // would see 54 on its left).
    EXPECT_EQ(blueRows(run(9, img))[1], (std::vector<int>{20, 54, 0, 5}));
    // 11: right minus left plus blue 7: (2,2) -54 -> 0, (3,2) 15 (+7 in blue).
    const QImage out = run(11, img, 7 * 65536);
    EXPECT_EQ(px(out, 2, 2), (Bgr{0, 0, 0}));
    EXPECT_EQ(px(out, 3, 2), (Bgr{22, 15, 15}));
}

TEST_F(FiltersNeighbourhood, ReliefHalvesTowardZero) {
    const QImage flat = run(13, uniformPicture(5, 4, {200, 200, 200}));
    EXPECT_EQ(px(flat, 2, 2), (Bgr{150, 150, 150}));
    EXPECT_EQ(px(flat, 4, 3), (Bgr{150, 150, 150}));
    EXPECT_EQ(px(flat, 5, 3), (Bgr{200, 200, 200}));
    EXPECT_EQ(px(flat, 3, 1), (Bgr{200, 200, 200}));
    // Blue: centre 1, lower right 50: (1 - 100) \ 2 + 50 = 1. Green: right 1, lower
    // right 50: (0 - 101) \ 2 + 50 = 0. Red: all 0: 50.
    const QImage img = colourPicture({{{0, 0, 0}, {0, 0, 0}, {0, 0, 0}},
                                      {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}},
                                      {{0, 0, 0}, {0, 0, 0}, {50, 50, 0}}});
    EXPECT_EQ(px(run(13, img), 2, 2), (Bgr{1, 0, 50}));
}

TEST_F(FiltersNeighbourhood, DiffuseTakesPixelsFromNearbyAndDrawsTwoNumbersAPixel) {
    const int W = 9, H = 7;
    QImage img(W, H, QImage::Format_RGB32);
    for (int y = 1; y <= H; ++y)
        for (int x = 1; x <= W; ++x)
            setPx(img, x, y, {x, y, 77}); // colour names its place

    services.random.seed(1234);
    const QImage out = run(4, img, 6);
    int moved = 0;
    for (int y = 1; y <= H; ++y)
        for (int x = 1; x <= W; ++x) {
            const Bgr c = px(out, x, y);
            const int sx = c[0], sy = c[1];
            ASSERT_TRUE(sx >= 1 && sx <= W && sy >= 1 && sy <= H && c[2] == 77);
            if (sx != x || sy != y) ++moved;
        }
    EXPECT_GT(moved, W * H / 2);

    korv::Random reference;
    reference.seed(1234);
    for (int i = 0; i < 2 * W * H; ++i)
        reference.next();
    EXPECT_EQ(services.random.next(), reference.next());

    // The same seed gives the same picture; parameter 0 moves nothing but still draws.
    services.random.seed(1234);
    EXPECT_TRUE(sameBytes(run(4, img, 6), out));
    services.random.seed(99);
    EXPECT_TRUE(sameBytes(run(4, img, 0), img));
    reference.seed(99);
    for (int i = 0; i < 2 * W * H; ++i)
        reference.next();
    EXPECT_EQ(services.random.next(), reference.next());

    // Every number 0: each pixel takes the one 3 up and 3 to the left (an offset leading
    // outside is 0), which already holds what it took itself, so values travel on in
    // steps of 3 from the top-left 3 x 3 corner.
    services.random.feed([] { return 0.0; });
    const QImage stepped = run(4, img, 6);
    for (int y = 1; y <= H; ++y)
        for (int x = 1; x <= W; ++x)
            ASSERT_EQ(px(stepped, x, y), (Bgr{(x - 1) % 3 + 1, (y - 1) % 3 + 1, 77}))
                << x << "," << y;
}
