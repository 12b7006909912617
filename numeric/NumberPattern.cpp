#include "numeric/NumberPattern.h"

#include "numeric/DecimalDigits.h"
#include "numeric/NumberEngine.h"
#include "numeric/Utf16Writer.h"

#include <algorithm>
#include <cmath>
#include <vector>

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

// One step of a section's output.
struct NumberPattern::Op {
    enum Kind : unsigned char {
        IntegerDigit, // index: the placeholder's place from the left
        IntegerBlock, // all integer digits (a section without integer placeholders)
        FractionDigit, // index: decimal place from the separator
        Decimal,
        Percent,
        Exponent, // index: the letter; length: 1 when the exponent is always signed
        Text, // index, length: a slice of Compiled::literals
    };
    Kind kind;
    int index;
    int length;
};

struct NumberPattern::Section {
    bool present = false;
    Layout layout;
    std::vector<Op> ops;
};

struct NumberPattern::Compiled {
    QString pattern;
    int count = 0;
    Section sections[3];
    QString literals;
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

const NumberPattern::Compiled& NumberPattern::compiled(QStringView pattern)
{
    thread_local Compiled cache;
    thread_local bool valid = false;
    if (valid && cache.pattern == pattern)
        return cache;
    valid = false;
    cache = Compiled();
    cache.pattern = pattern.toString();
    const QStringView all = cache.pattern;
    qsizetype start = 0;
    for (qsizetype i = 0; i < all.size() && cache.count < 2;) {
        const Token t = lex(all, i);
        if (t.kind == Token::Separator) {
            compile(all.sliced(start, i - start), cache.sections[cache.count++], cache.literals);
            start = i + 1;
        }
        i += t.length;
    }
    // The zero section runs to the end: a further ";" is text.
    compile(all.sliced(start), cache.sections[cache.count++], cache.literals);
    valid = true;
    return cache;
}

void NumberPattern::compile(QStringView section, Section& out, QString& literals)
{
    out.present = !section.isEmpty();
    Layout& layout = out.layout;
    auto text = [&](QStringView t) {
        if (t.isEmpty())
            return;
        if (!out.ops.empty() && out.ops.back().kind == Op::Text
            && out.ops.back().index + out.ops.back().length == literals.size())
            out.ops.back().length += int(t.size());
        else
            out.ops.push_back({ Op::Text, int(literals.size()), int(t.size()) });
        literals += t;
    };

    State state = State::Integer;
    int pendingCommas = 0;
    for (qsizetype i = 0; i < section.size();) {
        const Token t = lex(section, i);
        i += t.length;
        switch (t.kind) {
        case Token::Zero:
        case Token::Hash:
            if (state == State::Integer) {
                layout.grouping = layout.grouping || pendingCommas > 0;
                if (t.kind == Token::Zero && layout.firstIntegerZero < 0)
                    layout.firstIntegerZero = layout.integerPlaceholders;
                out.ops.push_back({ Op::IntegerDigit, layout.integerPlaceholders++, 0 });
                pendingCommas = 0;
            } else if (state == State::Fraction) {
                if (layout.fractionPlaceholders < kMaxPlaces)
                    out.ops.push_back({ Op::FractionDigit, layout.fractionPlaceholders, 0 });
                ++layout.fractionPlaceholders;
                if (t.kind == Token::Zero)
                    layout.fractionZeros = layout.fractionPlaceholders;
                pendingCommas = 0; // commas inside the decimals mean nothing
            } else if (state == State::ExponentDigits) {
                if (t.kind == Token::Zero)
                    ++layout.exponentZeros;
            } else {
                text(t.text);
            }
            break;
        case Token::Comma:
            if ((state == State::Integer && layout.integerPlaceholders > 0) || state == State::Fraction)
                ++pendingCommas;
            else if (state == State::ExponentDigits)
                state = State::Tail;
            break;
        case Token::Point:
            if (state == State::Integer) {
                layout.scaleCommas += pendingCommas;
                pendingCommas = 0;
                layout.point = true;
                if (layout.integerPlaceholders == 0)
                    out.ops.push_back({ Op::IntegerBlock, 0, 0 });
                out.ops.push_back({ Op::Decimal, 0, 0 });
                state = State::Fraction;
            } else if (state == State::ExponentDigits) {
                state = State::Tail;
            }
            break;
        case Token::Percent:
            ++layout.percents;
            out.ops.push_back({ Op::Percent, 0, 0 });
            if (state == State::ExponentDigits)
                state = State::Tail;
            break;
        case Token::Exponent:
            if (!layout.exponent && (state == State::Integer || state == State::Fraction)) {
                layout.scaleCommas += pendingCommas;
                pendingCommas = 0;
                layout.exponent = true;
                if (layout.integerPlaceholders == 0 && state == State::Integer)
                    out.ops.push_back({ Op::IntegerBlock, 0, 0 });
                out.ops.push_back({ Op::Exponent, t.text[0].unicode(), t.text[1] == u'+' ? 1 : 0 });
                state = State::ExponentDigits;
            } else {
                text(t.text);
                if (state == State::ExponentDigits)
                    state = State::Tail;
            }
            break;
        case Token::Separator:
        case Token::Text:
            text(t.text);
            if (state == State::ExponentDigits)
                state = State::Tail;
            break;
        }
    }
    if (state == State::Integer || state == State::Fraction)
        layout.scaleCommas += pendingCommas;
}

void NumberPattern::emit(const Section& section, const QString& literals, const Plan& plan, const NumberLocale& locale, Utf16Writer& out)
{
    auto digit = [&](int power) { out.put(QChar(locale.digitChar(plan.digits.digitAtPower(power + plan.offset)))); };
    // Integer digits come out from the highest power down, so the next
    // separator's place only ever moves down.
    int separator = plan.grouped ? locale.firstSeparator(plan.integerDigits) : 0;
    auto integerDigit = [&](int power) {
        digit(power);
        if (power == separator && power > 0) {
            out.put(locale.groupSeparator());
            separator = locale.nextSeparator(separator);
        }
    };
    for (const Op& op : section.ops) {
        switch (op.kind) {
        case Op::IntegerDigit: {
            const int power = plan.placeholders - 1 - op.index;
            if (op.index == 0) {
                // Digits beyond the placeholders all go to the first one.
                for (int p = plan.integerDigits - 1; p > power; --p)
                    integerDigit(p);
            }
            if (power < plan.integerDigits)
                integerDigit(power);
            break;
        }
        case Op::IntegerBlock:
            for (int p = plan.integerDigits - 1; p >= 0; --p)
                integerDigit(p);
            break;
        case Op::FractionDigit:
            if (op.index < plan.fractionDigits)
                digit(-(op.index + 1));
            break;
        case Op::Decimal:
            out.put(locale.decimalSeparator());
            break;
        case Op::Percent:
            out.put(locale.percentSign());
            break;
        case Op::Exponent: {
            out.put(QChar(char16_t(op.index)));
            const int exponent = plan.zero ? 0 : plan.offset;
            if (exponent < 0)
                out.put(QChar(u'-'));
            else if (op.length == 1)
                out.put(QChar(u'+'));
            char16_t buffer[16];
            int n = 0;
            for (unsigned magnitude = unsigned(exponent < 0 ? -exponent : exponent); magnitude > 0; magnitude /= 10)
                buffer[n++] = locale.digitChar(int(magnitude % 10));
            for (int k = std::clamp(section.layout.exponentZeros, 1, kMaxExponentDigits); k > n; --k)
                out.put(QChar(locale.digitChar(0)));
            while (n > 0)
                out.put(QChar(buffer[--n]));
            break;
        }
        case Op::Text:
            out.put(QStringView(literals).sliced(op.index, op.length));
            break;
        }
    }
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

    const Compiled& c = compiled(pattern);
    const int zeroSection = c.count > 2 && c.sections[2].present ? 2 : 0;
    int which = 0;
    bool sign = false;
    if (value < 0) {
        if (c.count > 1 && c.sections[1].present)
            which = 1;
        else
            sign = true;
    } else if (value == 0) {
        which = zeroSection;
    }

    double magnitude = std::fabs(value);
    Plan chosen;
    for (;;) {
        const Section& section = c.sections[which];
        if (!section.present)
            return engine.general(magnitude == 0 ? 0.0 : value);
        chosen = plan(section.layout, magnitude);
        const bool showsZero = section.layout.hasNumber() ? chosen.zero : magnitude == 0;
        if (!showsZero || magnitude == 0)
            break;
        // Rounded to zero: shown as zero, by the zero section, unsigned.
        magnitude = 0;
        which = zeroSection;
        sign = false;
    }

    const NumberLocale& locale = engine.locale();
    Utf16Writer out(c.pattern.size() + chosen.integerDigits * (1 + locale.groupSeparator().size()) + chosen.fractionDigits + 24);
    if (sign)
        out.put(locale.minusSign());
    emit(c.sections[which], c.literals, chosen, locale, out);
    return out.take();
}

} // namespace zev
