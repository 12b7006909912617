#pragma once

#include "framework/DateTimePicker.h"
#include "qt/QtAdapter.h"

#include <QCalendarWidget>
#include <QDateTimeEdit>
#include <QPointer>
#include <functional>
#include <optional>

class QKeyEvent;

namespace zev {

// A DateTimePicker over a QDateTimeEdit with a calendar drop-down, showing
// the date in the locale's short format with four-digit years. Null (no date)
// shows as an empty field; the first step, digit or wheel turn of the user in
// an empty field starts from today. Tab leaves the field (the arrow keys move
// between day, month and year). T, +, - and Page Up/Down move the date (see
// QtDateKeys) as the user's own edit, keeping the time of day. The wheel
// turns the date only while the picker has the focus; over an unfocused
// picker it scrolls the form. Dates run from 1601-01-01 to 9999-12-31; a
// Value outside fails with 380.
class QtDateTimePicker : public QtWidgetBase<DateTimePicker, QDateTimeEdit> {
public:
    QtDateTimePicker(const WidgetDesign& design, const FontDesc& font, QWidget* parent, QtControlHost* host);

    QDateTime Value() const override;
    void applyColors() override;

    void setValue(const QDateTime& value) override;

    static QDateTime earliest();
    static QDateTime latest();

    // Where the keys and the first step of an empty field find today; the
    // system's date unless the control has a clock of its own.
    void setToday(std::function<QDate()> today);

protected:
    bool filterEvent(QObject* watched, QEvent* event) override;
    void releaseWrites() override;

private:
    bool isNull() const;
    void write(const QDateTime& value);
    void show(const QDateTime& value);
    // The user starts a date in an empty field.
    bool startFromToday(QEvent* event, bool passOn);
    // A date key: true when the key is one, whether or not the date could move.
    bool moveByKey(const QKeyEvent& key);
    void openCalendar(QDateTimeEdit& edit);

    Font font_;
    std::function<QDate()> today_ = &QDate::currentDate;
    QPointer<QCalendarWidget> calendar_;
    int programmatic_ = 0;
    bool dispatching_ = false;
    int changes_ = 0;
    // The value while held (invalid: Null): each write to the edit parses and lays out its text again.
    std::optional<QDateTime> held_;
    // Colours a design gives; otherwise the theme's.
    std::optional<OleColor> foreColor_;
    std::optional<OleColor> backColor_;
};

} // namespace zev
