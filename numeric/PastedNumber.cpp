#include "numeric/PastedNumber.h"

#include "numeric/NumberEngine.h"

#include <QList>
#include <optional>

namespace zev {

namespace {

// Blanks around a pasted text: a spreadsheet cell comes with its line break.
bool isBlank(QChar c)
{
    const char16_t u = c.unicode();
    return c.isSpace() || u == 0x200E || u == 0x200F || u == 0x061C;
}

bool isSpaceMark(char16_t c) { return c == u' ' || c == 0x00A0 || c == 0x202F || c == 0x2009 || c == 0x2007; }

// The marks that group or split digits in the notations a paste may come in.
bool isMark(char16_t c) { return c == u'.' || c == u',' || c == u'\'' || c == 0x2019 || isSpaceMark(c); }

bool isAsciiDigit(QChar c) { return unsigned(c.unicode() - u'0') < 10; }

bool isCurrencySign(QChar c) { return c.category() == QChar::Symbol_Currency; }

// Digits between group marks, left to right: threes after a first group of
// one to three, or lakh (twos after a first group of one or two, then three).
bool groupedInThrees(const QList<int>& groups)
{
    const qsizetype n = groups.size();
    if (n == 1)
        return true;
    if (groups.front() < 1 || groups.back() != 3)
        return false;
    bool thousands = groups.front() <= 3;
    bool lakh = groups.front() <= 2;
    for (qsizetype k = 1; k + 1 < n; ++k) {
        thousands = thousands && groups[k] == 3;
        lakh = lakh && groups[k] == 2;
    }
    return thousands || lakh;
}

// One way to read the digits and marks of a paste.
struct Reading {
    QString integer; // ASCII digits
    QString fraction;
    bool fieldsOwn = false; // in the field's decimal and group marks

