// Rounding of exact fractions, a half to the even neighbour. Band bounds and chart
// averages are ratios of integers; going through a double rounds some exact halves the
// wrong way (57 - 0.55 * 50 comes out just below 29.5).
#pragma once

#include <QtGlobal>

namespace ExactRounding {
// numerator / denominator to the nearest integer, ties to even; denominator > 0.
constexpr qint64 roundHalfEven(qint64 numerator, qint64 denominator)
{
    qint64 quotient = numerator / denominator;
    qint64 remainder = numerator % denominator;
    if (remainder < 0) {
        remainder += denominator;
        --quotient;
    }
    const qint64 twice = 2 * remainder;
    if (twice > denominator || (twice == denominator && quotient % 2 != 0))
        ++quotient;
    return quotient;
}
} // namespace ExactRounding
