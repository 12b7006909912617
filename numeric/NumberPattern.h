#pragma once

#include <QString>
#include <QStringView>

namespace zev {

class NumberEngine;
class NumberLocale;
class Utf16Writer;

// The format pattern language.
//
// Up to three sections separated by ";": positive, negative, zero. With a
// negative section, negatives are shown by it without a sign of their own;
// without one (or when it is empty) they take the first section behind the
// locale's minus sign. Zero, and any value that rounds to zero in the section
// its sign picks, takes the zero section, or the first one. An empty first
// section, like the empty pattern, gives the general text form.
//
// In a section:
//   0      a digit, or a zero where the number has none
//   #      a digit, or nothing; when no digit at all would show, the last
//          integer place shows 0 (so "#.##" never shows a bare separator)
//   .      where the locale's decimal separator goes (later ones: nothing)
//   ,      between integer placeholders: the locale's group separators;
//          right after the last integer or decimal placeholder: divide by
//          1000 per comma; elsewhere nothing. Never printed.
//   %      multiply by 100 (per sign) and show the locale's percent sign
//   E+ E- e+ e-  exponent form: E+ always signs the exponent, E- only when
//          negative; the 0s after it give its least number of digits. Its
//          integer placeholders give the mantissa's integer digits; with a
//          leading #, the exponent is a multiple of their count ("##0.0E+0"
//          engineering form).
//   "..."  literal text (an unbalanced quote runs to the end of the section)
//   \c     the character c literally (a trailing backslash is dropped)
//   anything else is shown as it stands.
// Digits before the first integer placeholder all go there; "0-000" with
// 12345 shows 12-345. At most NumberEngine::kMaxDecimals decimals or integer
// placeholders count; further ones show nothing.
class NumberPattern {
public:
    static QString format(const NumberEngine& engine, double value, QStringView pattern);

private:
    struct Token;
    struct Layout;
    struct Op;
    struct Section;
    struct Compiled;
    struct Plan;

    static Token lex(QStringView pattern, qsizetype at);
    // The pattern as a list of output steps per section. The last pattern
    // used is kept per thread: a field formats with the same one all along.
    static const Compiled& compiled(QStringView pattern);
    static void compile(QStringView section, Section& out, QString& literals);
    static Plan plan(const Layout& layout, double magnitude);
    static void emit(const Section& section, const QString& literals, const Plan& plan, const NumberLocale& locale, Utf16Writer& out);
};

} // namespace zev
