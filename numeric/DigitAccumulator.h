#pragma once

namespace zev {

// Collects the digits of a decimal number one at a time and converts them
// to the nearest double, without allocating and in time linear in the
// number of digits. Only the first kMaxDigits significant digits are kept;
// later ones only matter through whether any of them is non-zero, which is
// all a correctly rounded conversion needs.
class DigitAccumulator {
public:
    static constexpr int kMaxDigits = 780;

    void addIntegerDigit(int digit)
    {
        if (count_ == 0 && !sticky_ && digit == 0)
            return; // leading zero
        push(digit);
        ++integerDigits_;
    }

    void addFractionDigit(int digit)
    {
        if (count_ == 0 && !sticky_ && digit == 0) {
            ++leadingFractionZeros_;
            return;
        }
        push(digit);
    }

    // Adds to the power of ten (exponent part, percent).
    void addExponent(long long power) { exponent_ += power; }

    // The nearest double, negated when asked; zero for a number too small
    // for a double. Returns false when the magnitude is beyond the doubles.
    bool toDouble(bool negative, double& value) const;

private:
    void push(int digit)
    {
        if (count_ < kMaxDigits)
            digits_[count_++] = static_cast<char>('0' + digit);
        else if (digit != 0)
            sticky_ = true;
    }

    char digits_[kMaxDigits];
    int count_ = 0;
    bool sticky_ = false;
    long long integerDigits_ = 0;
    long long leadingFractionZeros_ = 0;
    long long exponent_ = 0;
};

} // namespace zev