    bool sameNumber(const Reading& other) const { return integer == other.integer && fraction == other.fraction; }
};

bool groupsWithSpaces(const NumberLocale& locale)
{
    const QString& group = locale.groupSeparator();
    return group.size() == 1 && isSpaceMark(group[0].unicode());
}

// The number that `digits` with `marks` between its `runs` stands for, if
// "." and "," as the decimal mark give one; when they give two, the one in
// the field's own notation.
std::optional<Reading> chosenReading(const QString& digits, const QString& marks, const QList<int>& runs,
                                     const NumberLocale& locale)
{
    // Each decimal mark in turn: it is the last mark, once; the marks before
    // it are one and the same group mark, every three digits.
    QList<Reading> readings;
    for (const char16_t decimal : {u'.', u','}) {
        const bool hasDecimal = !marks.isEmpty() && marks.back() == decimal;
        const qsizetype groupMarks = marks.size() - (hasDecimal ? 1 : 0);
        bool ok = true;
        for (qsizetype k = 0; k < groupMarks; ++k)
            ok = ok && marks[k] == marks[0] && marks[k] != decimal;
        if (!ok || !groupedInThrees(runs.mid(0, groupMarks + 1)))
            continue;
        qsizetype integerDigits = 0;
        for (qsizetype k = 0; k <= groupMarks; ++k)
            integerDigits += runs[k];
        const QChar g = groupMarks > 0 ? marks[0] : QChar();
        Reading r;
        r.integer = digits.left(integerDigits);
        r.fraction = digits.mid(integerDigits);
        r.fieldsOwn = locale.decimalSeparator() == QChar(decimal)
            && (groupMarks == 0 || locale.groupSeparator() == g || (groupsWithSpaces(locale) && isSpaceMark(g.unicode())));
        readings.append(r);
    }
    if (readings.size() == 1 || (readings.size() == 2 && readings[0].sameNumber(readings[1])))
        return readings[0];
    if (readings.size() == 2 && readings[0].fieldsOwn != readings[1].fieldsOwn)
        return readings[0].fieldsOwn ? readings[0] : readings[1];
    return std::nullopt;
}

// The number as the field writes it: its minus sign, digits, group marks
// where it puts them, and decimal mark.
QString written(const Reading& r, bool negative, const NumberLocale& locale)
{
    const QString integer = r.integer.isEmpty() ? QStringLiteral("0") : r.integer;
    QString text;
    if (negative)
        text += locale.minusSign();
    int separator = locale.firstSeparator(int(integer.size()));
    for (qsizetype k = 0; k < integer.size(); ++k) {
        text += QChar(locale.digitChar(integer[k].digitValue()));
        const int left = int(integer.size() - 1 - k); // digits still to come
        if (left == separator && left > 0) {
            text += locale.groupSeparator();
            separator = locale.nextSeparator(separator);
        }
    }
    if (!r.fraction.isEmpty()) {
        text += locale.decimalSeparator();
        for (QChar c : r.fraction)
            text += QChar(locale.digitChar(c.digitValue()));
    }
    return text;
}

} // namespace

PastedNumber::PastedNumber(QStringView pasted, const NumberEngine& field)
{
    if (readsInField(pasted, field)) {
        kind_ = Kind::Own;
        return;
    }
    kind_ = readOther(pasted, field) ? Kind::Converted : Kind::Refused;
}

bool PastedNumber::readsInField(QStringView t, const NumberEngine& field)
{
    // What Qt's paste does with these is what typing them does.
    if (t.isEmpty() || t == u"-" || t == u"+" || t == u"," || t == u".")
        return true;
    double value = 0;
    if (field.parse(t, value) == NumberEngine::ReadResult::NotANumber)
        return false;
    // Reading takes a group mark between any two digits; a paste wants them every three.
    const NumberLocale& locale = field.locale();
    const QString& group = locale.groupSeparator();
    const bool spaceGroups = groupsWithSpaces(locale);
    auto digitAt = [&](qsizetype i) {
        return i < t.size() && (isAsciiDigit(t[i]) || unsigned(t[i].unicode() - locale.zeroDigit()) < 10);
    };
    qsizetype i = 0;
    while (i < t.size() && !digitAt(i))
        ++i;
    QList<int> groups{0};
    while (i < t.size()) {
        if (digitAt(i)) {
            ++groups.back();
            ++i;
            continue;
        }
        const qsizetype g = spaceGroups && isSpaceMark(t[i].unicode()) ? 1 : (t.sliced(i).startsWith(group) ? group.size() : 0);
        // The integer part ends; a mark last stands as typed, on the way to more digits.
        if (g == 0 || !digitAt(i + g))
            break;
        groups.append(0);
        i += g;
    }
    return groupedInThrees(groups);
}

bool PastedNumber::readOther(QStringView t, const NumberEngine& field)
{
    const NumberLocale& locale = field.locale();
    const qsizetype n = t.size();
    qsizetype i = 0;
    bool open = false;
    bool close = false;
    bool sign = false;
    bool currency = false;
    bool negative = false;
    auto digitAt = [&](qsizetype k) { return k < n && isAsciiDigit(t[k]); };
    // One sign, currency or parenthesis at i; parentheses exclude a sign.
    auto affix = [&](bool before) {
        const char16_t c = t[i].unicode();
        if (c == (before ? u'(' : u')')) {
            if (before ? (open || sign) : (!open || close))
                return false;
            (before ? open : close) = true;
            ++i;
            return true;
        }
        if (c == u'-' || c == u'+' || c == 0x2212) {
            if (sign || open)
                return false;
            sign = true;
            negative = c != u'+';
            ++i;
            return true;
        }
        // A currency: a run of letters and currency signs holding a sign
        // ("R$", "€", "US$"), a three-letter code, or the field's own symbol.
        qsizetype e = i;
        bool symbol = false;
        bool code = true;
        while (e < n && (t[e].isLetter() || isCurrencySign(t[e]))) {
            symbol = symbol || isCurrencySign(t[e]);
            code = code && t[e].unicode() >= u'A' && t[e].unicode() <= u'Z';
            ++e;
        }
        const QStringView token = t.sliced(i, e - i);
        if (token.isEmpty() || currency
            || !(symbol || (code && token.size() == 3) || token == locale.currencySymbol()))
            return false;
        currency = true;
        i = e;
        return true;
    };

    while (i < n && !digitAt(i) && !((t[i] == u'.' || t[i] == u',') && digitAt(i + 1))) {
        if (isBlank(t[i]))
            ++i;
        else if (!affix(true))
            return false;
    }
    // The digits, with single marks between them.
    QString digits;
    QString marks;
    QList<int> runs{0};
    while (i < n) {
        if (digitAt(i)) {
            digits += t[i];
            ++runs.back();
        } else if (isMark(t[i].unicode()) && digitAt(i + 1)) {
            marks += t[i];
            runs.append(0);
        } else {
            break;
        }
        ++i;
    }
    while (i < n) {
        if (isBlank(t[i]))
            ++i;
        else if (!affix(false))
            return false;
    }
    if (digits.isEmpty() || open != close)
        return false;

    const std::optional<Reading> reading = chosenReading(digits, marks, runs, locale);
    if (!reading)
        return false;
    negative_ = negative || open;
    text_ = written(*reading, negative_, locale);
    return true;
}

} // namespace zev
