#include "platform/VbMath.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

using namespace korv;

TEST(VbMath, RoundsHalvesToEven) {
    EXPECT_EQ(vbRound(0.5), 0);
    EXPECT_EQ(vbRound(1.5), 2);
    EXPECT_EQ(vbRound(2.5), 2);
    EXPECT_EQ(vbRound(-2.5), -2);
    EXPECT_EQ(vbRound(127.5), 128);
    EXPECT_EQ(vbRound(12.75), 13);
    EXPECT_EQ(vbCInt(289.5), 290);
    EXPECT_EQ(vbCInt(1e20), 2147483647);
}

TEST(VbMath, RoundsExactlyAsTheDefaultRoundingModeDoes) {
    const double two52 = 4503599627370496.0;
    const double edges[] = {0.0,
                            -0.0,
                            0.49999999999999994,
                            -0.5,
                            -1.5,
                            1e-310,
                            -1e-310,
                            255.49999999999997,
                            -254.5,
                            two52 - 0.5,
                            two52 - 1.5,
                            two52,
                            two52 + 1,
                            -two52 + 0.5,
                            1e300,
                            std::numeric_limits<double>::infinity(),
                            -std::numeric_limits<double>::infinity()};
    for (double v : edges) {
        EXPECT_EQ(vbRound(v), std::nearbyint(v)) << v;
        EXPECT_EQ(std::signbit(vbRound(v)), std::signbit(std::nearbyint(v))) << v;
    }
    EXPECT_TRUE(std::isnan(vbRound(std::nan(""))));
    EXPECT_EQ(vbCInt(std::nan("")), 0);
    // Quarters over a range wide enough for every filter formula.
    for (int q = -4000; q <= 4000; ++q)
        ASSERT_EQ(vbRound(q / 4.0), std::nearbyint(q / 4.0)) << q;
}

TEST(VbMath, WholeDivisionTruncatesTowardZero) {
    EXPECT_EQ(idiv(7, 2), 3);
    EXPECT_EQ(idiv(-7, 2), -3);
    EXPECT_EQ(idiv(7, -2), -3);
    EXPECT_EQ(idiv(5, 0), 0);
}

TEST(VbMath, ValReadsTheLeadingNumber) {
    EXPECT_DOUBLE_EQ(Val("40"), 40);
    EXPECT_DOUBLE_EQ(Val("  -12.5abc"), -12.5);
    EXPECT_DOUBLE_EQ(Val("1 2 3"), 123);
    EXPECT_DOUBLE_EQ(Val("abc"), 0);
    EXPECT_DOUBLE_EQ(Val(""), 0);
    EXPECT_DOUBLE_EQ(Val("&HFF"), 255);
    EXPECT_DOUBLE_EQ(Val("1e3x"), 1000);
    EXPECT_DOUBLE_EQ(Val("3.5.6"), 3.5);
    EXPECT_TRUE(IsNumeric(" 40 "));
    EXPECT_FALSE(IsNumeric("40a"));
    EXPECT_FALSE(IsNumeric(""));
}

TEST(VbMath, FormatPatterns) {
    EXPECT_EQ(Format(12), "12");
    EXPECT_EQ(Format(1.5), "1.5");
    EXPECT_EQ(Format(-3), "-3");
    EXPECT_EQ(Format(3.14159, "0.00"), "3.14");
    EXPECT_EQ(Format(7, "00"), "07");
    EXPECT_EQ(Format(1234567.891, "#,##0.00"), "1,234,567.89");
    EXPECT_EQ(Format(0.5, "#.##"), ".5");
    EXPECT_EQ(Format(-0.001, "0.00"), "0.00");
}
