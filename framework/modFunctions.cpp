#include "framework/modFunctions.h"

namespace zev::modFunctions {

namespace {
QString trimSpaces(const QString& s)
{
    qsizetype begin = 0, end = s.size();
    while (begin < end && s.at(begin) == QLatin1Char(' '))
        ++begin;
    while (end > begin && s.at(end - 1) == QLatin1Char(' '))
        --end;
    return s.mid(begin, end - begin);
}
} // namespace

QString FillWithZeros(const QString& text, const qint16& length, const ePos_& position)
{
    QString s = trimSpaces(text);
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
