#include "qt/ZEVPersistComboWidget.h"

#include "framework/ComboBox.h"
#include "persistcombo/CodeBatch.h"
#include "persistcombo/ZEVPersistCombo.h"
#include "qt/LookupWidgetParts.h"
#include "qt/QtCodeListPaste.h"
#include "qt/QtFlatEdit.h"

#include <QComboBox>
#include <QIcon>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <memory>

namespace zev {

namespace {
// The remove button's 16 x 16 icon: a red cross.
QIcon removeIcon()
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0xC0, 0x20, 0x20), 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(4, 4), QPointF(12, 12));
    p.drawLine(QPointF(12, 4), QPointF(4, 12));
    return QIcon(pixmap);
}

ComboBox& listing(const ZEVControlWidgetPrivate& d)
{
    auto* list = dynamic_cast<ComboBox*>(d.host->widget(QStringLiteral("cboListing")));
    if (!list)
        throw ControlError(ErrObjectRequired, QStringLiteral("no list cboListing"));
    return *list;
}
} // namespace

ZEVPersistComboWidget::ZEVPersistComboWidget(QWidget* parent) : ZEVControlWidget(ZEVPersistCombo::descriptor(), parent)
{
    ZEVControlWidgetPrivate& p = d();
    p.bindEvent(this, qOverload<>(&ZEVPersistComboWidget::AddItem));
    p.bindEvent(this, qOverload<>(&ZEVPersistComboWidget::RemoveItem));
    p.bindEvent(this, &ZEVPersistComboWidget::CodeChange);
    // The description and the list take the width a layout gives.
    lookup::bindLookup(this, p, &ZEVPersistComboWidget::persistCombo,
                       {QStringLiteral("txtDescription"), QStringLiteral("cboListing")});
    // itemAdded and itemRemoved come right after the documented events, with
    // the index as it was when the event was raised: a handler of the event
    // may change the list again.
    const auto addItem = p.typed.value(ZEVPersistCombo::EvAddItem);
    p.typed.insert(ZEVPersistCombo::EvAddItem, [this, addItem](QVariantList& arguments) {
        const int index = listing(d()).NewIndex();
        addItem(arguments);
        Q_EMIT itemAdded(index);
    });
    // The list's contract tells no removed index: the combo's model does.
    auto removedAt = std::make_shared<int>(-1);
    if (QComboBox* list = ControlListing())
        connect(list->model(), &QAbstractItemModel::rowsRemoved, this,
                [removedAt](const QModelIndex&, int first, int) { *removedAt = first; });
    const auto removeItem = p.typed.value(ZEVPersistCombo::EvRemoveItem);
    p.typed.insert(ZEVPersistCombo::EvRemoveItem, [this, removeItem, removedAt](QVariantList& arguments) {
        const int index = *removedAt;
        removeItem(arguments);
        Q_EMIT itemRemoved(index);
    });
    // A pasted column of codes is searched and added code by code, with one message at the end.
    if (QtFlatEdit* code = p.flatEdit(QStringLiteral("txtCode")))
        new QtCodeListPaste(*code, [this](const PastedCodes& codes) { d().report([&] { CodeBatch(persistCombo()).add(codes); }); });
    if (QPushButton* remove = ControlRemoveItem()) {
        remove->setIcon(removeIcon());
        remove->setIconSize(QSize(16, 16));
    }
}

ZEVPersistCombo& ZEVPersistComboWidget::persistCombo() const { return static_cast<ZEVPersistCombo&>(control()); }

QLineEdit* ZEVPersistComboWidget::ControlCode() const { return qobject_cast<QLineEdit*>(d().part(QStringLiteral("txtCode"))); }

QLineEdit* ZEVPersistComboWidget::ControlDescription() const { return qobject_cast<QLineEdit*>(d().part(QStringLiteral("txtDescription"))); }

QPushButton* ZEVPersistComboWidget::ControlSearch() const { return qobject_cast<QPushButton*>(d().part(QStringLiteral("cmdSearch"))); }

QComboBox* ZEVPersistComboWidget::ControlListing() const { return qobject_cast<QComboBox*>(d().part(QStringLiteral("cboListing"))); }

QPushButton* ZEVPersistComboWidget::ControlRemoveItem() const { return qobject_cast<QPushButton*>(d().part(QStringLiteral("cmdRemoveItem"))); }

void ZEVPersistComboWidget::AddItem(const QString& description, const QString& primaryKey, const QString& code, qint32 index)
{
    d().attempt([&] { persistCombo().AddItem(description, primaryKey, code, index); });
}

void ZEVPersistComboWidget::RemoveItem(qint32 index)
{
    d().attempt([&] { persistCombo().RemoveItem(index); });
}

QString ZEVPersistComboWidget::GetCode(qint16 index) const { return persistCombo().GetCode(index); }

QString ZEVPersistComboWidget::GetDescription(qint16 index) const { return persistCombo().GetDescription(index); }

QString ZEVPersistComboWidget::GetPkey(qint16 index) const { return persistCombo().GetPkey(index); }

int ZEVPersistComboWidget::count() const
{
    const ComboBox* list = persistCombo().ControlListing();
    return list ? list->ListCount() : 0;
}

QStringList ZEVPersistComboWidget::items() const
{
    QStringList entries;
    listing(d()).forEachItem([&](const QString* texts, qint32 n) {
        for (qint32 i = 0; i < n; ++i)
            entries.append(texts[i]);
        return true;
    });
    return entries;
}

void ZEVPersistComboWidget::setItems(const QStringList& entries)
{
    d().attempt([&] {
        // A mapper writes a record's list again when it refreshes: leave an equal list (and its selection) be.
        if (entries == items())
            return;
        // The host's own fill of the list: a record's entries are loaded, not added by the user.
        ComboBox& list = listing(d());
        list.Clear();
        for (const QString& entry : entries)
            list.AddItem(entry);
        list.setListIndex(list.ListCount() - 1);
    });
}

// The Q_PROPERTY accessors and the methods that pass to the control (qt/LookupWidgetParts.h).
ZEV_LOOKUP_SHARED(ZEVPersistComboWidget, persistCombo)
ZEV_LOOKUP_CODE_ROW(ZEVPersistComboWidget, persistCombo)
ZEV_LOOKUP_VALUE(ZEVPersistComboWidget, persistCombo, bool, AllowItemDuplication)
ZEV_LOOKUP_VALUE(ZEVPersistComboWidget, persistCombo, bool, ShowCodeInCombo)

} // namespace zev
