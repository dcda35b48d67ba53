// Kuwahara (aquarel), dilate, erode and connection.
#include "FiltersTestSupport.h"

using namespace filterstest;

namespace {

using Rows = std::vector<std::vector<int>>;

// A 5 x 5 picture whose four Kuwahara windows around (3, 3) differ only in the four
// cells that belong to one window alone (2 x 2 in each corner); the rest is `base`.
// corner[k] lists the values of window k's own cells, window 1 up-left, 2 up-right,
// 3 down-left, 4 down-right.
void setCorners(QImage& img, int channel, int base,
                const std::array<std::array<int, 4>, 4>& corner) {
    const int x0[4] = {1, 4, 1, 4};
    const int y0[4] = {1, 1, 4, 4};
    for (int y = 1; y <= 5; ++y)
        for (int x = 1; x <= 5; ++x)
            pixelAt(img, x, y)[channel] = static_cast<std::uint8_t>(base);
    for (int k = 0; k < 4; ++k)
        for (int i = 0; i < 4; ++i)
            pixelAt(img, x0[k] + i % 2, y0[k] + i / 2)[channel] =
                static_cast<std::uint8_t>(corner[k][i]);
}

} // namespace

using FiltersMorphology = FiltersFixture;

TEST_F(FiltersMorphology, KuwaharaTakesTheSmoothestWindowPerChannel) {
    QImage img = uniformPicture(5, 5, {0, 0, 0});
    // Blue: window 1 mean 1020 \ 9 = 113, deviation 133; window 2 936 \ 9 = 104, 40;
    // window 3 864 \ 9 = 96, 40; window 4 780 \ 9 = 86, 134. The tie goes to window 2.
    setCorners(img, 0, 100,
               {{{130, 130, 130, 130}, {109, 109, 109, 109}, {91, 91, 91, 91}, {70, 70, 70, 70}}});
    // Green: window 4 (980 \ 9 = 108, deviation 88) against three rough windows.
    setCorners(img, 1, 100,
               {{{0, 255, 0, 255}, {0, 255, 0, 255}, {0, 255, 0, 255}, {120, 120, 120, 120}}});
    // Red: window 3 (860 \ 9 = 95, deviation 45).
    setCorners(img, 2, 100,
               {{{0, 255, 0, 255}, {0, 255, 0, 255}, {90, 90, 90, 90}, {0, 255, 0, 255}}});
    const QImage out = run(24, img);
    EXPECT_EQ(px(out, 3, 3), (Bgr{104, 108, 95}));
    // Only the centre lies two pixels from every edge.
    for (int y = 1; y <= 5; ++y)
        for (int x = 1; x <= 5; ++x)
            if (x != 3 || y != 3) {
                EXPECT_EQ(px(out, x, y), px(img, x, y)) << x << "," << y;
            }
}

TEST_F(FiltersMorphology, KuwaharaKeepsAnEdgeSharpAndAFlatPicture) {
    const QImage edge = greyPicture({{0, 0, 0, 200, 200, 200},
                                     {0, 0, 0, 200, 200, 200},
                                     {0, 0, 0, 200, 200, 200},
                                     {0, 0, 0, 200, 200, 200},
                                     {0, 0, 0, 200, 200, 200}});
    EXPECT_TRUE(sameBytes(run(24, edge), edge));
    const QImage flat = uniformPicture(6, 6, {3, 30, 230});
    EXPECT_TRUE(sameBytes(run(24, flat), flat));
}

TEST_F(FiltersMorphology, MinimumAndMaximumOfTheNeighbourhood) {
    const QImage img = greyPicture({{10, 20, 30, 40}, {50, 60, 5, 80}, {90, 100, 110, 120}});
    EXPECT_EQ(blueRows(run(25, img))[1], (std::vector<int>{50, 110, 120, 80}));
    EXPECT_EQ(blueRows(run(26, img))[1], (std::vector<int>{50, 5, 5, 80}));
    EXPECT_EQ(blueRows(run(27, img))[1], (std::vector<int>{50, 55, 0, 80}));
    EXPECT_EQ(blueRows(run(26, img))[0], (std::vector<int>{10, 20, 30, 40}));

    // Each channel on its own.
    const QImage c = colourPicture({{{200, 0, 0}, {0, 0, 99}, {1, 1, 1}},
                                    {{1, 1, 1}, {1, 1, 1}, {1, 1, 1}},
                                    {{1, 1, 1}, {1, 1, 1}, {0, 150, 0}}});
    EXPECT_EQ(px(run(25, c), 2, 2), (Bgr{200, 150, 99}));
    EXPECT_EQ(px(run(26, c), 2, 2), (Bgr{0, 0, 0}));
    EXPECT_EQ(px(run(27, c), 2, 2), (Bgr{1, 1, 1}));

    const QImage flat = uniformPicture(5, 4, {3, 30, 230});
    EXPECT_TRUE(sameBytes(run(25, flat), flat));
    EXPECT_TRUE(sameBytes(run(26, flat), flat));
    const QImage conn = run(27, flat);
    EXPECT_EQ(px(conn, 2, 2), (Bgr{0, 0, 0}));
    EXPECT_EQ(px(conn, 4, 3), (Bgr{0, 0, 0}));
    EXPECT_EQ(px(conn, 5, 3), (Bgr{3, 30, 230}));
    EXPECT_EQ(px(conn, 3, 4), (Bgr{3, 30, 230}));
}
