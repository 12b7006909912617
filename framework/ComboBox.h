#pragma once

#include "framework/Font.h"
#include "framework/OleColor.h"
#include "framework/Widget.h"
#include "framework/ZEVCoreExport.h"

#include <optional>

namespace zev {

// A drop-down list. A ListIndex write raises Click before it returns; so does a
// selection by the user. Indexes are 0-based, -1 for none.
class ZEV_CORE_EXPORT ComboBox : public Widget {
public:
    WidgetKind Kind() const override { return WidgetKind::ComboBox; }

    virtual QString Text() const = 0; // the selected item's text, empty for none
    // Appends, or inserts before index; an index outside 0..ListCount fails with 5.
    virtual void AddItem(const QString& item, std::optional<qint32> index = std::nullopt) = 0;
    virtual void RemoveItem(qint32 index) = 0; // an index outside the list fails with 5
    virtual void Clear() = 0;
    virtual QString List(qint32 index) const = 0; // empty outside the list
    virtual qint32 ListCount() const = 0;
    virtual qint32 ListIndex() const = 0;
    virtual void setListIndex(qint32 index) = 0; // outside -1..ListCount-1 fails with 380
    virtual qint32 NewIndex() const = 0;
    // Hands the items' texts to visit in list order, a run of consecutive items
    // per call, until visit returns false. The texts are valid during the call
    // only and visit must not change the list. Lets a caller scan a long list
    // without copying every item; a widget layer that holds its items in one
    // array overrides it and hands them over in one run.
    virtual void forEachItem(const std::function<bool(const QString* items, qint32 count)>& visit) const
    {
        for (qint32 i = 0, count = ListCount(); i < count; ++i) {
            const QString item = List(i);
            if (!visit(&item, 1))
                return;
        }
    }
    virtual qint16 Appearance() const = 0;
    virtual void setAppearance(qint16 appearance) = 0;
    virtual Font& font() = 0;
    virtual OleColor BackColor() const = 0;
    virtual void setBackColor(OleColor color) = 0;

    std::function<void()> onClick;
    void clearHandlers() override
    {
        Widget::clearHandlers();
        onClick = nullptr;
    }
    void raiseClick() { if (onClick) onClick(); }
};

} // namespace zev
