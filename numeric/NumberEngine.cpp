#include "numeric/NumberEngine.h"

#include "framework/ControlError.h"
#include "numeric/DecimalDigits.h"
#include "numeric/DigitAccumulator.h"
#include "numeric/NumberPattern.h"
#include "numeric/Utf16Writer.h"

#include <QLocale>

#include <algorithm>
#include <cmath>

namespace zev {

namespace {

// Blanks that reading ignores around the number and between its affixes:
// spaces, no-break spaces and the invisible direction marks that some
// locales put around signs and symbols.
bool isBlank(char16_t c)
{
    switch (c) {
    case u' ':
    case u'\t':
    case 0x00A0:
    case 0x2007:
    case 0x2009:
    case 0x202F:
    case 0x200E:
    case 0x200F:
    case 0x061C:
        return true;
    default:
        return false;
    }
}

bool isSpaceLike(char16_t c)
{
    return c == u' ' || c == 0x00A0 || c == 0x202F || c == 0x2007 || c == 0x2009;
}

QString withoutBlanks(const QString& text, const char* fallback)
{
    qsizetype b = 0;
    qsizetype e = text.size();
    while (b < e && isBlank(text[b].unicode()))
        ++b;
    while (e > b && isBlank(text[e - 1].unicode()))
        --e;
    return b < e ? text.mid(b, e - b) : QString::fromLatin1(fallback);
}

// What reading has met around the number.
enum Seen : unsigned {
    SeenOpen = 1,
    SeenClose = 2,
    SeenSign = 4,
    SeenCurrency = 8,
    SeenPercent = 16,
};

} // namespace

NumberEngine::NumberEngine(NumberLocale locale)
    : locale_(std::move(locale))
    , minusCore_(withoutBlanks(locale_.minusSign(), "-"))
    , plusCore_(withoutBlanks(locale_.plusSign(), "+"))
    , percentCore_(withoutBlanks(locale_.percentSign(), "%"))
    , symbolCore_(withoutBlanks(locale_.currencySymbol(), ""))
    , zero_(locale_.zeroDigit())
    , spaceGroups_(locale_.groupSeparator().size() == 1 && isSpaceLike(locale_.groupSeparator()[0].unicode()))
{
}

const NumberEngine& NumberEngine::current()
{
    // Comparing two QLocale values is a pointer comparison; the engine is
    // rebuilt only when the default locale really changed.
    thread_local QLocale cachedLocale;
    thread_local NumberEngine engine(NumberLocale::fromQLocale(cachedLocale));
    const QLocale now;
    if (now != cachedLocale) {
        engine = NumberEngine(NumberLocale::fromQLocale(now));
        cachedLocale = now;
    }
    return engine;
}

// ---- Reading -------------------------------------------------------------

qsizetype NumberEngine::matchAt(QStringView text, qsizetype at, QStringView token) const noexcept
{
    const qsizetype n = token.size();
    if (n == 0 || n > text.size() - at)
        return 0;
    for (qsizetype k = 0; k < n; ++k) {
        if (text[at + k] != token[k])
            return 0;
    }
    return n;
}

qsizetype NumberEngine::groupAt(QStringView text, qsizetype at) const noexcept
{
    if (spaceGroups_ && isSpaceLike(text[at].unicode()))
        return 1;
    return matchAt(text, at, locale_.groupSeparator());
}

qsizetype NumberEngine::minusAt(QStringView text, qsizetype at) const noexcept
{
    const char16_t c = text[at].unicode();
    if (c == u'-' || c == 0x2212)
        return 1;
    return matchAt(text, at, minusCore_);
}

qsizetype NumberEngine::plusAt(QStringView text, qsizetype at) const noexcept
{
    if (text[at] == u'+')
        return 1;
    return matchAt(text, at, plusCore_);
}

bool NumberEngine::affixAt(QStringView text, qsizetype& at, unsigned& seen, bool& negative, bool before) const noexcept
{
    const char16_t c = text[at].unicode();
    if (before && c == u'(') {
        if (seen != 0)
            return false; // the parenthesis opens the text
        seen |= SeenOpen;
        ++at;
        return true;
    }
    if (!before && c == u')') {
        if (!(seen & SeenOpen) || (seen & SeenClose))
            return false;
        seen |= SeenClose;
        ++at;
        return true;
    }
    qsizetype n = minusAt(text, at);
    const bool minus = n > 0;
    if (n == 0)
        n = plusAt(text, at);
    if (n > 0) {
        if (seen & (SeenSign | SeenOpen))
            return false;
        seen |= SeenSign;
        negative = minus;
        at += n;
        return true;
    }
    n = matchAt(text, at, symbolCore_);
    if (n > 0) {
        if (seen & (SeenCurrency | SeenPercent))
            return false;
        seen |= SeenCurrency;
        at += n;
        return true;
    }
    n = c == u'%' ? 1 : matchAt(text, at, percentCore_);
    if (n > 0) {
        if (seen & (SeenCurrency | SeenPercent))
            return false;
        seen |= SeenPercent;
        at += n;
        return true;
    }
    return false;
}

NumberEngine::ReadResult NumberEngine::parse(QStringView text, double& value) const noexcept
{
    value = 0;
    qsizetype b = 0;
    qsizetype e = text.size();
    while (b < e && isBlank(text[b].unicode()))
        ++b;
    while (e > b && isBlank(text[e - 1].unicode()))
        --e;
    const QStringView s = text.sliced(b, e - b);
    const qsizetype n = s.size();
    const QStringView decimal = locale_.decimalSeparator();

    unsigned seen = 0;
    bool negative = false;
    qsizetype i = 0;
    while (i < n) {
        if (isBlank(s[i].unicode())) {
            ++i;
            continue;
        }
        if (digitValue(s[i]) >= 0 || (matchAt(s, i, decimal) && !matchAt(s, i, symbolCore_)))
            break;
        if (!affixAt(s, i, seen, negative, true))
            return ReadResult::NotANumber;
    }

    DigitAccumulator digits;
    bool any = false;
    int d;
    while (i < n) {
        d = digitValue(s[i]);
        if (d >= 0) {
            digits.addIntegerDigit(d);
            any = true;
            ++i;
            continue;
        }
        if (any) {
            // Lenient: a group separator may stand between any two digits,
            // and last, where the user has typed it but not yet the digits
            // after it ("1." on the way to "1.500").
            const qsizetype g = groupAt(s, i);
            if (g > 0 && (i + g == n || digitValue(s[i + g]) >= 0)) {
                i += g;
                continue;
            }
        }
        break;
    }
    if (const qsizetype m = matchAt(s, i, decimal)) {
        i += m;
        while (i < n && (d = digitValue(s[i])) >= 0) {
            digits.addFractionDigit(d);
            any = true;
            ++i;
        }
    }
    if (!any)
        return ReadResult::NotANumber;

    if (i < n && (s[i] == u'E' || s[i] == u'e')) {
        qsizetype j = i + 1;
        bool negativeExponent = false;
        if (j < n) {
            if (const qsizetype m = minusAt(s, j)) {
                negativeExponent = true;
                j += m;
            } else {
                j += plusAt(s, j);
            }
        }
        // Without digits the E is no exponent (and fails below as junk).
        if (j < n && digitValue(s[j]) >= 0) {
            long long exponent = 0;
            while (j < n && (d = digitValue(s[j])) >= 0) {
                if (exponent < 100000000)
                    exponent = exponent * 10 + d;
                ++j;
            }
            digits.addExponent(negativeExponent ? -exponent : exponent);
            i = j;
        }
    }

    while (i < n) {
        if (isBlank(s[i].unicode())) {
            ++i;
            continue;
        }
        if (!affixAt(s, i, seen, negative, false))
            return ReadResult::NotANumber;
    }
    if ((seen & SeenOpen) && !(seen & SeenClose))
        return ReadResult::NotANumber;
    if (seen & SeenPercent)
        digits.addExponent(-2);
    if (!digits.toDouble(negative || (seen & SeenOpen), value))
        return ReadResult::Overflow;
    return ReadResult::Ok;
}

bool NumberEngine::tryRead(QStringView text, double& value) const noexcept
{
    return parse(text, value) == ReadResult::Ok;
}

double NumberEngine::read(QStringView text) const
{
    double value = 0;
    switch (parse(text, value)) {
    case ReadResult::Ok:
        return value;
    case ReadResult::Overflow:
        throw ControlError(ErrOverflow, QStringLiteral("Overflow"));
    case ReadResult::NotANumber:
        break;
    }
    throw ControlError(ErrTypeMismatch, QStringLiteral("Type mismatch"));
}

// ---- Formatting ----------------------------------------------------------

QString NumberEngine::nonFinite(double value) const
{
    if (std::isnan(value))
        return QStringLiteral("NaN");
    return value < 0 ? locale_.minusSign() + QLatin1String("Infinity") : QStringLiteral("Infinity");
}

QString NumberEngine::general(double value) const
{
    if (!std::isfinite(value))
        return nonFinite(value);
    const DecimalDigits d = DecimalDigits::fromDouble(value);
    if (d.isZero())
        return QString(QChar(zero_));

    const int exponent = d.exponent();
    const int lowest = d.lowestPower();
    const QString& decimal = locale_.decimalSeparator();
    Utf16Writer out(d.digitCount() + 24);
    if (d.isNegative())
        out.put(locale_.minusSign());
    if (exponent >= 15 || exponent < -4) {
        out.put(QChar(locale_.digitChar(d.digitAtPower(exponent))));
        if (lowest < exponent) {
            out.put(decimal);
            for (int p = exponent - 1; p >= lowest; --p)
                out.put(QChar(locale_.digitChar(d.digitAtPower(p))));
        }
        out.put(QChar(u'E'));
        out.put(QChar(exponent < 0 ? u'-' : u'+'));
        const int magnitude = exponent < 0 ? -exponent : exponent;
        if (magnitude >= 100)
            out.put(QChar(locale_.digitChar(magnitude / 100)));
        out.put(QChar(locale_.digitChar(magnitude / 10 % 10)));
        out.put(QChar(locale_.digitChar(magnitude % 10)));
    } else {
        for (int p = std::max(exponent, 0); p >= 0; --p)
            out.put(QChar(locale_.digitChar(d.digitAtPower(p))));
        if (lowest < 0) {
            out.put(decimal);
            for (int p = -1; p >= lowest; --p)
                out.put(QChar(locale_.digitChar(d.digitAtPower(p))));
        }
    }
    return out.take();
}

QString NumberEngine::fixed(double value, int places, bool currency) const
{
    if (!std::isfinite(value))
        return nonFinite(value);
    const DecimalDigits exact = DecimalDigits::fromDouble(value);
    DecimalDigits r = exact;
    r.roundToPlaces(places);
    if (r.beyondDouble(0)) {
        r = exact;
        r.roundToPlaces(places, true);
    }
    const bool negative = r.isNegative() && !r.isZero();
    const int integerDigits = r.isZero() ? 1 : std::max(1, r.exponent() + 1);
    const QString& group = locale_.groupSeparator();
    const QString& decimal = locale_.decimalSeparator();
    const NumberLocale::Affixes* affixes = currency ? &locale_.currencyPattern(negative) : nullptr;

    Utf16Writer out(integerDigits * (1 + group.size()) + places + decimal.size() + 16
        + (affixes ? affixes->prefix.size() + affixes->suffix.size() : 0));
    if (affixes)
        out.put(affixes->prefix);
    else if (negative)
        out.put(locale_.minusSign());
    int separator = locale_.firstSeparator(integerDigits);
    for (int p = integerDigits - 1; p >= 0; --p) {
        out.put(QChar(locale_.digitChar(r.digitAtPower(p))));
        if (p == separator && p > 0) {
            out.put(group);
            separator = locale_.nextSeparator(separator);
        }
    }
    if (places > 0) {
        out.put(decimal);
        for (int p = -1; p >= -places; --p)
            out.put(QChar(locale_.digitChar(r.digitAtPower(p))));
    }
    if (affixes)
        out.put(affixes->suffix);
    return out.take();
}

QString NumberEngine::formatStandard(double value) const
{
    return fixed(value, 2, false);
}

QString NumberEngine::formatCurrency(double value) const
{
    return fixed(value, std::min(locale_.currencyDecimals(), kMaxDecimals), true);
}

QString NumberEngine::formatPattern(double value, QStringView pattern) const
{
    return NumberPattern::format(*this, value, pattern);
}

QString NumberEngine::format(double value, Format kind, QStringView pattern) const
{
    switch (kind) {
    case Format::General:
        break;
    case Format::Standard:
        return formatStandard(value);
    case Format::Currency:
        return formatCurrency(value);
    case Format::Pattern:
        return formatPattern(value, pattern);
    }
    return general(value);
}

QString NumberEngine::formatText(QStringView text, Format kind, QStringView pattern) const
{
    double value = 0;
    if (parse(text, value) != ReadResult::Ok)
        return text.toString();
    return format(value, kind, pattern);
}

} // namespace zev
