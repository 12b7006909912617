#pragma once

#include "framework/PropertyBag.h"

#include <QStringList>
#include <memory>

namespace zev {

class MemoryPropertyBag;

/// A property bag in memory, for a test that saves a control and loads what it saved into another, as a
/// container does with a form:
///
/// `first.WriteProperties(bag); second.ReadProperties(bag);` (or the widgets' writeProperties() and
/// readProperties()).
///
/// Keys keep the order of their first write; a value written equal to its default is not stored (and an
/// earlier one under the key goes).
class TestPropertyBag : public PropertyBag {
public:
    /// An empty bag.
    TestPropertyBag();
    /// A copy of @p other.
    TestPropertyBag(const TestPropertyBag& other);
    /// Becomes a copy of @p other.
    TestPropertyBag& operator=(const TestPropertyBag& other);
    /// Destroys the bag.
    ~TestPropertyBag() override;

    QVariant ReadProperty(const QString& key, const QVariant& defaultValue = QVariant()) const override;
    void WriteProperty(const QString& key, const QVariant& value,
                       const QVariant& defaultValue = QVariant()) override;

    /// Whether a value is stored under @p key.
    bool contains(const QString& key) const;
    /// The stored value, invalid where none is stored.
    QVariant value(const QString& key) const;
    /// The keys stored, in the order of their first write.
    QStringList keys() const;
    /// The number of keys stored.
    int size() const;
    /// Stores a value as it is, with no default test: a saved form made by hand.
    void insert(const QString& key, const QVariant& value);
    /// Removes the value under @p key.
    void remove(const QString& key);
    /// Removes every value.
    void clear();

private:
    std::unique_ptr<MemoryPropertyBag> bag_;
};

} // namespace zev
