#include "migrate/Windows1252.h"

#include <QStringDecoder>

namespace zev {

namespace {
// 0x80..0x9F; the five bytes the code page leaves undefined keep their Latin-1 value.
constexpr char16_t high[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

bool is1252(const QString& encoding)
{
    const QString e = encoding.toLower();
    return e == QLatin1String("windows-1252") || e == QLatin1String("cp1252") || e == QLatin1String("1252");
}
} // namespace

QString Windows1252::decode(const QByteArray& bytes)
{
    QString out(bytes.size(), Qt::Uninitialized);
    QChar* o = out.data();
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        *o++ = QChar(b >= 0x80 && b < 0xA0 ? high[b - 0x80] : char16_t(b));
    }
    return out;
}

bool Windows1252::isKnown(const QString& encoding)
{
    if (is1252(encoding))
        return true;
    const QByteArray name = encoding.toLatin1();
    QStringDecoder decoder(name.constData());
    return decoder.isValid();
}

QString Windows1252::decodeAs(const QByteArray& bytes, const QString& encoding)
{
    if (is1252(encoding))
        return decode(bytes);
    const QByteArray name = encoding.toLatin1();
    QStringDecoder decoder(name.constData());
    return decoder.decode(bytes);
}

} // namespace zev
