#pragma once

#include "framework/PropertyBag.h"

#include <QStringList>
#include <memory>

namespace zev {

class MemoryPropertyBag;

// A property bag in memory, for a test that saves a control and loads what
// it saved into another, as a container does with a form:
//
//     zev::TestPropertyBag bag;
//     first.WriteProperties(bag);        // or firstWidget.writeProperties(bag)
//     second.ReadProperties(bag);        // or secondWidget.readProperties(bag)
//
// Keys keep the order of their first write; a value written equal to its
// default is not stored (and an earlier one under the key goes).
class TestPropertyBag : public PropertyBag {
public:
    TestPropertyBag();
    TestPropertyBag(const TestPropertyBag& other);
    TestPropertyBag& operator=(const TestPropertyBag& other);
    ~TestPropertyBag() override;

    QVariant ReadProperty(const QString& key, const QVariant& defaultValue = QVariant()) const override;
    void WriteProperty(const QString& key, const QVariant& value,
                       const QVariant& defaultValue = QVariant()) override;

    bool contains(const QString& key) const;
    // The stored value, invalid where none is stored.
    QVariant value(const QString& key) const;
    QStringList keys() const;
    int size() const;
    // Stores a value as it is, with no default test: a saved form made by hand.
    void insert(const QString& key, const QVariant& value);
    void remove(const QString& key);
    void clear();

private:
    std::unique_ptr<MemoryPropertyBag> bag_;
};

} // namespace zev
