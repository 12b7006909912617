#include "migrate/UiForm.h"

namespace zev {

const UiProperty* UiWidget::property(const QString& propertyName) const
{
    for (const UiProperty& p : properties) {
        if (p.name == propertyName)
            return &p;
    }
    return nullptr;
}

void UiWidget::setProperty(const QString& propertyName, const QVariant& value, bool stdset)
{
    for (UiProperty& p : properties) {
        if (p.name == propertyName) {
            p.value = value;
            p.stdset = stdset;
            return;
        }
    }
    properties.append({propertyName, value, stdset});
}

namespace {
void collect(const UiWidget& w, QList<const UiWidget*>& out)
{
    out.append(&w);
    for (const UiWidget& c : w.children)
        collect(c, out);
}
} // namespace

QList<const UiWidget*> UiForm::all() const
{
    QList<const UiWidget*> out;
    collect(root, out);
    return out;
}

const UiWidget* UiForm::find(const QString& name) const
{
    for (const UiWidget* w : all()) {
        if (w->name == name)
            return w;
    }
    return nullptr;
}

} // namespace zev
