#include "numeric/DecimalDigits.h"

#include <charconv>
#include <cmath>
#include <initializer_list>

namespace zev {

namespace {

// The largest 15-digit decimal that still reads as a finite double.
constexpr signed char kLargest[DecimalDigits::kSignificant] = { 1, 7, 9, 7, 6, 9, 3, 1, 3, 4, 8, 6, 2, 3, 1 };
constexpr int kLargestExponent = 308;
constexpr unsigned long long kTen15 = 1000000000000000ULL;

constexpr unsigned long long kPowers[] = { 1ULL, 10ULL, 100ULL, 1000ULL, 10000ULL, 100000ULL, 1000000ULL,
    10000000ULL, 100000000ULL, 1000000000ULL, 10000000000ULL, 100000000000ULL, 1000000000000ULL,
    10000000000000ULL, 100000000000000ULL, kTen15, 10000000000000000ULL, 100000000000000000ULL,
    1000000000000000000ULL, 10000000000000000000ULL };

} // namespace

DecimalDigits DecimalDigits::fromDouble(double value)
{
    DecimalDigits r;
    r.negative_ = std::signbit(value);
    const double magnitude = std::fabs(value);
    if (magnitude == 0 || !std::isfinite(magnitude))
        return r;

    // Any decimal of at most 15 digits that reads back as the value is the
    // value rounded to 15 digits (a double is finer than 15 digits). Amounts
    // with few decimals are found that way with one multiplication and one
    // division; std::to_chars is several times slower.
    for (const int places : { 2, 6 }) {
        constexpr double kScale[] = { 1, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6 };
        const double scaled = magnitude * kScale[places];
        if (scaled >= 1e15)
            break;
        const auto integer = static_cast<unsigned long long>(std::llround(scaled));
        if (integer == 0 || integer >= kTen15 || double(integer) / kScale[places] != magnitude)
            continue;
        r.setInteger(integer, -places);
        return r;
    }
    if (r.roundExactly(magnitude))
        return r;

    char text[48];
    const auto res = std::to_chars(text, text + sizeof text, magnitude, std::chars_format::scientific, kSignificant - 1);
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

void DecimalDigits::setInteger(unsigned long long integer, int lastPower)
{
    // Two independent halves of at most 8 digits each divide faster than
    // one chain of 16.
    signed char reversed[16];
    auto high = static_cast<unsigned>(integer / 100000000ULL);
    auto low = static_cast<unsigned>(integer % 100000000ULL);
    for (int i = 0; i < 8; ++i) {
        reversed[i] = static_cast<signed char>(low % 10);
        reversed[i + 8] = static_cast<signed char>(high % 10);
        low /= 10;
        high /= 10;
    }
    int n = 16;
    while (n > 1 && reversed[n - 1] == 0)
        --n;
    count_ = n;
    for (int i = 0; i < n; ++i)
        digits_[i] = reversed[n - 1 - i];
    exponent_ = lastPower + n - 1;
    trim();
}

bool DecimalDigits::roundExactly(double magnitude)
{
    // magnitude = m * 2^e exactly; 15 digits are round(magnitude * 10^k)
    // with k = 14 - E, computed in 128 bits and rounded half to even like
    // every correctly rounded conversion. Covers 1E-05 up to 1E+15.
    int binaryExponent = 0;
    const double fraction = std::frexp(magnitude, &binaryExponent);
    const auto m = static_cast<unsigned long long>(std::ldexp(fraction, 53));
    const int shift = 53 - binaryExponent;
    if (shift < 1 || shift > 78)
        return false;
    int exponent = int(std::floor((binaryExponent - 1) * 0.30102999566398120));
    using Wide = unsigned __int128;
    for (int attempt = 0; attempt < 3; ++attempt) {
        const int k = 14 - exponent;
        if (k < 0 || k > 19)
            return false;
        const Wide scaled = Wide(m) * kPowers[k];
        if (scaled < (Wide(kPowers[14]) << shift)) {
            --exponent;
            continue;
        }
        if (scaled >= (Wide(kTen15) << shift)) {
            ++exponent;
            continue;
        }
        Wide integer = scaled >> shift;
        const Wide rest = scaled & ((Wide(1) << shift) - 1);
        const Wide half = Wide(1) << (shift - 1);
        if (rest > half || (rest == half && (integer & 1)))
            ++integer;
        setInteger(static_cast<unsigned long long>(integer), exponent - 14);
        return true;
    }
    return false;
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
