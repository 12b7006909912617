#pragma once

#include <QtDesigner/QDesignerTaskMenuExtension>
#include <QtDesigner/QExtensionFactory>

#include <QPointer>

class QAction;
class QDesignerFormEditorInterface;

namespace zev {

class ZEVDateRangeWidget;
class ZEVNumericWidget;

// "Editar formato…" on a ZEVNumeric: Format and CustomFormat in a dialog with a
// live preview; the change goes through the form's cursor, one undo step.
class ZEVNumericTaskMenu : public QObject, public QDesignerTaskMenuExtension {
    Q_OBJECT
    Q_INTERFACES(QDesignerTaskMenuExtension)

public:
    ZEVNumericTaskMenu(ZEVNumericWidget* widget, QObject* parent);
    QAction* preferredEditAction() const override;
    QList<QAction*> taskActions() const override;

private:
    void edit();
    QPointer<ZEVNumericWidget> widget_;
    QAction* edit_;
};

// "Ver períodos de hoje…" on a ZEVDateRange: the 18 presets evaluated for today.
class ZEVDateRangeTaskMenu : public QObject, public QDesignerTaskMenuExtension {
    Q_OBJECT
    Q_INTERFACES(QDesignerTaskMenuExtension)

public:
    ZEVDateRangeTaskMenu(ZEVDateRangeWidget* widget, QObject* parent);
    QList<QAction*> taskActions() const override;

private:
    void preview();
    QPointer<ZEVDateRangeWidget> widget_;
    QAction* preview_;
};

class ZEVTaskMenuFactory : public QExtensionFactory {
    Q_OBJECT

public:
    explicit ZEVTaskMenuFactory(QExtensionManager* parent);

protected:
    QObject* createExtension(QObject* object, const QString& iid, QObject* parent) const override;
};

// Sorts the controls' properties in Designer's property editor into
// "ZEV: Dados" and "ZEV: Aparência", for every form open now and later.
void installPropertyGroups(QDesignerFormEditorInterface* core);

} // namespace zev
