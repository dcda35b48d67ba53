#include "tools/TextPath.h"
#include "platform/Colour.h"
#include "platform/Surface.h"
#include "tools/TextColouring.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace korv;
using namespace korv::textpath;

namespace {
constexpr double kTol = 1e-3; // the places are kept in single precision
}

TEST(TextPathWave, KnownPlacesOfASixteenCharacterText) {
    const auto p = wave(260, 148, 10, 300, 30, 16);
    ASSERT_EQ(p.size(), 16u);
    // Phase step (300 * 2 / 360) * 3.14 / 16 = 0.3270833 radians.
    EXPECT_NEAR(p[0].x, 270, kTol);
    EXPECT_NEAR(p[0].y, 119.5905, kTol);
    EXPECT_NEAR(p[15].x, 420, kTol);
    EXPECT_NEAR(p[15].y, 148 - 30 * std::cos(0.3270833333 * 16), kTol);
}

TEST(TextPathWave, FlatWaveLineAndSharedColumn) {
    for (const CharPlace& c : wave(100, 50, 7, 0, 12, 5))
        EXPECT_NEAR(c.y, 38, kTol); // cos 0 = 1: Amplitude above Y
    for (const CharPlace& c : wave(100, 50, 7, 300, 0, 5))
        EXPECT_NEAR(c.y, 50, kTol);
    for (const CharPlace& c : wave(100, 50, 0, 300, 12, 5))
        EXPECT_NEAR(c.x, 100, kTol);
    EXPECT_TRUE(wave(100, 50, 7, 300, 12, 0).empty());
}

TEST(TextPathRotated, RightwardsAndAlmostStraightDown) {
    const auto right = rotated(10, 20, 0, 15, 3);
    ASSERT_EQ(right.size(), 3u);
    EXPECT_NEAR(right[0].x, 25, kTol);
    EXPECT_NEAR(right[2].x, 55, kTol);
    EXPECT_NEAR(right[2].y, 20, kTol);
    // With pi as 3.14, 90 degrees is 1.57 radians: cos 1.57 = 0.000796.
    const auto down = rotated(10, 20, 90, 100, 4);
    EXPECT_NEAR(down[3].x, 10 + 400 * 0.00079633, kTol);
    EXPECT_NEAR(down[3].y, 20 + 400 * 0.99999968, kTol);
    EXPECT_GT(down[3].x, 10.3f);
}

TEST(TextPathCircle, StartAngleArcAndCentre) {
    // Deg 45 starts at 1.57 radians, to the right of the centre; Arc 0 keeps every
    // character there.
    for (const CharPlace& c : circle(300, 150, 100, 45, 0, 3)) {
        EXPECT_NEAR(c.x, 300 + 100 * std::sin(1.57), kTol);
        EXPECT_NEAR(c.y, 150 - 100 * std::cos(1.57), kTol);
    }
    // Half a circle over two characters, clockwise: below the centre, then left of it.
    const auto q = circle(300, 150, 100, 45, 180, 2);
    const double step = (360.0 / 360 * 3.14) / 2;
    EXPECT_NEAR(q[0].x, 300 + 100 * std::sin(1.57 + step), kTol);
    EXPECT_NEAR(q[1].y, 150 - 100 * std::cos(1.57 + 2 * step), kTol);
    EXPECT_GT(q[0].y, 249.f);
    EXPECT_LT(q[1].x, 201.f);
    for (const CharPlace& c : circle(300, 150, 0, 17, 360, 6)) {
        EXPECT_NEAR(c.x, 300, kTol);
        EXPECT_NEAR(c.y, 150, kTol);
    }
}

TEST(TextPathEllipse, HalfAxesAndFactorsOutOfRange) {
    const auto e = elliptic(300, 150, 100, 45, 4, 1, 0, 2);
    ASSERT_TRUE(e);
    EXPECT_NEAR((*e)[0].x, 300 + 100 * std::sin(1.57) / 2, kTol);
    const auto top = elliptic(300, 150, 100, 180, 4, 1, 0, 1); // 360 * 3.14 / 180 radians
    EXPECT_NEAR((*top)[0].y, 150 - 100 * std::cos(6.28), kTol);

    const auto round = elliptic(300, 150, 80, 30, 1, 1, 270, 9);
    const auto c = circle(300, 150, 80, 30, 270, 9);
    ASSERT_EQ(round->size(), c.size());
    for (size_t i = 0; i < c.size(); ++i) {
        EXPECT_EQ((*round)[i].x, c[i].x);
        EXPECT_EQ((*round)[i].y, c[i].y);
    }
    EXPECT_FALSE(elliptic(300, 150, 80, 30, 0, 1, 270, 9));
    EXPECT_FALSE(elliptic(300, 150, 80, 30, 1, -3, 270, 9));
}

TEST(TextPathPrint, ClearsAndPrintsEachCharacterUpright) {
    EXPECT_EQ(characters(QString::fromUtf8("a\xF0\x9F\x98\x80z")).size(), 3);

    Surface s(120, 60, kWhite);
    s.filledBox(0, 0, 119, 59, RGB(0, 0, 200));
    s.fontSize = 20;
    printAlong(s, kWhite, characters("II"), {{10, 5}, {80, 30}});
    auto inkIn = [&](int x0, int y0, int x1, int y1) {
        int ink = 0;
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x)
                if (s.pixel(x, y) == kBlack) ++ink;
        return ink;
    };
    EXPECT_GT(inkIn(10, 5, 25, 35), 20);
    EXPECT_GT(inkIn(80, 30, 95, 59), 20);
    EXPECT_EQ(inkIn(30, 0, 75, 59), 0);
    EXPECT_EQ(s.pixel(119, 0), kWhite); // the earlier picture is gone

    printAlong(s, kWhite, characters(""), {});
    EXPECT_EQ(inkIn(0, 0, 119, 59), 0);
}

TEST(TextColouringBand, LevelsOfTheTriangleWave) {
    Surface back(681, 336, RGB(255, 0, 0));
    colouring::PaintColourBand(back, 0);
    for (int row : {0, 67, 134, 201, 268, 335})
        EXPECT_EQ(back.pixel(340, row), RGB(0, 0, 0)) << row;
    for (int row : {33, 34, 100, 101, 167, 168, 234, 235, 301, 302})
        EXPECT_EQ(back.pixel(0, row), RGB(231, 231, 231)) << row;
    EXPECT_EQ(back.pixel(680, 10), RGB(70, 70, 70));
    EXPECT_EQ(back.pixel(5, 57), RGB(70, 70, 70)); // 7 * (67 - 57)

    colouring::PaintColourBand(back, 5);
    EXPECT_EQ(back.pixel(200, 20), RGB(140, 140, 0));
    colouring::PaintColourBand(back, 6);
    colouring::PaintColourBand(back, -1);
    EXPECT_EQ(back.pixel(200, 20), RGB(140, 140, 0));
}
