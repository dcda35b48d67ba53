#pragma once
// Arithmetic with the rules the program's formulas were written for: rounding of
// floating-point values halves to even, whole-number division truncating toward zero.
#include <QString>
#include <cmath>
#include <cstdint>

namespace korv {

// Nearest whole number, halves to the even one (2.5 -> 2, 3.5 -> 4, -2.5 -> -2), as
// std::nearbyint gives it in the default rounding mode, sign of zero included. The
// library call saves and restores the floating-point state on every call, which the
// filters' per-pixel rounding cannot afford: adding 2^52 to a magnitude below 2^52 leaves
// no bits below the unit, so the addition itself rounds, halves to even; subtracting
// 2^52 again is exact. Larger magnitudes, infinities and NaN are already whole.
inline double vbRound(double v) {
    constexpr double two52 = 4503599627370496.0;
    const double a = std::fabs(v);
    if (!(a < two52)) return v;
    return std::copysign((a + two52) - two52, v);
}

// vbRound as a whole number; values beyond the 32-bit range saturate.
inline int vbCInt(double v) {
    const double r = vbRound(v);
    if (std::isnan(r)) return 0;
    if (r >= 2147483647.0) return 2147483647;
    if (r <= -2147483648.0) return -2147483647 - 1;
    return static_cast<int>(r);
}

// Whole-number division truncating toward zero. Division by zero gives 0 so that a
// caller that forgot its guard cannot crash; callers that care test the divisor first.
inline std::int64_t idiv(std::int64_t a, std::int64_t b) {
    return b == 0 ? 0 : a / b;
}

// The leading number of a text: blanks are skipped, an optional sign, digits with at
// most one decimal point and an optional exponent; "&H" and "&O" prefixes are read as
// hexadecimal and octal. A text without a leading number gives 0.
double Val(const QString& text);

// True when the whole text (blanks around it allowed) is a number.
bool IsNumeric(const QString& text);

// A number as text. Without a pattern: the shortest form, no leading blank, a whole
// number without decimals ("12", "1.5", "-3"). With a pattern: "0", "00", "0.00",
// "#,##0.00" and the like (zeros pad, '#' does not, ',' groups thousands).
QString Format(double value, const QString& pattern = QString());

} // namespace korv
