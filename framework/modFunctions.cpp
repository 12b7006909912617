#include "framework/modFunctions.h"

namespace zev::modFunctions {

QStringView TrimSpaces(QStringView text)
{
    qsizetype begin = 0, end = text.size();
    while (begin < end && text[begin] == QLatin1Char(' '))
        ++begin;
    while (end > begin && text[end - 1] == QLatin1Char(' '))
        --end;
    return text.mid(begin, end - begin);
}

QString FillWithZeros(const QString& text, const qint16& length, const ePos_& position)
{
    QString s = TrimSpaces(text).toString();
    if (s.size() >= length)
        return s;
    const QString zeros(length - s.size(), QLatin1Char('0'));
    switch (position) {
    case Before: return zeros + s;
    case After: return s + zeros;
    default: return s;
    }
}

} // namespace zev::modFunctions
