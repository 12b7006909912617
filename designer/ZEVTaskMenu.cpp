#include "designer/ZEVTaskMenu.h"

#include "designer/DateRangePreviewDialog.h"
#include "designer/NumericFormatDialog.h"
#include "qt/ZEVDateRangeWidget.h"
#include "qt/ZEVNumericWidget.h"

#include <QtDesigner/QDesignerFormEditorInterface>
#include <QtDesigner/QDesignerFormWindowCursorInterface>
#include <QtDesigner/QDesignerFormWindowInterface>
#include <QtDesigner/QDesignerFormWindowManagerInterface>
#include <QtDesigner/QDesignerPropertySheetExtension>
#include <QtDesigner/QExtensionManager>

#include <QAction>
#include <QMetaProperty>

namespace zev {

namespace {

// The form's locale: the top-level widget's `locale` property.
QLocale formLocale(QWidget* widget)
{
    if (QDesignerFormWindowInterface* fw = QDesignerFormWindowInterface::findFormWindow(widget))
        if (QWidget* main = fw->mainContainer())
            return main->locale();
    return widget->locale();
}

} // namespace

ZEVNumericTaskMenu::ZEVNumericTaskMenu(ZEVNumericWidget* widget, QObject* parent)
    : QObject(parent), widget_(widget), edit_(new QAction(QStringLiteral("Editar formato…"), this))
{
    connect(edit_, &QAction::triggered, this, &ZEVNumericTaskMenu::edit);
}

QAction* ZEVNumericTaskMenu::preferredEditAction() const { return edit_; }

QList<QAction*> ZEVNumericTaskMenu::taskActions() const { return {edit_}; }

void ZEVNumericTaskMenu::edit()
{
    if (!widget_)
        return;
    QDesignerFormWindowInterface* fw = QDesignerFormWindowInterface::findFormWindow(widget_);
    NumericFormatDialog dialog(widget_->Format(), widget_->CustomFormat(), widget_->Text(), formLocale(widget_),
                               fw ? static_cast<QWidget*>(fw) : widget_.data());
    if (dialog.exec() != QDialog::Accepted || !widget_)
        return;
    if (!fw) {
        widget_->setFormat(dialog.format());
        if (dialog.format() == ZEVNumericWidget::CustomFormatation)
            widget_->setCustomFormat(dialog.pattern());
        return;
    }
    // Through the cursor, as the property editor writes: undoable, and the
    // property sheet marks the properties changed so the .ui keeps them.
    fw->beginCommand(QStringLiteral("Editar formato"));
    fw->cursor()->setWidgetProperty(widget_, QStringLiteral("Format"), int(dialog.format()));
    if (dialog.format() == ZEVNumericWidget::CustomFormatation)
        fw->cursor()->setWidgetProperty(widget_, QStringLiteral("CustomFormat"), dialog.pattern());
    fw->endCommand();
}

ZEVDateRangeTaskMenu::ZEVDateRangeTaskMenu(ZEVDateRangeWidget* widget, QObject* parent)
    : QObject(parent), widget_(widget), preview_(new QAction(QStringLiteral("Ver períodos de hoje…"), this))
{
    connect(preview_, &QAction::triggered, this, &ZEVDateRangeTaskMenu::preview);
}

QList<QAction*> ZEVDateRangeTaskMenu::taskActions() const { return {preview_}; }

void ZEVDateRangeTaskMenu::preview()
{
    if (!widget_)
        return;
    QDesignerFormWindowInterface* fw = QDesignerFormWindowInterface::findFormWindow(widget_);
    DateRangePreviewDialog dialog(formLocale(widget_), fw ? static_cast<QWidget*>(fw) : widget_.data());
    dialog.exec();
}

ZEVTaskMenuFactory::ZEVTaskMenuFactory(QExtensionManager* parent) : QExtensionFactory(parent) {}

QObject* ZEVTaskMenuFactory::createExtension(QObject* object, const QString& iid, QObject* parent) const
{
    if (iid != QLatin1String(Q_TYPEID(QDesignerTaskMenuExtension)))
        return nullptr;
    if (auto* numeric = qobject_cast<ZEVNumericWidget*>(object))
        return new ZEVNumericTaskMenu(numeric, parent);
    if (auto* range = qobject_cast<ZEVDateRangeWidget*>(object))
        return new ZEVDateRangeTaskMenu(range, parent);
    return nullptr;
}

namespace {

QString groupOf(const QString& property)
{
    if (property.contains(QLatin1String("Color")) || property.startsWith(QLatin1String("Font"))
        || property.endsWith(QLatin1String("Font")) || property == QLatin1String("Appearance")
        || property == QLatin1String("ShowF3") || property == QLatin1String("Locked"))
        return QStringLiteral("ZEV: Aparência");
    return QStringLiteral("ZEV: Dados");
}

void groupProperties(QDesignerFormEditorInterface* core, QWidget* widget)
{
    auto* control = qobject_cast<ZEVControlWidget*>(widget);
    if (!control)
        return;
    auto* sheet = qt_extension<QDesignerPropertySheetExtension*>(core->extensionManager(), widget);
    if (!sheet)
        return;
    const QMetaObject* meta = widget->metaObject();
    for (int i = ZEVControlWidget::staticMetaObject.propertyCount(); i < meta->propertyCount(); ++i) {
        const QString name = QLatin1String(meta->property(i).name());
        const int index = sheet->indexOf(name);
        if (index >= 0 && sheet->isVisible(index))
            sheet->setPropertyGroup(index, groupOf(name));
    }
}

void watch(QDesignerFormEditorInterface* core, QDesignerFormWindowInterface* fw)
{
    QObject::connect(fw, &QDesignerFormWindowInterface::widgetManaged, fw,
                     [core](QWidget* w) { groupProperties(core, w); });
}

} // namespace

void installPropertyGroups(QDesignerFormEditorInterface* core)
{
    QDesignerFormWindowManagerInterface* manager = core ? core->formWindowManager() : nullptr;
    if (!manager)
        return;
    for (int i = 0; i < manager->formWindowCount(); ++i)
        watch(core, manager->formWindow(i));
    QObject::connect(manager, &QDesignerFormWindowManagerInterface::formWindowAdded, manager,
                     [core](QDesignerFormWindowInterface* fw) { watch(core, fw); });
}

} // namespace zev
