#include "platform/format/decimaldigits.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace {

void trimTrailingZeros(DecimalDigits& d)
{
    while (d.count > 0 && d.digits[d.count - 1] == '0')
        --d.count;
}

} // namespace

DecimalDigits SignificantDigits15(double value)
{
    DecimalDigits d;
    d.negative = std::signbit(value);
    if (value == 0)
        return d;
    // "d.dddddddddddddde±x": correctly rounded to 15 significant digits.
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, std::fabs(value),
                                      std::chars_format::scientific, 14);
    const char* p = text;
    d.digits[d.count++] = *p++;
    if (*p == '.')
        ++p;
    while (*p >= '0' && *p <= '9')
        d.digits[d.count++] = *p++;
    int exponent = 0;
    std::from_chars(p + 1 + (p[1] == '+'), result.ptr, exponent);
    d.pointPosition = exponent + 1;
    trimTrailingZeros(d);
    return d;
}

void DecimalDigits::roundToDecimals(int decimals)
{
    const int keep = pointPosition + decimals;
    if (keep >= count)
        return;
    if (keep < 0) {
        count = 0;
        return;
    }
    const bool roundUp = digits[keep] >= '5';
    count = keep;
    if (roundUp) {
        int i = keep - 1;
        while (i >= 0 && digits[i] == '9')
            --i;
        if (i < 0) {
            // 0.999.. -> 1.0: one more digit before the point
            digits[0] = '1';
            count = 1;
            ++pointPosition;
        } else {
            ++digits[i];
            count = i + 1;
        }
    }
    trimTrailingZeros(*this);
}
