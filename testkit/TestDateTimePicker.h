#pragma once

#include "framework/DateTimePicker.h"
#include "testkit/TestWidgetBase.h"

namespace zev {

/// An in-memory date picker. Keeps Null (a null QDateTime) as a value; whole seconds only.
class TestDateTimePicker : public TestWidgetBase<DateTimePicker> {
public:
    /// The picker of @p design, served by @p host; no date at first.
    TestDateTimePicker(const WidgetDesign& design, TestHost* host) : TestWidgetBase<DateTimePicker>(design, host) {}

    QDateTime Value() const override { return value_; }
    void setValue(const QDateTime& value) override { value_ = wholeSeconds(value); }

    /// A date set by the user; raises Change.
    void userSetValue(const QDateTime& value)
    {
        value_ = wholeSeconds(value);
        raiseChange();
    }

    /// Drops the milliseconds and keeps the instant: rebuilding from the date and time would lose a UTC
    /// offset, and the hour of a repeated local hour.
    static QDateTime wholeSeconds(const QDateTime& v)
    {
        if (!v.isValid())
            return QDateTime();
        return v.addMSecs(-v.time().msec());
    }

private:
    QDateTime value_;
};

} // namespace zev
