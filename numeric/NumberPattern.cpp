#include "numeric/NumberPattern.h"

#include "numeric/DecimalDigits.h"
#include "numeric/NumberEngine.h"
#include "numeric/Utf16Writer.h"

#include <algorithm>
#include <cmath>

namespace zev {

namespace {

// Bounds on what a pattern may ask for, so that a pattern of thousands of
// "%" or "," cannot make the number absurdly long.
constexpr int kMaxPlaces = NumberEngine::kMaxDecimals;
constexpr int kMaxPercentSigns = 100;
constexpr int kMaxScaleCommas = 110;
constexpr int kMaxExponentDigits = 10;

enum class State {
    Integer,
    Fraction,
    ExponentDigits,
    Tail, // after the exponent: placeholders are plain text
};

int floorDiv(int a, int b)
{
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

} // namespace

struct NumberPattern::Token {
    enum Kind {
        Zero,
        Hash,
        Point,
        Comma,
        Percent,
        Exponent,
        Separator, // an unquoted ";"
        Text, // shown as it stands: `text`
    };
    Kind kind;
    qsizetype length;
    QStringView text;
};

struct NumberPattern::Layout {
    int integerPlaceholders = 0;
    int firstIntegerZero = -1;
    bool grouping = false;
    int scaleCommas = 0;
    int percents = 0;
    bool point = false;
    int fractionPlaceholders = 0;
    int fractionZeros = 0; // fraction placeholders up to the last "0"
    bool exponent = false;
    int exponentZeros = 0;

