#include "migrate/LegacyForm.h"

namespace zev {

namespace {
// Names compare without case, as the legacy language does.
template <typename List>
auto byName(const List& list, const QString& name) -> decltype(&list.first())
{
    for (const auto& item : list) {
        if (item.name.compare(name, Qt::CaseInsensitive) == 0)
            return &item;
    }
    return nullptr;
}
} // namespace

bool LegacyValue::asColor(quint32* out) const
{
    if (kind == Color) {
        *out = color;
        return true;
    }
    if (kind == Number && number >= -2147483648.0 && number <= 4294967295.0 && number == double(qint64(number))) {
        *out = quint32(qint64(number));
        return true;
    }
    return false;
}

bool LegacyValue::asBool(bool* out) const
{
    if (kind == Number) {
        *out = number != 0;
        return true;
    }
    if (kind == Word && (text.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0
                         || text.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)) {
        *out = text.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0;
        return true;
    }
    return false;
}

const LegacyProperty* LegacyGroup::property(const QString& propertyName) const { return byName(properties, propertyName); }

const LegacyProperty* LegacyObject::property(const QString& propertyName) const { return byName(properties, propertyName); }

const LegacyGroup* LegacyObject::group(const QString& groupName) const { return byName(groups, groupName); }

QString LegacyForm::formName() const
{
    for (const auto& [key, value] : attributes) {
        if (key.compare(QLatin1String("VB_Name"), Qt::CaseInsensitive) == 0 && !value.isEmpty())
            return value;
    }
    return form.name;
}

} // namespace zev
