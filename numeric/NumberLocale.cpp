#include "numeric/NumberLocale.h"

#include <QLocale>

namespace zev {

namespace {

// Length of the digit (of any script, also outside the BMP) at `at`; 0 when
// there is none.
qsizetype digitAt(QStringView text, qsizetype at)
{
    const QChar c = text[at];
    if (c.isHighSurrogate() && at + 1 < text.size() && text[at + 1].isLowSurrogate())
        return QChar::isDigit(QChar::surrogateToUcs4(c, text[at + 1])) ? 2 : 0;
    return c.isDigit() ? 1 : 0;
}

// Invisible marks and spaces that may pad a currency symbol.
bool isPadding(char16_t c)
{
    return c == u' ' || c == 0x00A0 || c == 0x202F || c == 0x2007 || c == 0x200E || c == 0x200F || c == 0x061C;
}

QString withoutPadding(QStringView text)
{
    qsizetype b = 0;
    qsizetype e = text.size();
    while (b < e && isPadding(text[b].unicode()))
        ++b;
    while (e > b && isPadding(text[e - 1].unicode()))
        --e;
    return text.mid(b, e - b).toString();
}

} // namespace

NumberLocale::NumberLocale()
    : decimal_(QStringLiteral("."))
    , group_(QStringLiteral(","))
    , minus_(QStringLiteral("-"))
    , plus_(QStringLiteral("+"))
    , percent_(QStringLiteral("%"))
    , positiveCurrency_ { QString(), QString() }
    , negativeCurrency_ { QStringLiteral("-"), QString() }
{
}

NumberLocale NumberLocale::fromQLocale(const QLocale& locale)
{
    NumberLocale r;
    r.decimal_ = locale.decimalPoint();
    r.group_ = locale.groupSeparator();
    r.minus_ = locale.negativeSign();
    r.plus_ = locale.positiveSign();
    r.percent_ = locale.percent();
    const QString zero = locale.zeroDigit();
    if (zero.size() == 1)
        r.zero_ = zero[0].unicode();
    if (r.decimal_.isEmpty())
        r.decimal_ = QStringLiteral(".");

    // Grouping: the digit runs between separators of a long integer.
    r.groupSize_ = 0;
    const QString probe = locale.toString(qlonglong(1234567890123LL));
    int runs[16] = {};
    int runCount = 0;
    for (qsizetype i = 0; i < probe.size() && runCount < 16;) {
        if (const qsizetype n = digitAt(probe, i)) {
            ++runs[runCount];
            i += n;
        } else if (runs[runCount] > 0 && !r.group_.isEmpty() && QStringView(probe).sliced(i).startsWith(r.group_)) {
            ++runCount;
            i += r.group_.size();
        } else {
            i += 1;
        }
    }
    if (runCount > 0 && runs[runCount] > 0) {
        r.groupSize_ = runs[runCount];
        r.secondaryGroupSize_ = runCount > 1 ? runs[runCount - 1] : r.groupSize_;
        // The smallest number of leading digits that still gets a separator.
        qlonglong value = 1;
        for (int i = 0; i < r.groupSize_; ++i)
            value *= 10;
        for (int lead = 1; lead <= 4; ++lead, value *= 10) {
            r.minimumGroupingDigits_ = lead;
            if (locale.toString(value).contains(r.group_))
                break;
        }
    }

    // Currency: split QLocale's own text of an amount around its digits.
    QString symbol = locale.currencySymbol();
    const QString positive = locale.toCurrencyString(1234.5);
    const QString negative = locale.toCurrencyString(-1234.5);
    auto split = [&](const QString& text, Affixes& affixes) -> qsizetype {
        qsizetype first = -1;
        qsizetype last = -1;
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (const qsizetype n = digitAt(text, i)) {
                if (first < 0)
                    first = i;
                last = i + n - 1;
                i += n - 1;
            }
        }
        if (first < 0)
            return -1;
        affixes.prefix = text.left(first);
        affixes.suffix = text.mid(last + 1);
        const qsizetype point = QStringView(text).sliced(first, last + 1 - first).indexOf(r.decimal_);
        if (point < 0)
            return 0;
        qsizetype decimals = 0;
        for (qsizetype i = first + point + r.decimal_.size(); i <= last; i += digitAt(text, i))
            ++decimals;
        return decimals;
    };
    Affixes pos;
    Affixes neg;
    const qsizetype decimals = split(positive, pos);
    if (decimals >= 0 && split(negative, neg) >= 0) {
        r.currencyDecimals_ = int(decimals);
        r.positiveCurrency_ = pos;
        r.negativeCurrency_ = neg;
        // Some locales print a symbol that currencySymbol() does not report.
        if (symbol.isEmpty() || !(pos.prefix + pos.suffix).contains(symbol)) {
            const QString before = withoutPadding(pos.prefix);
            symbol = before.isEmpty() ? withoutPadding(pos.suffix) : before;
        }
    } else {
        r.positiveCurrency_ = { symbol, QString() };
        r.negativeCurrency_ = { symbol + r.minus_, QString() };
    }
    r.currencySymbol_ = symbol;
    return r;
}

} // namespace zev
