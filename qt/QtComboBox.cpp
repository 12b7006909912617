#include "qt/QtComboBox.h"

#include "qt/QtColors.h"
#include "qt/QtControlHost.h"
#include "qt/QtFonts.h"

#include <QEvent>
#include <utility>

namespace zev {

namespace {
// A list entry carries its primary key after a run of spaces (300 in the
// list lookup) so that it shows as code and description only. The combo
// shows, and sizes its drop-down by, the part before that run; the whole
// entry is kept beside it and is what the contract's members read.
constexpr int EntryRole = Qt::UserRole + 1;

QString shownPart(const QString& entry)
{
    static const QString run(16, QLatin1Char(' '));
    const qsizetype hidden = entry.indexOf(run);
    return hidden < 0 ? entry : entry.left(hidden);
}

QString entryAt(const QComboBox* c, int index)
{
    const QVariant whole = c->itemData(index, EntryRole);
    return whole.isValid() ? whole.toString() : c->itemText(index);
}
} // namespace

QtComboBox::QtComboBox(const WidgetDesign& design, const FontDesc& font, QWidget* parent, QtControlHost* host)
    : QtWidgetBase<ComboBox, QComboBox>(design.name, new QtPart<QComboBox>(parent), host), font_(font)
{
    QComboBox* c = widget();
    c->setEditable(false);
    if (design.backColor)
        backColor_ = *design.backColor;
    foreColor_ = design.foreColor;
    applyColors(); // now, before the list exists: painted later, the palette goes down to the list as well
    c->setFont(QtFonts::toQFont(font_.value()));
    font_.onChanged = [this] {
        if (QWidget* w = qwidget())
            w->setFont(QtFonts::toQFont(font_.value()));
    };
    // activated comes from the user only, even when the same item is chosen again.
    connectPart(c, &QComboBox::activated, [this] { guarded([this] { raiseClick(); }); });
}

QComboBox* QtComboBox::combo() const
{
    settle();
    return widget();
}

void QtComboBox::settle() const
{
    if (held_.isEmpty())
        return;
    QComboBox* c = widget();
    const QStringList items = std::exchange(held_, {});
    const int first = c->count();
    const int selected = c->currentIndex();
    QStringList shown;
    shown.reserve(items.size());
    for (const QString& item : items)
        shown << shownPart(item);
    c->insertItems(first, shown);
    for (int i = 0; i < items.size(); ++i)
        if (shown[i].size() != items[i].size())
            c->setItemData(first + i, items[i], EntryRole);
    if (c->currentIndex() != selected)
        c->setCurrentIndex(selected); // the first items of an empty QComboBox select one
}

void QtComboBox::releaseWrites() { settle(); }

QString QtComboBox::Text() const
{
    const QComboBox* c = combo();
    return c->currentIndex() >= 0 ? entryAt(c, c->currentIndex()) : QString();
}

void QtComboBox::selectQuietly(qint32 index)
{
    QComboBox* c = combo();
    if (c->currentIndex() != index)
        c->setCurrentIndex(index);
}

void QtComboBox::AddItem(const QString& item, std::optional<qint32> index)
{
    if (holdingWrites() && (!index || *index == widget()->count() + held_.size())) {
        newIndex_ = widget()->count() + qint32(held_.size());
        held_ << item;
        itemsChanged();
        return;
    }
    QComboBox* c = combo();
    const qint32 at = index.value_or(c->count());
    if (at < 0 || at > c->count())
        throw ControlError(ErrInvalidProcedureCall);
    const qint32 selected = c->currentIndex();
    const QString shown = shownPart(item);
    c->insertItem(at, shown);
    if (shown.size() != item.size())
        c->setItemData(at, item, EntryRole);
    selectQuietly(selected >= at ? selected + 1 : selected);
    newIndex_ = at;
    itemsChanged();
}

void QtComboBox::RemoveItem(qint32 index)
{
    QComboBox* c = combo();
    if (index < 0 || index >= c->count())
        throw ControlError(ErrInvalidProcedureCall);
    const qint32 selected = c->currentIndex();
    c->removeItem(index);
    selectQuietly(selected == index ? -1 : selected > index ? selected - 1 : selected);
    newIndex_ = -1;
    itemsChanged();
}

void QtComboBox::Clear()
{
    held_.clear();
    widget()->clear();
    newIndex_ = -1;
    itemsChanged();
}

void QtComboBox::itemsChanged()
{
    if (QtControlHost* host = controlHost())
        host->tellPartContentChanged();
}

QString QtComboBox::List(qint32 index) const
{
    const QComboBox* c = combo();
    return index >= 0 && index < c->count() ? entryAt(c, index) : QString();
}

void QtComboBox::setListIndex(qint32 index)
{
    QComboBox* c = combo();
    if (index < -1 || index >= c->count())
        throw ControlError(ErrInvalidPropertyValue);
    c->setCurrentIndex(index);
    raiseClick();
}

void QtComboBox::setAppearance(qint16 appearance)
{
    widget(); // fails as a write to a destroyed widget does
    // Kept, not drawn: the Qt style draws a part alike, flat or 3D.
    appearance_ = appearance;
}

void QtComboBox::setBackColor(OleColor color)
{
    backColor_ = color;
    recolor();
}

void QtComboBox::applyColors()
{
    QWidget* w = qwidget();
    if (!w)
        return;
    // The theme's text stays the theme's unless it would not read on a fixed background.
    constexpr QtColors::PartRoles roles{QPalette::Base, QPalette::Button, QPalette::Text, QPalette::ButtonText,
                                        QPalette::Button};
    writePalette(*w, QtColors::painted(w->palette(), roles, backColor_, foreColor_));
}

} // namespace zev
