#include "migrate/FrxFile.h"

#include "migrate/FormReadError.h"
#include "migrate/Windows1252.h"

namespace zev {

namespace {
QString hex(quint32 offset) { return QStringLiteral("%1").arg(offset, 4, 16, QLatin1Char('0')).toUpper(); }
} // namespace

FrxFile::FrxFile(QByteArray bytes, QString name, QString encoding)
    : bytes_(std::move(bytes)), name_(std::move(name)), encoding_(std::move(encoding))
{
}

QByteArray FrxFile::slice(quint64 from, quint64 length, quint32 offset, const char* what) const
{
    if (from > quint64(bytes_.size()) || length > quint64(bytes_.size()) - from) {
        throw FormReadError(name_, 0,
                            QStringLiteral("%1 at offset %2 runs past the end of the file (%3 bytes)")
                                .arg(QLatin1String(what), hex(offset))
                                .arg(bytes_.size()));
    }
    return bytes_.mid(qsizetype(from), qsizetype(length));
}

quint32 FrxFile::u8(quint64 at, quint32 offset) const
{
    return quint8(slice(at, 1, offset, "record").at(0));
}

quint32 FrxFile::u16(quint64 at, quint32 offset) const
{
    const QByteArray b = slice(at, 2, offset, "record");
    return quint32(quint8(b[0])) | quint32(quint8(b[1])) << 8;
}

quint32 FrxFile::u32(quint64 at, quint32 offset) const
{
    const QByteArray b = slice(at, 4, offset, "record");
    return quint32(quint8(b[0])) | quint32(quint8(b[1])) << 8 | quint32(quint8(b[2])) << 16
         | quint32(quint8(b[3])) << 24;
}

QString FrxFile::text(quint32 offset) const
{
    QByteArray data;
    const quint32 first = u8(offset, offset);
    const qsizetype left = bytes_.size() - qsizetype(offset);
    if (first == 0xFF) {
        data = slice(quint64(offset) + 3, u16(quint64(offset) + 1, offset), offset, "text");
    } else if (left >= 4 && bytes_.mid(offset, 4).contains('\0')) {
        data = slice(quint64(offset) + 4, u32(offset, offset), offset, "text");
    } else {
        data = slice(quint64(offset) + 1, first, offset, "text");
    }
    return Windows1252::decodeAs(data, encoding_);
}

QStringList FrxFile::list(quint32 offset) const
{
    const quint32 count = u16(offset, offset);
    quint64 at = quint64(offset) + 4;
    QStringList items;
    for (quint32 i = 0; i < count; ++i) {
        const quint32 length = u16(at, offset);
        items.append(Windows1252::decodeAs(slice(at + 2, length, offset, "list item"), encoding_));
        at += 2 + length;
    }
    return items;
}

QByteArray FrxFile::picture(quint32 offset) const
{
    if (slice(quint64(offset) + 4, 4, offset, "picture") != QByteArray("lt\0\0", 4)) {
        throw FormReadError(name_, 0, QStringLiteral("no picture at offset %1").arg(hex(offset)));
    }
    return slice(quint64(offset) + 12, u32(quint64(offset) + 8, offset), offset, "picture");
}

} // namespace zev
