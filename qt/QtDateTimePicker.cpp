#include "qt/QtDateTimePicker.h"

#include "qt/QtColors.h"
#include "qt/QtDateKeys.h"
#include "qt/QtFonts.h"

#include <QCalendarWidget>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLocale>
#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <algorithm>

namespace zev {

namespace {
// Tab and Shift+Tab leave the picker, as they leave every other widget of a
// form; the day, month and year are reached with the arrow keys.
class PickerEdit : public QDateTimeEdit {
public:
    using QDateTimeEdit::QDateTimeEdit;

protected:
    // NOLINTNEXTLINE(bugprone-parent-virtual-call): QDateTimeEdit's own moves between the sections
    bool focusNextPrevChild(bool next) override { return QWidget::focusNextPrevChild(next); }
};

// The value that stands for Null: the edit's minimum, shown as its special (blank) text.
QDateTime nullValue() { return QDateTime(QDate(1600, 12, 31), QTime(0, 0, 0)); }

QDateTime wholeSeconds(const QDateTime& v)
{
    const QTime t = v.time();
    if (t.msec() == 0)
        return v; // a local date-time made again asks the time zone
    return QDateTime(v.date(), QTime(t.hour(), t.minute(), t.second()), v.timeSpec());
}

QString shortDateFormat()
{
    QString f = QLocale().dateFormat(QLocale::ShortFormat);
    if (!f.contains(QLatin1String("yyyy")))
        f.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return f;
}
} // namespace

namespace {
QDate firstDay() { return QDate(1601, 1, 1); }
QDate lastDay() { return QDate(9999, 12, 31); }
} // namespace

QDateTime QtDateTimePicker::earliest() { return QDateTime(firstDay(), QTime(0, 0, 0)); }
QDateTime QtDateTimePicker::latest() { return QDateTime(lastDay(), QTime(23, 59, 59)); }

QtDateTimePicker::QtDateTimePicker(const WidgetDesign& design, const FontDesc& font, QWidget* parent,
                                   QtControlHost* host)
    : QtWidgetBase<DateTimePicker, QDateTimeEdit>(design.name, new QtPart<PickerEdit>(parent), host), font_(font),
      foreColor_(design.foreColor), backColor_(design.backColor)
{
    QDateTimeEdit* e = widget();
    e->setTimeSpec(Qt::LocalTime);
    e->setDateTimeRange(nullValue(), latest());
    e->setSpecialValueText(QStringLiteral(" "));
    e->setDisplayFormat(shortDateFormat());
    e->setCalendarPopup(true);
    // Not the spin box's WheelFocus: a wheel turned over the form must not take the focus.
    e->setFocusPolicy(Qt::StrongFocus);
    write(QDateTime());
    recolor();
    e->setFont(QtFonts::toQFont(font_.value()));
    font_.onChanged = [this] {
        if (QWidget* w = qwidget())
            w->setFont(QtFonts::toQFont(font_.value()));
    };
    connectPart(e, &QDateTimeEdit::dateTimeChanged, [this] {
        if (programmatic_)
            return;
        ++changes_;
        guarded([this] { raiseChange(); });
    });
}

void QtDateTimePicker::applyColors()
{
    QWidget* w = qwidget();
    if (!w || (!foreColor_ && !backColor_))
        return;
    constexpr QtColors::PartRoles roles{QPalette::Base, QPalette::NoRole, QPalette::Text, QPalette::NoRole,
                                        QPalette::Base};
    writePalette(*w, QtColors::painted(w->palette(), roles, backColor_, foreColor_));
}

void QtDateTimePicker::setToday(std::function<QDate()> today)
{
    today_ = today ? std::move(today) : std::function<QDate()>(&QDate::currentDate);
}

// On the wall clock: the null value is the edit's minimum, and a local
// date-time compared as such asks the time zone (the picker asks at each event).
bool QtDateTimePicker::isNull() const
{
    if (held_)
        return !held_->isValid();
    const QDateTime v = widget()->dateTime();
    const QDate nullDay(1600, 12, 31);
    return v.date() < nullDay || (v.date() == nullDay && v.time() <= QTime(0, 0, 0));
}

QDateTime QtDateTimePicker::Value() const
{
    if (held_)
        return *held_;
    if (isNull())
        return QDateTime();
    return wholeSeconds(widget()->dateTime());
}

// An invalid value writes Null.
void QtDateTimePicker::write(const QDateTime& value)
{
    if (holdingWrites()) {
        widget(); // fails as a write to a destroyed widget does
        held_ = value;
        return;
    }
    show(value);
}

void QtDateTimePicker::show(const QDateTime& value)
{
    held_.reset();
    ++programmatic_;
    widget()->setDateTime(value.isValid() ? value : nullValue());
    --programmatic_;
}

void QtDateTimePicker::releaseWrites()
{
    if (held_)
        show(*held_);
}

void QtDateTimePicker::setValue(const QDateTime& value)
{
    if (!value.isValid()) {
        write(QDateTime());
        return;
    }
    const QDateTime v = wholeSeconds(value);
    // A local value on the wall clock (asked as instants, the zone is asked
    // for each): the bounds are whole days, with no clock change near them.
    const bool outside = v.timeSpec() == Qt::LocalTime
        ? v.date() < firstDay() || v.date() > lastDay()
        : v < earliest() || v > latest();
    if (outside)
        throw ControlError(ErrInvalidPropertyValue);
    write(v);
}

bool QtDateTimePicker::startFromToday(QEvent* event, bool passOn)
{
    const int before = changes_;
    write(QDateTime(today_(), QTime(0, 0, 0)));
    if (passOn) {
        dispatching_ = true;
        QCoreApplication::sendEvent(widget(), event);
        dispatching_ = false;
    }
    // Leaving Null is a change by the user, even when the key changed nothing more.
    if (changes_ == before)
        guarded([this] { raiseChange(); });
    return true;
}

bool QtDateTimePicker::moveByKey(const QKeyEvent& key)
{
    QDateTimeEdit* e = widget();
    const QDateTime from = Value();
    const std::optional<QDate> date = QtDateKeys::target(key, from.date(), today_());
    if (!date)
        return false;
    const QDateTime to(*date, from.isValid() ? from.time() : QTime(0, 0, 0));
    // A step past a bound does nothing (the edit would stop at the bound, and
    // its minimum stands for Null). Inside, the write is the user's edit: it
    // raises Change as typing would, once, and only when the date moves.
    if (to >= std::max(e->minimumDateTime(), earliest()) && to <= e->maximumDateTime())
        e->setDateTime(to);
    return true;
}

void QtDateTimePicker::openCalendar(QDateTimeEdit& edit)
{
    // The one public way in: a press on the drop-down arrow.
    QStyleOptionComboBox option;
    option.initFrom(&edit);
    option.editable = true;
    option.subControls = QStyle::SC_All;
    const QPointF arrow =
        edit.style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, &edit).center();
    QMouseEvent press(QEvent::MouseButtonPress, arrow, edit.mapToGlobal(arrow), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(&edit, &press);
}

bool QtDateTimePicker::filterEvent(QObject* watched, QEvent* event)
{
    QDateTimeEdit* e = qobject_cast<QDateTimeEdit*>(qwidget());
    if (!e || dispatching_)
        return false;
    // The calendar is made when the popup is about to open (a click or a
    // key), not with the picker: a form of many pickers opens at once.
    if (!calendar_ && watched == e
        && (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::KeyPress)) {
        calendar_ = e->calendarWidget();
        if (calendar_)
            watch(calendar_);
    }
    // Alt+Down (or F4) opens the calendar, as it opens any drop-down list;
    // QDateTimeEdit itself opens it only for the mouse.
    if (watched == e && event->type() == QEvent::KeyPress && e->calendarPopup() && e->isEnabled() && !e->isReadOnly()) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const auto mods = key->modifiers() & ~Qt::KeypadModifier;
        if ((key->key() == Qt::Key_Down && mods == Qt::AltModifier) || (key->key() == Qt::Key_F4 && mods == Qt::NoModifier)) {
            openCalendar(*e);
            return true;
        }
    }
    if (watched == e && event->type() == QEvent::KeyPress && e->isEnabled() && !e->isReadOnly()
        && moveByKey(*static_cast<QKeyEvent*>(event)))
        return true;
    // Over an unfocused picker the wheel scrolls the form: ignored here, the
    // event goes on to the parent widgets.
    if (watched == e && event->type() == QEvent::Wheel && !e->hasFocus()) {
        event->ignore();
        return true;
    }
    if (calendar_ && watched == calendar_) {
        // The calendar of an empty field opens on today, not on the minimum.
        if (event->type() == QEvent::Show && isNull()) {
            const QSignalBlocker quiet(calendar_.data());
            calendar_->setSelectedDate(today_());
        }
        return false;
    }
    if (watched != e || !isNull() || !e->isEnabled() || e->isReadOnly())
        return false;
    if (event->type() == QEvent::Wheel)
        return startFromToday(event, false);
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() & (Qt::AltModifier | Qt::ControlModifier | Qt::MetaModifier))
            return false; // Alt+Down opens the calendar; shortcuts are Qt's
        switch (key->key()) {
        case Qt::Key_Up: case Qt::Key_Down: case Qt::Key_PageUp: case Qt::Key_PageDown:
            return startFromToday(event, false);
        default:
            if (key->key() >= Qt::Key_0 && key->key() <= Qt::Key_9)
                return startFromToday(event, true);
            return false;
        }
    }
    return false;
}

} // namespace zev
