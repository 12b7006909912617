#pragma once

#include "framework/Font.h"
#include "framework/OleColor.h"
#include "framework/Widget.h"
#include "framework/ZEVCoreExport.h"

#include <optional>

namespace zev {

/// A drop-down list. A ListIndex write raises Click before it returns; so does a selection by the user.
/// Indexes are 0-based, -1 for none.
class ZEV_CORE_EXPORT ComboBox : public Widget {
public:
    /// WidgetKind::ComboBox.
    WidgetKind Kind() const override { return WidgetKind::ComboBox; }

    virtual QString Text() const = 0; ///< The selected item's text, empty for none.
    /// Appends @p item, or inserts it before @p index; an index outside 0..ListCount fails with 5.
    virtual void AddItem(const QString& item, std::optional<qint32> index = std::nullopt) = 0;
    virtual void RemoveItem(qint32 index) = 0; ///< Removes the item at @p index; outside the list fails with 5.
    /// Removes every item.
    virtual void Clear() = 0;
    virtual QString List(qint32 index) const = 0; ///< The text of the item at @p index; empty outside the list.
    /// The number of items.
    virtual qint32 ListCount() const = 0;
    /// The selected item's index, -1 for none.
    virtual qint32 ListIndex() const = 0;
    /// Selects an item (-1: none) and raises Click; outside -1..ListCount-1 fails with 380.
    virtual void setListIndex(qint32 index) = 0;
    /// The index of the item added last.
    virtual qint32 NewIndex() const = 0;
    /// Hands the items' texts to @p visit in list order, a run of consecutive items per call, until visit
    /// returns false. The texts are valid during the call only and visit must not change the list. Lets a
    /// caller scan a long list without copying every item; a widget layer that holds its items in one array
    /// overrides it and hands them over in one run.
    virtual void forEachItem(const std::function<bool(const QString* items, qint32 count)>& visit) const
    {
        for (qint32 i = 0, count = ListCount(); i < count; ++i) {
            const QString item = List(i);
            if (!visit(&item, 1))
                return;
        }
    }
    /// The look: 0 flat, 1 three-dimensional.
    virtual qint16 Appearance() const = 0;
    /// Sets the look.
    virtual void setAppearance(qint16 appearance) = 0;
    /// The list's font object: changing it changes the list at once.
    virtual Font& font() = 0;
    /// The background colour.
    virtual OleColor BackColor() const = 0;
    /// Sets the background colour.
    virtual void setBackColor(OleColor color) = 0;

    /// Run when the selected item changed (by the user or a ListIndex write); set by the control.
    std::function<void()> onClick;
    /// Drops every handler, the click one too.
    void clearHandlers() override
    {
        Widget::clearHandlers();
        onClick = nullptr;
    }
    /// Runs onClick, if set.
    void raiseClick() { if (onClick) onClick(); }
};

} // namespace zev
