#include "numeric/DecimalDigits.h"

#include <charconv>
#include <cmath>

namespace zev {

namespace {

// The largest 15-digit decimal that still reads as a finite double.
constexpr signed char kLargest[DecimalDigits::kSignificant] = { 1, 7, 9, 7, 6, 9, 3, 1, 3, 4, 8, 6, 2, 3, 1 };
constexpr int kLargestExponent = 308;

} // namespace

DecimalDigits DecimalDigits::fromDouble(double value)
{
    DecimalDigits r;
    r.negative_ = std::signbit(value);
    const double magnitude = std::fabs(value);
    if (magnitude == 0 || !std::isfinite(magnitude))
        return r;

    // The shortest text that reads back exactly is, when it has at most 15
    // digits, also the value rounded to 15 digits; it is much cheaper than a
    // fixed-precision conversion, which the longer cases still need.
    char text[48];
    auto res = std::to_chars(text, text + sizeof text, magnitude, std::chars_format::scientific);
    int digits = 0;
    for (const char* p = text; p < res.ptr && *p != 'e'; ++p)
        digits += *p != '.';
    if (digits > kSignificant)
        res = std::to_chars(text, text + sizeof text, magnitude, std::chars_format::scientific, kSignificant - 1);

    const char* p = text;
    for (; p < res.ptr && *p != 'e'; ++p) {
        if (*p != '.')
            r.digits_[r.count_++] = static_cast<signed char>(*p - '0');
    }
    int exponent = 0;
    bool negativeExponent = false;
    if (p < res.ptr)
        ++p; // 'e'
    if (p < res.ptr && (*p == '-' || *p == '+'))
        negativeExponent = *p++ == '-';
    for (; p < res.ptr; ++p)
        exponent = exponent * 10 + (*p - '0');
    r.exponent_ = negativeExponent ? -exponent : exponent;
    r.trim();

    if (r.beyondDouble(0)) {
        // Only the top of the range gets here: the largest doubles round up
        // to a 15-digit number that no longer fits.
        r.count_ = kSignificant;
        for (int i = 0; i < kSignificant; ++i)
            r.digits_[i] = kLargest[i];
        r.exponent_ = kLargestExponent;
        r.trim();
    }
    return r;
}

void DecimalDigits::roundToPlaces(int places, bool towardZero)
{
    if (count_ > 0)
        keep(static_cast<long long>(exponent_) + places + 1, towardZero);
}

void DecimalDigits::roundToSignificant(int digits, bool towardZero)
{
    if (count_ > 0)
        keep(digits, towardZero);
}

bool DecimalDigits::beyondDouble(int power) const
{
    if (count_ == 0)
        return false;
    const long long exponent = static_cast<long long>(exponent_) + power;
    if (exponent != kLargestExponent)
        return exponent > kLargestExponent;
    for (int i = 0; i < kSignificant; ++i) {
        const int digit = i < count_ ? digits_[i] : 0;
        if (digit != kLargest[i])
            return digit > kLargest[i];
    }
    return false;
}

void DecimalDigits::keep(long long digits, bool towardZero)
{
    if (digits >= count_)
        return;
    if (digits < 0) {
        count_ = 0;
        return;
    }
    const bool up = !towardZero && digits_[digits] >= 5;
    count_ = static_cast<int>(digits);
    if (up) {
        int i = count_ - 1;
        while (i >= 0 && digits_[i] == 9)
            --i;
        if (i < 0) {
            // 9.99 -> 10: one digit, one power up.
            digits_[0] = 1;
            count_ = 1;
            ++exponent_;
            return;
        }
        ++digits_[i];
        count_ = i + 1;
    }
    trim();
}

void DecimalDigits::trim()
{
    while (count_ > 0 && digits_[count_ - 1] == 0)
        --count_;
}

} // namespace zev
