#include "numeric/DigitAccumulator.h"

#include <charconv>
#include <system_error>

namespace zev {

namespace {

constexpr double kExactPowers[] = { 1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11,
    1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22 };

} // namespace

bool DigitAccumulator::toDouble(bool negative, double& value) const
{
    value = 0;
    if (count_ == 0)
        return true;
    const long long leadPower = integerDigits_ - leadingFractionZeros_ + exponent_ - 1;
    if (leadPower > 308)
        return false;
    if (leadPower < -325)
        return true;

    const int digits = count_ + (sticky_ ? 1 : 0);
    const long long power = leadPower + 1 - digits;
    double magnitude = 0;
    if (digits <= 15 && power >= -22 && power <= 22) {
        // Both factors are exact doubles, so one multiplication or division
        // is correctly rounded.
        long long mantissa = 0;
        for (int i = 0; i < count_; ++i)
            mantissa = mantissa * 10 + (digits_[i] - '0');
        magnitude = power >= 0 ? double(mantissa) * kExactPowers[power] : double(mantissa) / kExactPowers[-power];
    } else {
        char text[kMaxDigits + 24];
        int n = 0;
        for (; n < count_; ++n)
            text[n] = digits_[n];
        if (sticky_)
            text[n++] = '1';
        text[n++] = 'e';
        n = int(std::to_chars(text + n, text + sizeof text, power).ptr - text);
        const auto res = std::from_chars(text, text + n, magnitude);
        if (res.ec == std::errc::result_out_of_range) {
            if (leadPower > 0)
                return false;
            magnitude = 0;
        }
    }
    value = negative && magnitude != 0 ? -magnitude : magnitude;
    return true;
}

} // namespace zev
