#pragma once

#include "framework/Widget.h"
#include "framework/ZEVCoreExport.h"

#include <QDateTime>

namespace zev {

// A date picker. Value is a local date-time with one-second resolution; a null
// QDateTime stands for Null (no date). Writes of Value raise no Change; a date
// set by the user does.
class ZEV_CORE_EXPORT DateTimePicker : public Widget {
public:
    WidgetKind Kind() const override { return WidgetKind::DateTimePicker; }

    virtual QDateTime Value() const = 0;
    virtual void setValue(const QDateTime& value) = 0;

    std::function<void()> onChange;
    void clearHandlers() override
    {
        Widget::clearHandlers();
        onChange = nullptr;
    }
    void raiseChange() { if (onChange) onChange(); }
};

} // namespace zev
