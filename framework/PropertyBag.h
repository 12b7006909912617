#pragma once

#include "framework/ZEVCoreExport.h"

#include <QString>
#include <QVariant>

namespace zev {

/// The store a control saves its design-time properties into and loads them from. Values are QVariants of
/// qint16 (Integer), qint32 (Long, colours), double, QString, bool or FontDesc (a font object).
class ZEV_CORE_EXPORT PropertyBag {
public:
    /// Destroys the bag.
    virtual ~PropertyBag() = default;

    /// The value stored under @p key, else @p defaultValue.
    virtual QVariant ReadProperty(const QString& key, const QVariant& defaultValue = QVariant()) const = 0;
    /// A later ReadProperty of @p key returns @p value; a value equal to @p defaultValue is not stored.
    virtual void WriteProperty(const QString& key, const QVariant& value,
                               const QVariant& defaultValue = QVariant()) = 0;
};

/// True when two property values are the same value: numbers compare by value whatever their width, so a
/// qint16 0 equals a qint32 0 default.
ZEV_CORE_EXPORT bool samePropertyValue(const QVariant& a, const QVariant& b);

} // namespace zev
