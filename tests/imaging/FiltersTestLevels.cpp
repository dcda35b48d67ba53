// Level stretch, add noise, saturation and gamma.
#include "FiltersTestSupport.h"

#include <algorithm>

using namespace filterstest;

using FiltersLevels = FiltersFixture;

TEST_F(FiltersLevels, StretchLevelsPerChannelLeavingAFlatChannel) {
    // Blue 100..200: 150 -> 127.5 -> 128. Green is 77 everywhere and stays. Red already
    // spans 0..255.
    const QImage out = run(28, colourPicture({{{100, 77, 0}, {150, 77, 128}, {200, 77, 255}}}));
    EXPECT_EQ(px(out, 1, 1), (Bgr{0, 77, 0}));
    EXPECT_EQ(px(out, 2, 1), (Bgr{128, 77, 128}));
    EXPECT_EQ(px(out, 3, 1), (Bgr{255, 77, 255}));
    // 10..20: 11 -> 25.5 -> 26, 13 -> 76.5 -> 76.
    EXPECT_EQ(blueRows(run(28, greyPicture({{10, 11, 13, 20}}))),
              (std::vector<std::vector<int>>{{0, 26, 76, 255}}));
    const QImage flat = uniformPicture(3, 2, {5, 6, 7});
    Progress = -7;
    EXPECT_TRUE(sameBytes(run(28, flat), flat));
    EXPECT_EQ(Progress, 100);
}

TEST_F(FiltersLevels, Saturation) {
    const QImage img = colourPicture({{{100, 100, 160}, {90, 90, 90}, {10, 20, 31}, {0, 0, 255}}});
    const QImage out = run(30, img, 140);
    EXPECT_EQ(px(out, 1, 1), (Bgr{72, 72, 216})); // grey 120
    EXPECT_EQ(px(out, 2, 1), (Bgr{90, 90, 90}));
    EXPECT_EQ(px(out, 4, 1), (Bgr{0, 0, 255})); // clamped at both ends
    EXPECT_TRUE(sameBytes(run(30, img, 0), img));
    const QImage grey = run(30, img, -100);
    EXPECT_EQ(px(grey, 1, 1), (Bgr{120, 120, 120}));
    EXPECT_EQ(px(grey, 3, 1), (Bgr{20, 20, 20}));
}

TEST_F(FiltersLevels, Gamma) {
    const QImage img = greyPicture({{0, 128, 255}});
    EXPECT_EQ(blueRows(run(31, img, 200)), (std::vector<std::vector<int>>{{0, 181, 255}}));
    EXPECT_EQ(blueRows(run(31, img, 50)), (std::vector<std::vector<int>>{{0, 64, 255}}));
    EXPECT_TRUE(sameBytes(run(31, img, 100), img));
    for (int bad : {0, -5}) {
        Progress = -7;
        EXPECT_TRUE(sameBytes(run(31, img, bad), img));
        EXPECT_EQ(Progress, 100);
    }
}

TEST_F(FiltersLevels, AddNoiseStaysWithinItsAmplitudeAndDrawsThreeNumbersAPixel) {
    const int W = 6, H = 5;
    QImage img(W, H, QImage::Format_RGB32);
    for (int y = 1; y <= H; ++y)
        for (int x = 1; x <= W; ++x)
            setPx(img, x, y, {(x * 40) % 256, 255 - y * 3, x == 1 ? 0 : 255});

    services.random.seed(7);
    const QImage out = run(29, img, 50);
    int changed = 0;
    for (int y = 1; y <= H; ++y)
        for (int x = 1; x <= W; ++x)
            for (int c = 0; c < 3; ++c) {
                const int v = px(img, x, y)[c], n = px(out, x, y)[c];
                EXPECT_GE(n, std::max(0, v - 50));
                EXPECT_LE(n, std::min(255, v + 51));
                if (n != v) ++changed;
            }
    EXPECT_GT(changed, W * H);
    korv::Random reference;
    reference.seed(7);
    for (int i = 0; i < 3 * W * H; ++i)
        reference.next();
    EXPECT_EQ(services.random.next(), reference.next());

    services.random.seed(7);
    EXPECT_TRUE(sameBytes(run(29, img, 50), out));

    // Amplitude 0 adds 0 or 1; 255 stays 255.
    services.random.seed(8);
    const QImage small = run(29, img, 0);
    for (int y = 1; y <= H; ++y)
        for (int x = 1; x <= W; ++x)
            for (int c = 0; c < 3; ++c) {
                const int v = px(img, x, y)[c], n = px(small, x, y)[c];
                EXPECT_TRUE(n == v || n == std::min(255, v + 1)) << x << "," << y << "," << c;
            }
}
