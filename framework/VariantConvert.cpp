#include "framework/VariantConvert.h"

#include "framework/ControlError.h"

#include <QLocale>
#include <cmath>
#include <limits>

namespace zev::VariantConvert {

namespace {

bool isIntegral(int typeId)
{
    switch (typeId) {
    case QMetaType::Short: case QMetaType::UShort: case QMetaType::Int: case QMetaType::UInt:
    case QMetaType::Long: case QMetaType::ULong: case QMetaType::LongLong: case QMetaType::ULongLong:
    case QMetaType::Char: case QMetaType::SChar: case QMetaType::UChar:
        return true;
    default:
        return false;
    }
}

// A text read as a number, in the current locale or in the C locale.
double numberFromText(const QString& text)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        throw ControlError(ErrTypeMismatch);
    bool ok = false;
    double d = QLocale().toDouble(t, &ok);
    if (!ok)
        d = QLocale::c().toDouble(t, &ok);
    if (!ok) {
        if (t.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
            return -1;
        if (t.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
            return 0;
        throw ControlError(ErrTypeMismatch);
    }
    if (!std::isfinite(d))
        throw ControlError(ErrOverflow);
    return d;
}

double asNumber(const QVariant& v)
{
    if (!v.isValid() || v.isNull())
        return 0;
    const int t = v.typeId();
    if (t == QMetaType::Bool)
        return v.toBool() ? -1 : 0;
    if (isIntegral(t))
        return double(v.toLongLong());
    if (t == QMetaType::Double || t == QMetaType::Float) {
        const double d = v.toDouble();
        if (!std::isfinite(d))
            throw ControlError(ErrOverflow);
        return d;
    }
    if (t == QMetaType::QString)
        return numberFromText(v.toString());
    throw ControlError(ErrTypeMismatch);
}

template <typename T>
T wholeNumber(const QVariant& v)
{
    if (isIntegral(v.typeId()) && v.typeId() != QMetaType::ULongLong) {
        const qlonglong n = v.toLongLong();
        if (n < std::numeric_limits<T>::min() || n > std::numeric_limits<T>::max())
            throw ControlError(ErrOverflow);
        return T(n);
    }
    const double d = roundHalfEven(asNumber(v));
    if (d < double(std::numeric_limits<T>::min()) || d > double(std::numeric_limits<T>::max()))
        throw ControlError(ErrOverflow);
    return T(d);
}

} // namespace

double roundHalfEven(double x)
{
    if (!std::isfinite(x))
        return x;
    const double r = std::nearbyint(x); // default rounding mode is to nearest, ties to even
    return r;
}

qint16 toInteger(const QVariant& v) { return wholeNumber<qint16>(v); }

qint32 toLong(const QVariant& v) { return wholeNumber<qint32>(v); }

double toDouble(const QVariant& v) { return asNumber(v); }

bool toBoolean(const QVariant& v)
{
    if (v.typeId() == QMetaType::Bool)
        return v.toBool();
    return asNumber(v) != 0;
}

QString toString(const QVariant& v)
{
    if (!v.isValid() || v.isNull())
        return QString();
    const int t = v.typeId();
    if (t == QMetaType::QString)
        return v.toString();
    if (t == QMetaType::Bool)
        return v.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    if (isIntegral(t))
        return QString::number(v.toLongLong());
    if (t == QMetaType::Double || t == QMetaType::Float)
        return QLocale().toString(v.toDouble(), 'g', 15);
    throw ControlError(ErrTypeMismatch);
}

OleColor toColor(const QVariant& v)
{
    double d;
    if (isIntegral(v.typeId()) && v.typeId() != QMetaType::ULongLong)
        d = double(v.toLongLong());
    else
        d = roundHalfEven(asNumber(v));
    if (d < double(std::numeric_limits<qint32>::min()) || d > double(std::numeric_limits<quint32>::max()))
        throw ControlError(ErrOverflow);
    return OleColor(quint32(qint64(d)));
}

FontDesc toFont(const QVariant& v)
{
    if (v.typeId() == qMetaTypeId<FontDesc>())
        return v.value<FontDesc>();
    throw ControlError(ErrObjectRequired);
}

} // namespace zev::VariantConvert
