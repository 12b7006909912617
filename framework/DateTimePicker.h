#pragma once

#include "framework/Widget.h"
#include "framework/ZEVCoreExport.h"

#include <QDateTime>

namespace zev {

/// A date picker. Value is a local date-time with one-second resolution; a null QDateTime stands for Null (no
/// date). Writes of Value raise no Change; a date set by the user does.
class ZEV_CORE_EXPORT DateTimePicker : public Widget {
public:
    /// WidgetKind::DateTimePicker.
    WidgetKind Kind() const override { return WidgetKind::DateTimePicker; }

    /// The date-time shown; a null QDateTime for no date.
    virtual QDateTime Value() const = 0;
    /// Shows @p value (a null QDateTime: no date); raises no Change.
    virtual void setValue(const QDateTime& value) = 0;

    /// Run when the user changed the date; set by the control.
    std::function<void()> onChange;
    /// Drops every handler, the change one too.
    void clearHandlers() override
    {
        Widget::clearHandlers();
        onChange = nullptr;
    }
    /// Runs onChange, if set: the widget layer calls it when the user changed the date.
    void raiseChange() { if (onChange) onChange(); }
};

} // namespace zev
