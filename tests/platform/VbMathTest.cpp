#include "platform/VbMath.h"

#include <gtest/gtest.h>

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
