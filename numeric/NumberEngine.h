#pragma once

#include "framework/ZEVCoreExport.h"
#include "numeric/NumberLocale.h"

#include <QString>
#include <QStringView>

namespace zev {

// Reads and writes numbers the way a user of one locale sees them.
//
// Every text that general(), formatStandard() and formatCurrency() produce
// reads back, through read(), as exactly the number that it shows (the
// value after the rounding described below); so does the text of a pattern
// that holds no literal text.
//
// Rounding is decimal: the value is first taken to 15 significant digits,
// then rounded half away from zero to the places shown. A value that rounds
// to zero is shown as zero, without a sign.
//
// Non-finite values (never produced by reading) are shown as "NaN",
// "Infinity" and "-Infinity" by every format; these texts do not read.
class ZEV_CORE_INTERNAL_EXPORT NumberEngine {
public:
    enum class ReadResult {
        Ok,
        NotANumber, // type mismatch
        Overflow, // a number, but beyond the range of double
    };

    enum class Format {
        General,
        Standard,
        Currency,
        Pattern,
    };

    // The most decimals any format shows; a pattern asking for more is cut
    // here. 340 places show every double's 15 significant digits.
    static constexpr int kMaxDecimals = 340;

    explicit NumberEngine(NumberLocale locale = NumberLocale());

    // The engine of the default QLocale(), rebuilt only when that changes,
    // so it is cheap to call on every keystroke. One cache per thread; the
    // reference stays valid for the thread's life (the engine behind it is
    // replaced when the default locale changes).
    static const NumberEngine& current();

    const NumberLocale& locale() const { return locale_; }

    // Number reading. Blanks around the text (space, tab, no-break spaces,
    // direction marks) are ignored. Accepted: an optional sign, currency
    // symbol, percent sign or opening parenthesis before the number, in any
    // order; digits, with single group separators between any two digits of
    // the integer part (the group size is not checked: "1.2.3" is 123 in
    // pt_BR) and one more after its last digit when it ends the text, as a
    // user types it ("1." is 1 in pt_BR; "1..", ".5", "1.," and "1,5." do not
    // read); a decimal separator with digits on either side or both ("5,"
    // and ",5" read, "," does not); an exponent "E+20", "e-5", "E5"; then an
    // optional sign, currency symbol, percent sign or closing parenthesis.
    // At most one of each; parentheses mean negative and exclude a sign; the
    // percent sign divides by 100; a currency symbol and a percent sign
    // exclude each other. Signs: the locale's, "-", U+2212 and "+". A space,
    // no-break space or narrow no-break space are all taken as the group
    // separator when the locale's separator is one of them. ASCII digits
    // always read, and so do the locale's own digits. A number below the
    // smallest double reads as 0; negative zero reads as 0.
    ReadResult parse(QStringView text, double& value) const noexcept;
    bool tryRead(QStringView text, double& value) const noexcept;
    // Throws ControlError 13 (type mismatch) or 6 (overflow).
    double read(QStringView text) const;

    // Up to 15 significant digits, no group separators, no trailing zeros,
    // "0" for zero; exponent form ("1,5E+20", "1E-05") from 1E+15 up and
    // below 1E-04.
    QString general(double value) const;
    // Group separators, at least one integer digit, two decimals, a leading
    // minus sign for negatives.
    QString formatStandard(double value) const;
    // The locale's currency symbol, its position, group separators, the
    // locale's currency decimals and its pattern for negative amounts.
    QString formatCurrency(double value) const;
    // A format pattern: see NumberPattern. The empty pattern gives general().
    QString formatPattern(double value, QStringView pattern) const;

    QString format(double value, Format kind, QStringView pattern = {}) const;
    // Formats the number that `text` reads as; a text that does not read
    // (including the empty text) comes back unchanged.
    QString formatText(QStringView text, Format kind, QStringView pattern = {}) const;

private:
    qsizetype matchAt(QStringView text, qsizetype at, QStringView token) const noexcept;
    qsizetype groupAt(QStringView text, qsizetype at) const noexcept;
    qsizetype minusAt(QStringView text, qsizetype at) const noexcept;
    qsizetype plusAt(QStringView text, qsizetype at) const noexcept;
    int digitValue(QChar c) const noexcept
    {
        const char16_t u = c.unicode();
        if (unsigned(u - u'0') < 10)
            return u - u'0';
        if (unsigned(u - zero_) < 10)
            return u - zero_;
        return -1;
    }
    bool affixAt(QStringView text, qsizetype& at, unsigned& seen, bool& negative, bool before) const noexcept;
    QString fixed(double value, int places, bool currency) const;
    QString nonFinite(double value) const;

    NumberLocale locale_;
    // The locale's signs and symbols without the direction marks and spaces
    // that some locales wrap them in; reading skips those marks anyway.
    QString minusCore_;
    QString plusCore_;
    QString percentCore_;
    QString symbolCore_;
    char16_t zero_;
    // The locale groups with a space of some kind: accept any of them.
    bool spaceGroups_;
};

} // namespace zev
