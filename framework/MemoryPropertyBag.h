#pragma once

#include "framework/PropertyBag.h"
#include "framework/ZEVCoreExport.h"

#include <QMap>
#include <QStringList>

namespace zev {

// A property bag held in memory, in key order of first write.
class ZEV_CORE_INTERNAL_EXPORT MemoryPropertyBag : public PropertyBag {
public:
    QVariant ReadProperty(const QString& key, const QVariant& defaultValue = QVariant()) const override;
    void WriteProperty(const QString& key, const QVariant& value,
                       const QVariant& defaultValue = QVariant()) override;

    bool contains(const QString& key) const { return values_.contains(key); }
    QStringList keys() const { return order_; }
    int size() const { return int(order_.size()); }
    // Stores a raw value, as a file loader or a test does; no default test.
    void insert(const QString& key, const QVariant& value);
    void remove(const QString& key);
    void clear();

private:
    QMap<QString, QVariant> values_;
    QStringList order_;
};

} // namespace zev