    bool hasNumber() const { return integerPlaceholders > 0 || point || exponent; }
};

struct NumberPattern::Plan {
    DecimalDigits digits; // rounded, already scaled by % and ,
    int offset = 0; // power of ten of the mantissa (exponent form)
    int integerDigits = 0;
    int fractionDigits = 0;
    int placeholders = 0; // integer placeholders of the section
    bool grouped = false;
    bool zero = false;
};

NumberPattern::Token NumberPattern::lex(QStringView s, qsizetype at)
{
    const char16_t c = s[at].unicode();
    const qsizetype rest = s.size() - at;
    switch (c) {
    case u'0':
        return { Token::Zero, 1, s.sliced(at, 1) };
    case u'#':
        return { Token::Hash, 1, s.sliced(at, 1) };
    case u'.':
        return { Token::Point, 1, {} };
    case u',':
        return { Token::Comma, 1, {} };
    case u'%':
        return { Token::Percent, 1, {} };
    case u';':
        return { Token::Separator, 1, {} };
    case u'E':
    case u'e':
        if (rest > 1 && (s[at + 1] == u'+' || s[at + 1] == u'-'))
            return { Token::Exponent, 2, s.sliced(at, 2) };
        return { Token::Text, 1, s.sliced(at, 1) };
    case u'"': {
        const qsizetype close = s.indexOf(u'"', at + 1);
        if (close < 0)
            return { Token::Text, rest, s.sliced(at + 1) };
        return { Token::Text, close + 1 - at, s.sliced(at + 1, close - at - 1) };
    }
    case u'\\': {
        if (rest == 1)
            return { Token::Text, 1, {} };
        const qsizetype n = rest > 2 && s[at + 1].isHighSurrogate() && s[at + 2].isLowSurrogate() ? 2 : 1;
        return { Token::Text, 1 + n, s.sliced(at + 1, n) };
    }
    default:
        return { Token::Text, 1, s.sliced(at, 1) };
    }
}

int NumberPattern::split(QStringView pattern, QStringView (&sections)[3])
{
    int count = 0;
    qsizetype start = 0;
    for (qsizetype i = 0; i < pattern.size();) {
        const Token t = lex(pattern, i);
        if (t.kind == Token::Separator) {
            sections[count++] = pattern.sliced(start, i - start);
            start = i + 1;
            if (count == 2)
                break; // the zero section runs to the end; no fourth one
        }
        i += t.length;
    }
    sections[count++] = pattern.sliced(start);
    return count;
}

void NumberPattern::walk(QStringView section, Layout& layout, const Plan* plan, const NumberEngine* engine, Utf16Writer* out)
{
    const NumberLocale* locale = engine ? &engine->locale() : nullptr;
    auto digit = [&](int power) { out->put(QChar(locale->digitChar(plan->digits.digitAtPower(power + plan->offset)))); };
    auto integerDigit = [&](int power) {
        digit(power);
        if (plan->grouped && power > 0 && locale->separatorAt(power, plan->integerDigits))
            out->put(locale->groupSeparator());
    };
    auto allIntegerDigits = [&]() {
        for (int p = plan->integerDigits - 1; p >= 0; --p)
            integerDigit(p);
    };

    State state = State::Integer;
    int pendingCommas = 0;
    int integerIndex = 0;
    int fractionIndex = 0;
    bool exponentDone = false;
    for (qsizetype i = 0; i < section.size();) {
        const Token t = lex(section, i);
        i += t.length;
        switch (t.kind) {
        case Token::Zero:
        case Token::Hash:
            if (state == State::Integer) {
                if (!plan) {
                    layout.grouping = layout.grouping || pendingCommas > 0;
                    if (t.kind == Token::Zero && layout.firstIntegerZero < 0)
                        layout.firstIntegerZero = layout.integerPlaceholders;
                    ++layout.integerPlaceholders;
                } else {
                    const int index = integerIndex++;
                    const int power = plan->placeholders - 1 - index;
                    if (index == 0) {
                        for (int p = plan->integerDigits - 1; p > power; --p)
                            integerDigit(p);
                    }
                    if (power < plan->integerDigits)
                        integerDigit(power);
                }
                pendingCommas = 0;
            } else if (state == State::Fraction) {
                if (!plan) {
                    ++layout.fractionPlaceholders;
                    if (t.kind == Token::Zero)
                        layout.fractionZeros = layout.fractionPlaceholders;
                } else if (fractionIndex < plan->fractionDigits) {
                    digit(-++fractionIndex);
                }
                pendingCommas = 0; // commas inside the decimals mean nothing
            } else if (state == State::ExponentDigits) {
                if (!plan && t.kind == Token::Zero)
                    ++layout.exponentZeros;
            } else if (plan) {
                out->put(t.text);
            }
            break;
        case Token::Comma:
            if ((state == State::Integer && (plan ? integerIndex : layout.integerPlaceholders) > 0) || state == State::Fraction)
                ++pendingCommas;
            else if (state == State::ExponentDigits)
                state = State::Tail;
            break;
        case Token::Point:
            if (state == State::Integer) {
                if (!plan) {
                    layout.scaleCommas += pendingCommas;
                    layout.point = true;
                } else {
                    if (plan->placeholders == 0)
                        allIntegerDigits();
                    out->put(locale->decimalSeparator());
                }
                pendingCommas = 0;
                state = State::Fraction;
            } else if (state == State::ExponentDigits) {
                state = State::Tail;
            }
            break;
        case Token::Percent:
            if (!plan)
                ++layout.percents;
            else
                out->put(locale->percentSign());
            if (state == State::ExponentDigits)
                state = State::Tail;
            break;
        case Token::Exponent:
            if (!exponentDone && (state == State::Integer || state == State::Fraction)) {
                exponentDone = true;
                if (!plan) {
                    layout.scaleCommas += pendingCommas;
                    layout.exponent = true;
                } else {
                    if (plan->placeholders == 0 && state == State::Integer)
                        allIntegerDigits();
                    out->put(t.text[0]);
                    const int exponent = plan->zero ? 0 : plan->offset;
                    if (exponent < 0)
                        out->put(QChar(u'-'));
                    else if (t.text[1] == u'+')
                        out->put(QChar(u'+'));
                    char16_t buffer[16];
                    int n = 0;
                    for (unsigned magnitude = unsigned(exponent < 0 ? -exponent : exponent); magnitude > 0; magnitude /= 10)
                        buffer[n++] = locale->digitChar(int(magnitude % 10));
                    const int minDigits = std::clamp(layout.exponentZeros, 1, kMaxExponentDigits);
                    for (int k = minDigits; k > n; --k)
                        out->put(QChar(locale->digitChar(0)));
                    while (n > 0)
                        out->put(QChar(buffer[--n]));
                }
                pendingCommas = 0;
                state = State::ExponentDigits;
            } else {
                if (plan)
                    out->put(t.text);
                if (state == State::ExponentDigits)
                    state = State::Tail;
            }
            break;
        case Token::Separator:
        case Token::Text:
            if (plan)
                out->put(t.text);
            if (state == State::ExponentDigits)
                state = State::Tail;
            break;
        }
    }
    if (!plan && (state == State::Integer || state == State::Fraction))
        layout.scaleCommas += pendingCommas;
}

NumberPattern::Plan NumberPattern::plan(const Layout& layout, double magnitude)
{
    Plan r;
    r.placeholders = layout.integerPlaceholders;
    const int percentShift = 2 * std::min(layout.percents, kMaxPercentSigns);
    DecimalDigits exact = DecimalDigits::fromDouble(magnitude);
    exact.scale(percentShift - 3 * std::min(layout.scaleCommas, kMaxScaleCommas));

    const int places = std::min(layout.fractionPlaceholders, kMaxPlaces);
    const int zerosShown = std::min(layout.fractionZeros, places);
    const int minInteger = layout.firstIntegerZero < 0 ? 0 : std::min(r.placeholders - layout.firstIntegerZero, kMaxPlaces);
    r.digits = exact;

    if (!layout.exponent) {
        r.digits.roundToPlaces(places);
        if (r.digits.beyondDouble(-percentShift)) {
            r.digits = exact;
            r.digits.roundToPlaces(places, true);
        }
        r.zero = r.digits.isZero();
        r.grouped = layout.grouping;
        r.integerDigits = std::max(r.zero ? 0 : std::max(0, r.digits.exponent() + 1), minInteger);
        r.fractionDigits = std::max(r.zero ? 0 : std::max(0, -r.digits.lowestPower()), zerosShown);
    } else {
        // Where the mantissa's point goes: k integer digits, or with a leading
        // "#" an exponent that is a multiple of k.
        const int k = r.placeholders == 0 && places == 0 ? 1 : std::min(r.placeholders, kMaxPlaces);
        const bool engineering = k > 1 && layout.firstIntegerZero != 0;
        int mantissaDigits = 0;
        auto place = [&](int leadPower) {
            if (k == 0) {
                r.offset = leadPower + 1;
                mantissaDigits = 0;
            } else if (engineering) {
                r.offset = floorDiv(leadPower, k) * k;
                mantissaDigits = leadPower - r.offset + 1;
            } else {
                r.offset = leadPower - (k - 1);
                mantissaDigits = k;
            }
        };
        if (!exact.isZero()) {
            place(exact.exponent());
            r.digits.roundToSignificant(mantissaDigits + places);
            if (r.digits.beyondDouble(-percentShift)) {
                r.digits = exact;
                r.digits.roundToSignificant(mantissaDigits + places, true);
            }
            if (!r.digits.isZero() && r.digits.exponent() != exact.exponent())
                place(r.digits.exponent()); // 9.99 became 10.0
        }
        r.zero = r.digits.isZero();
        if (r.zero) {
            r.offset = 0;
            mantissaDigits = 0;
        }
        r.integerDigits = std::max(mantissaDigits, minInteger);
        r.fractionDigits = std::max(r.zero ? 0 : std::max(0, r.offset - r.digits.lowestPower()), zerosShown);
    }
    if (r.integerDigits == 0 && r.fractionDigits == 0)
        r.integerDigits = 1;
    return r;
}

QString NumberPattern::format(const NumberEngine& engine, double value, QStringView pattern)
{
    if (pattern.isEmpty() || !std::isfinite(value))
        return engine.general(value);

    QStringView sections[3];
    const int count = split(pattern, sections);
    const int zeroSection = count > 2 && !sections[2].isEmpty() ? 2 : 0;
    int which = 0;
    bool sign = false;
    if (value < 0) {
        if (count > 1 && !sections[1].isEmpty())
            which = 1;
        else
            sign = true;
    } else if (value == 0) {
        which = zeroSection;
    }

    double magnitude = std::fabs(value);
    Layout layout;
    Plan chosen;
    for (;;) {
        if (sections[which].isEmpty())
            return engine.general(magnitude == 0 ? 0.0 : value);
        layout = Layout();
        walk(sections[which], layout, nullptr, nullptr, nullptr);
        chosen = plan(layout, magnitude);
        const bool showsZero = layout.hasNumber() ? chosen.zero : magnitude == 0;
        if (!showsZero || magnitude == 0)
            break;
        // Rounded to zero: shown as zero, by the zero section, unsigned.
        magnitude = 0;
        which = zeroSection;
        sign = false;
    }

    const NumberLocale& locale = engine.locale();
    Utf16Writer out(sections[which].size() + chosen.integerDigits * (1 + locale.groupSeparator().size())
        + chosen.fractionDigits + 24);
    if (sign)
        out.put(locale.minusSign());
    walk(sections[which], layout, &chosen, &engine, &out);
    return out.take();
}

} // namespace zev
