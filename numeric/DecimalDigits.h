#pragma once

namespace zev {

// A finite number as the user sees it: at most 15 significant decimal
// digits and a power of ten, plus a sign. Formatting rounds these digits,
// never the binary double, so 2.145 shown with two decimals is 2.15.
class DecimalDigits {
public:
    static constexpr int kSignificant = 15;

    DecimalDigits() = default;

    // The value rounded to 15 significant digits. A value whose rounding
    // would pass the largest double is cut instead, so that the digits
    // always read back as a finite double. `value` must be finite.
    static DecimalDigits fromDouble(double value);

    bool isZero() const { return count_ == 0; }
    bool isNegative() const { return negative_; }
    // Power of ten of the first digit (1234.5 has exponent 3).
    int exponent() const { return exponent_; }
    // Significant digits held, trailing zeros excluded.
    int digitCount() const { return count_; }
    // The digit standing for 10^power (0 where none is held).
    int digitAtPower(int power) const
    {
        const long long index = static_cast<long long>(exponent_) - power;
        return index >= 0 && index < count_ ? digits_[index] : 0;
    }
    // Power of ten of the last non-zero digit; 0 for zero.
    int lowestPower() const { return count_ == 0 ? 0 : exponent_ - (count_ - 1); }

    // Multiply by 10^power (exact: only the exponent moves).
    void scale(int power)
    {
        if (count_ > 0)
            exponent_ += power;
    }

    // Round half away from zero to 10^-places; with towardZero, cut instead.
    void roundToPlaces(int places, bool towardZero = false);
    // Round half away from zero to `digits` significant digits.
    void roundToSignificant(int digits, bool towardZero = false);

    // Whether the number times 10^power is beyond what reads as a finite
    // double (anything from 1.79769313486232E+308 up).
    bool beyondDouble(int power) const;

private:
    void setInteger(unsigned long long integer, int lastPower);
    bool roundExactly(double magnitude);
    void keep(long long digits, bool towardZero);
    void trim();

    signed char digits_[kSignificant + 2] = {};
    int count_ = 0;
    int exponent_ = 0;
    bool negative_ = false;
};

} // namespace zev
