#include "testkit/TestPropertyBag.h"

#include "framework/MemoryPropertyBag.h"

namespace zev {

TestPropertyBag::TestPropertyBag() : bag_(std::make_unique<MemoryPropertyBag>()) {}

TestPropertyBag::TestPropertyBag(const TestPropertyBag& other) : bag_(std::make_unique<MemoryPropertyBag>(*other.bag_)) {}

TestPropertyBag& TestPropertyBag::operator=(const TestPropertyBag& other)
{
    *bag_ = *other.bag_;
    return *this;
}

TestPropertyBag::~TestPropertyBag() = default;

QVariant TestPropertyBag::ReadProperty(const QString& key, const QVariant& defaultValue) const
{
    return bag_->ReadProperty(key, defaultValue);
}

void TestPropertyBag::WriteProperty(const QString& key, const QVariant& value, const QVariant& defaultValue)
{
    bag_->WriteProperty(key, value, defaultValue);
}

bool TestPropertyBag::contains(const QString& key) const { return bag_->contains(key); }

QVariant TestPropertyBag::value(const QString& key) const { return bag_->ReadProperty(key); }

QStringList TestPropertyBag::keys() const { return bag_->keys(); }

int TestPropertyBag::size() const { return bag_->size(); }

void TestPropertyBag::insert(const QString& key, const QVariant& value) { bag_->insert(key, value); }

void TestPropertyBag::remove(const QString& key) { bag_->remove(key); }

void TestPropertyBag::clear() { bag_->clear(); }

} // namespace zev
