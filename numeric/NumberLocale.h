#pragma once

#include "framework/ZEVCoreExport.h"

#include <QString>

class QLocale;

namespace zev {

// The locale facts that number reading and formatting need, taken once from
// a QLocale so that the hot paths never go back to it.
//
// QLocale has no API for grouping sizes or currency patterns, so fromQLocale
// derives them from QLocale's own output for probe values: whatever QLocale
// prints, the engine prints the same way and can read back.
class ZEV_CORE_INTERNAL_EXPORT NumberLocale {
public:
    // Text around the digits of a currency amount, e.g. "R$\u00A0" + "" or
    // "(" + "\u00A0€)". It includes the sign or the parentheses of negatives.
    struct Affixes {
        QString prefix;
        QString suffix;
    };

    // Neutral data: "." decimal, "," group of 3, "-" and "+", "%", no
    // currency symbol, 2 currency decimals, negatives as "-n".
    NumberLocale();

    static NumberLocale fromQLocale(const QLocale& locale);

    const QString& decimalSeparator() const { return decimal_; }
    const QString& groupSeparator() const { return group_; }
    // Digits between the decimal separator and the first group separator;
    // 0 when the locale does not group.
    int groupSize() const { return groupSize_; }
    // Size of the groups further left (2 in Indian grouping 1,23,45,678).
    int secondaryGroupSize() const { return secondaryGroupSize_; }
    // A separator goes in only when at least this many digits stand to its
    // left (2 in es_ES: 1234 but 12.345).
    int minimumGroupingDigits() const { return minimumGroupingDigits_; }
    const QString& minusSign() const { return minus_; }
    const QString& plusSign() const { return plus_; }
    const QString& percentSign() const { return percent_; }
    const QString& currencySymbol() const { return currencySymbol_; }
    int currencyDecimals() const { return currencyDecimals_; }
    const Affixes& currencyPattern(bool negative) const { return negative ? negativeCurrency_ : positiveCurrency_; }
    // The locale's digit zero; the other digits follow it (U+0660 in ar_EG).
    // Locales whose digits lie outside the BMP (Chakma) get ASCII digits.
    char16_t zeroDigit() const { return zero_; }

    char16_t digitChar(int digit) const { return char16_t(zero_ + digit); }

    // Where the leftmost group separator of an integer part of
    // `integerDigits` digits stands, counted in digits to its right; 0 when
    // the part gets none. The others follow at nextSeparator().
    int firstSeparator(int integerDigits) const
    {
        const int room = integerDigits - minimumGroupingDigits_;
        if (groupSize_ <= 0 || room < groupSize_)
            return 0;
        return groupSize_ + (room - groupSize_) / secondaryGroupSize_ * secondaryGroupSize_;
    }
    int nextSeparator(int place) const { return place > groupSize_ ? place - secondaryGroupSize_ : 0; }

private:
    QString decimal_;
    QString group_;
    int groupSize_ = 3;
    int secondaryGroupSize_ = 3;
    int minimumGroupingDigits_ = 1;
    QString minus_;
    QString plus_;
    QString percent_;
    QString currencySymbol_;
    int currencyDecimals_ = 2;
    Affixes positiveCurrency_;
    Affixes negativeCurrency_;
    char16_t zero_ = u'0';
};

} // namespace zev
