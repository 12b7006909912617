#include "framework/MemoryPropertyBag.h"

#include "framework/Font.h"

#include <cmath>

namespace zev {

namespace {
bool isNumber(const QVariant& v)
{
    switch (v.typeId()) {
    case QMetaType::Short: case QMetaType::UShort: case QMetaType::Int: case QMetaType::UInt:
    case QMetaType::Long: case QMetaType::ULong: case QMetaType::LongLong: case QMetaType::ULongLong:
    case QMetaType::Double: case QMetaType::Float: case QMetaType::Char: case QMetaType::SChar:
    case QMetaType::UChar:
        return true;
    default:
        return false;
    }
}
} // namespace

bool samePropertyValue(const QVariant& a, const QVariant& b)
{
    if (!a.isValid() || !b.isValid())
        return a.isValid() == b.isValid();
    if (isNumber(a) && isNumber(b)) {
        const bool integral = a.typeId() != QMetaType::Double && a.typeId() != QMetaType::Float
            && b.typeId() != QMetaType::Double && b.typeId() != QMetaType::Float;
        if (integral) {
            // Colours are stored as Long; compare their 32-bit patterns too.
            const qlonglong x = a.toLongLong(), y = b.toLongLong();
            return x == y || ((x & 0xFFFFFFFFll) == (y & 0xFFFFFFFFll) && x >= INT32_MIN && y >= INT32_MIN
                              && x <= UINT32_MAX && y <= UINT32_MAX);
        }
        const double x = a.toDouble(), y = b.toDouble();
        return x == y;
    }
    if (a.typeId() != b.typeId())
        return false;
    if (a.typeId() == QMetaType::QString)
        return a.toString() == b.toString();
    if (a.typeId() == QMetaType::Bool)
        return a.toBool() == b.toBool();
    if (a.canConvert<FontDesc>() && a.typeId() == qMetaTypeId<FontDesc>())
        return a.value<FontDesc>() == b.value<FontDesc>();
    return a == b;
}

QVariant MemoryPropertyBag::ReadProperty(const QString& key, const QVariant& defaultValue) const
{
    const auto it = values_.constFind(key);
    return it == values_.constEnd() ? defaultValue : it.value();
}

void MemoryPropertyBag::WriteProperty(const QString& key, const QVariant& value, const QVariant& defaultValue)
{
    if (defaultValue.isValid() && samePropertyValue(value, defaultValue)) {
        // An earlier save may have stored another value under the key.
        remove(key);
        return;
    }
    insert(key, value);
}

void MemoryPropertyBag::insert(const QString& key, const QVariant& value)
{
    if (!values_.contains(key))
        order_.append(key);
    values_.insert(key, value);
}

void MemoryPropertyBag::remove(const QString& key)
{
    if (values_.remove(key) > 0)
        order_.removeOne(key);
}

void MemoryPropertyBag::clear()
{
    values_.clear();
    order_.clear();
}

} // namespace zev
