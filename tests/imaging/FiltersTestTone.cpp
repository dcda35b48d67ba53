// Negative, grayscale, brightness, pixelize, swap colours, contrast and colour threshold.
#include "FiltersTestSupport.h"
#include "imaging/FilterHelpers.h"

#include <tuple>

using namespace filterstest;

using FiltersTone = FiltersFixture;

TEST_F(FiltersTone, NegativeAndGrayscale) {
    const QImage img = colourPicture({{{10, 20, 31}, {255, 255, 255}, {0, 1, 2}}});
    const QImage neg = run(2, img);
    EXPECT_EQ(px(neg, 1, 1), (Bgr{245, 235, 224}));
    EXPECT_EQ(px(neg, 3, 1), (Bgr{255, 254, 253}));
    EXPECT_TRUE(sameBytes(run(2, neg), img));

    const QImage grey = run(12, img);
    EXPECT_EQ(px(grey, 1, 1), (Bgr{20, 20, 20})); // 61 \ 3
    EXPECT_EQ(px(grey, 2, 1), (Bgr{255, 255, 255}));
    EXPECT_EQ(px(grey, 3, 1), (Bgr{1, 1, 1}));
}

TEST_F(FiltersTone, BrightnessUsesASinglePrecisionFactorAndRoundsHalvesToEven) {
    const QImage img = greyPicture({{0, 100, 128, 200, 250, 255}});
    EXPECT_EQ(blueRows(run(14, img, 4)),
              (std::vector<std::vector<int>>{{0, 104, 133, 208, 255, 255}}));
    EXPECT_EQ(px(run(14, greyPicture({{200}}), -4), 1, 1), (Bgr{192, 192, 192}));
    // Factor 0.5: 2.5 -> 2, 3.5 -> 4.
    EXPECT_EQ(blueRows(run(14, greyPicture({{5, 7}}), -50)),
              (std::vector<std::vector<int>>{{2, 4}}));
    EXPECT_TRUE(sameBytes(run(14, img, 0), img));
}

TEST_F(FiltersTone, PixelizeTakesTheMeanOfEachSquareCutAtTheEdges) {
    const QImage img = greyPicture({{0, 10, 20, 30, 40}, {1, 11, 21, 31, 41}, {5, 6, 7, 8, 9}});
    // Squares 2 x 2 from the top left: 22 \ 4, 102 \ 4, 81 \ 2; bottom row 11 \ 2, 15 \ 2, 9.
    EXPECT_EQ(
        blueRows(run(15, img, 2)),
        (std::vector<std::vector<int>>{{5, 5, 25, 25, 40}, {5, 5, 25, 25, 40}, {5, 5, 7, 7, 9}}));
    EXPECT_TRUE(sameBytes(run(15, img, 1), img));
    // A square larger than the picture: the mean of everything, per channel.
    const QImage c = colourPicture({{{1, 10, 255}, {2, 20, 255}}, {{3, 30, 255}, {4, 41, 0}}});
    const QImage all = run(15, c, 1000);
    for (int y = 1; y <= 2; ++y)
        for (int x = 1; x <= 2; ++x)
            EXPECT_EQ(px(all, x, y), (Bgr{2, 25, 191}));
    for (int bad : {0, -3}) {
        Progress = -7;
        EXPECT_TRUE(sameBytes(run(15, img, bad), img));
        EXPECT_EQ(Progress, 100);
    }
}

TEST_F(FiltersTone, SwapColours) {
    const QImage img = colourPicture({{{1, 2, 3}}});
    const std::pair<int, Bgr> cases[] = {{1, {2, 3, 1}}, {2, {3, 1, 2}}, {3, {2, 1, 3}},
                                         {4, {3, 2, 1}}, {5, {1, 3, 2}}, {0, {1, 2, 3}},
                                         {6, {1, 2, 3}}};
    for (const auto& [param, expected] : cases) {
        Progress = -7;
        EXPECT_EQ(px(run(16, img, param), 1, 1), expected) << param;
        EXPECT_EQ(Progress, 100);
    }
    EXPECT_TRUE(sameBytes(run(16, run(16, img, 3), 3), img));
    EXPECT_TRUE(sameBytes(run(16, run(16, img, 1), 2), img));
}

TEST_F(FiltersTone, RedistributingClip) {
    using Triple = std::tuple<std::int64_t, std::int64_t, std::int64_t>;
    const std::pair<Triple, Triple> cases[] = {
        {{300, -50, 100}, {241, 0, 108}},   {{1000, 0, 0}, {255, 255, 255}},
        {{-1000, 255, 255}, {0, 0, 0}},     {{-20, 100, 100}, {0, 90, 90}},
        {{256, 255, 254}, {255, 255, 254}}, {{10, 20, 30}, {10, 20, 30}}};
    for (const auto& [in, out] : cases) {
        auto [b, g, r] = in;
        korv::filterhelpers::redistributingClip(b, g, r);
        EXPECT_EQ(Triple(b, g, r), out);
    }
}

TEST_F(FiltersTone, ContrastAroundTheMeanGrey) {
    // Greys 133 and 167: mean 150. Factor 2: 2 i - 150, then the clip:
    // (300, -50, 100) -> (241, 0, 108); 167 -> 184.
    const QImage a = colourPicture({{{225, 50, 125}, {167, 167, 167}}});
    const QImage outA = run(17, a, 100);
    EXPECT_EQ(px(outA, 1, 1), (Bgr{241, 0, 108}));
    EXPECT_EQ(px(outA, 2, 1), (Bgr{184, 184, 184}));
    // Greys 100 and 200: mean 150. Factor 0.5: 125.5 -> 126, 126.5 -> 126, 123, 175.
    const QImage outB = run(17, colourPicture({{{101, 103, 96}, {200, 200, 200}}}), -50);
    EXPECT_EQ(px(outB, 1, 1), (Bgr{126, 126, 123}));
    EXPECT_EQ(px(outB, 2, 1), (Bgr{175, 175, 175}));
    // Factor 1.1 in single precision is a little above 1.1: mean 101, 106 -> 106.50000012
    // -> 107 and 96 -> 95.49999988 -> 95 (an exact 1.1 would give the ties 106 and 96).
    EXPECT_EQ(blueRows(run(17, greyPicture({{106, 96}}), 10)),
              (std::vector<std::vector<int>>{{107, 95}}));
    EXPECT_TRUE(sameBytes(run(17, a, 0), a));
}

TEST_F(FiltersTone, ColourThresholdNeedsAllThreeStrictlyBelow) {
    const QImage img = colourPicture({{{199, 49, 99},
                                       {200, 49, 99},
                                       {199, 50, 99},
                                       {199, 49, 100},
                                       {254, 254, 254},
                                       {0, 0, 255}}});
    const int colour = 100 + 50 * 256 + 200 * 65536; // red 100, green 50, blue 200
    EXPECT_EQ(blueRows(run(18, img, colour)),
              (std::vector<std::vector<int>>{{0, 255, 255, 255, 255, 255}}));
    EXPECT_EQ(blueRows(run(18, img, 16777215)),
              (std::vector<std::vector<int>>{{0, 0, 0, 0, 0, 255}}));
    EXPECT_EQ(blueRows(run(18, img, 0)),
              (std::vector<std::vector<int>>{{255, 255, 255, 255, 255, 255}}));
    const QImage out = run(18, img, 16777215);
    EXPECT_EQ(px(out, 1, 1), (Bgr{0, 0, 0}));
    EXPECT_EQ(px(out, 6, 1), (Bgr{255, 255, 255}));
}
