#pragma once

// The number a formatted text shows, found without the engine's reader: the
// digits, decimal separator and exponent between the first and last digit,
// with the sign taken from around them; strtod finds the nearest double.
// Shared by the number tests and the number fuzz target.

#include "numeric/NumberEngine.h"

#include <cstdlib>
#include <string>

namespace zev::testing {

inline double shownNumber(const NumberEngine& engine, const QString& text)
{
    const NumberLocale& l = engine.locale();
    auto isDigit = [&](qsizetype i) {
        const char16_t c = text[i].unicode();
        return (c >= u'0' && c <= u'9') || (c >= l.zeroDigit() && c <= l.zeroDigit() + 9);
    };
    qsizetype first = 0;
    while (first < text.size() && !isDigit(first))
        ++first;
    qsizetype last = text.size() - 1;
    while (last > first && !isDigit(last))
        --last;
    // ",5" starts at its separator; the "." that ends a symbol such as "Nu." does not.
    const qsizetype point = first - l.decimalSeparator().size();
    if (point >= 0 && QStringView(text).sliced(point).startsWith(l.decimalSeparator())
        && (point == 0 || QStringView(u"-+( \u00A0\u202F\u2212\u200E\u200F\u061C").contains(text[point - 1])))
        first = point;
    bool negative = false;
    for (QStringView part : {QStringView(text).first(first), QStringView(text).sliced(last + 1)})
        negative = negative || part.contains(u'(') || part.contains(u'-') || part.contains(l.minusSign());
    std::string ascii;
    for (qsizetype i = first; i <= last; ++i) {
        const char16_t c = text[i].unicode();
        if (isDigit(i))
            ascii += char(c <= u'9' ? c : u'0' + (c - l.zeroDigit()));
        else if (QStringView(text).sliced(i).startsWith(l.decimalSeparator()))
            ascii += '.';
        else if (c == u'E' || c == u'e')
            ascii += 'e';
        else if ((c == u'-' || c == u'+') && !ascii.empty() && ascii.back() == 'e')
            ascii += char(c);
    }
    if (text.contains(u'%') || text.contains(l.percentSign()))
        ascii += "e-2"; // no pattern mixes a percent with an exponent
    const double v = std::strtod(ascii.c_str(), nullptr);
    return negative ? -v : v;
}

} // namespace zev::testing
