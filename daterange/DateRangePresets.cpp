#include "daterange/DateRangePresets.h"

#include "framework/modFunctions.h"

#include "framework/ComboBox.h"
#include "framework/ControlError.h"
#include "framework/DateTimePicker.h"

#include <algorithm>
#include <array>

namespace zev {

namespace {

enum class Side { Start, End };

// Blanks only: a tab or another space character is part of the word.
QString trimBlanks(const QString& s) { return modFunctions::TrimSpaces(s).toString(); }

// A local date-time that exists, found from the instants at which the local
// clock shows the date and time. Where a daylight-saving change skips the time
// (Sao Paulo moved its clocks from 00:00 to 01:00 until 2019) a start becomes
// the first second of that day and an end its last, so a preset never leaves a
// picker without a date; where the time comes twice, a start takes the first
// and an end the second, so the period is never shorter than its days. Where
// the whole day is skipped (Apia went from 2011-12-29 to 2011-12-31) either
// bound takes the first second after it, so a selection still gives a period.
QDateTime localTime(const QDate& date, const QTime& time, Side side)
{
    constexpr qint64 Day = qint64(24) * 60 * 60;
    const qint64 wall = QDateTime(date, time, Qt::UTC).toSecsSinceEpoch();
    // The offset in force at an instant, read off the local clock there
    // (offsetFromUtc would ask the time zone a second time).
    const auto offsetAt = [](qint64 instant) {
        const QDateTime local = QDateTime::fromSecsSinceEpoch(instant, Qt::LocalTime);
        return QDateTime(local.date(), local.time(), Qt::UTC).toSecsSinceEpoch() - instant;
    };
    std::optional<QDateTime> first;
    std::optional<QDateTime> last;
    std::array<qint64, 3> tried{};
    std::size_t count = 0;
    // The offsets in force a day either side cover any one change near the time.
    for (const qint64 probe : {wall - Day, wall, wall + Day}) {
        const qint64 offset = offsetAt(probe);
        if (std::find(tried.begin(), tried.begin() + count, offset) != tried.begin() + count)
            continue; // the same instant again
        tried[count++] = offset;
        const QDateTime t = QDateTime::fromSecsSinceEpoch(wall - offset, Qt::LocalTime);
        if (t.date() != date || t.time() != time)
            continue;
        if (!first || t < *first)
            first = t;
        if (!last || t > *last)
            last = t;
    }
    if (first)
        return side == Side::Start ? *first : *last;
    QDateTime edge = side == Side::Start ? date.startOfDay(Qt::LocalTime) : date.endOfDay(Qt::LocalTime);
    // A zone change skips one day at most; give up only on a broken zone.
    for (int next = 1; !edge.isValid() && next <= 2; ++next)
        edge = date.addDays(next).startOfDay(Qt::LocalTime);
    if (!edge.isValid())
        throw ControlError(ErrInvalidProcedureCall,
                           QStringLiteral("no local time on %1").arg(date.toString(Qt::ISODate)));
    return edge.addMSecs(-edge.time().msec());
}

// A bound: the reference date written with a template such as
// "yyyy-MM-31 23:59:59" and read back as a local date-time. The template
// fixes the day or the time where it names them literally.
QDateTime bound(const QDate& reference, const QString& pattern, Side side)
{
    const QString text = reference.toString(pattern);
    const qsizetype blank = text.indexOf(QLatin1Char(' '));
    const QDate date = QDate::fromString(text.left(blank), QStringLiteral("yyyy-MM-dd"));
    const QTime time = QTime::fromString(text.mid(blank + 1), QStringLiteral("HH:mm:ss"));
    if (blank < 0 || !date.isValid() || !time.isValid())
        throw ControlError(ErrInvalidProcedureCall, QStringLiteral("no date-time \"%1\"").arg(text));
    return localTime(date, time, side);
}

QDateTime dayStart(const QDate& day) { return bound(day, QStringLiteral("yyyy-MM-dd 00:00:00"), Side::Start); }
QDateTime dayEnd(const QDate& day) { return bound(day, QStringLiteral("yyyy-MM-dd 23:59:59"), Side::End); }

bool isLeapYear(const QDate& day)
{
    return QDate::fromString(day.toString(QStringLiteral("yyyy-02-29")), QStringLiteral("yyyy-MM-dd")).isValid();
}

QString lastDayPattern(const QDate& day)
{
    switch (day.month()) {
    case 4: case 6: case 9: case 11: return QStringLiteral("yyyy-MM-30 23:59:59");
    case 2:
        return isLeapYear(day) ? QStringLiteral("yyyy-MM-29 23:59:59") : QStringLiteral("yyyy-MM-28 23:59:59");
    default: return QStringLiteral("yyyy-MM-31 23:59:59");
    }
}

// Days back from today for the left word of a range label.
std::optional<int> daysBack(const QString& word)
{
    static const std::pair<QString, int> words[] = {
        {QStringLiteral("Ontem"), 1},     {QStringLiteral("-7  Dias"), 7},  {QStringLiteral("-15 Dias"), 15},
        {QStringLiteral("-30 Dias"), 30}, {QStringLiteral("-60 Dias"), 60}, {QStringLiteral("Hoje"), 0},
    };
    for (const auto& w : words)
        if (w.first == word)
            return w.second;
    return std::nullopt;
}

// Days ahead of today for the right word of a range label.
std::optional<int> daysAhead(const QString& word)
{
    static const std::pair<QString, int> words[] = {
        {QStringLiteral("Amanhã"), 1},    {QStringLiteral("+7 Dias"), 7},   {QStringLiteral("+15 Dias"), 15},
        {QStringLiteral("+30 Dias"), 30}, {QStringLiteral("+60 Dias"), 60}, {QStringLiteral("Hoje"), 0},
    };
    for (const auto& w : words)
        if (w.first == word)
            return w.second;
    return std::nullopt;
}

constexpr qsizetype WordWidth = 10;

} // namespace

const QStringList& DateRangePresets::Labels()
{
    // Courier New lines these up: a left word in 10 characters, "<==>", a
    // right word right-aligned in 10.
    static const QStringList labels = {
        QStringLiteral("<===== Customizado ====>"),
        QStringLiteral("<======== Hoje ========>"),
        QStringLiteral("<===== Essa Semana ====>"),
        QStringLiteral("<====== Esse Mês ======>"),
        QStringLiteral("Ontem     <==>      Hoje"),
        QStringLiteral("-7  Dias  <==>      Hoje"),
        QStringLiteral("-15 Dias  <==>      Hoje"),
        QStringLiteral("-30 Dias  <==>      Hoje"),
        QStringLiteral("-60 Dias  <==>      Hoje"),
        QStringLiteral("Hoje      <==>    Amanhã"),
        QStringLiteral("Hoje      <==>   +7 Dias"),
        QStringLiteral("Hoje      <==>  +15 Dias"),
        QStringLiteral("Hoje      <==>  +30 Dias"),
        QStringLiteral("Hoje      <==>  +60 Dias"),
        QStringLiteral("-7  Dias  <==>   +7 Dias"),
        QStringLiteral("-15 Dias  <==>  +15 Dias"),
        QStringLiteral("-30 Dias  <==>  +30 Dias"),
        QStringLiteral("-60 Dias  <==>  +60 Dias"),
    };
    return labels;
}

void DateRangePresets::FillPresets(ComboBox& combo)
{
    for (const QString& label : Labels())
        combo.AddItem(label);
    combo.setListIndex(TodayIndex);
}

DateRangePresets::Range DateRangePresets::Evaluate(const QString& label, const QDateTime& now)
{
    const QDateTime local = now.toLocalTime();
    if (!local.isValid())
        throw ControlError(ErrInvalidProcedureCall, QStringLiteral("the clock gave no date"));
    const QDate today = local.date();
    Range range;

    if (label.contains(QStringLiteral("= Hoje ="))) {
        range.start = dayStart(today);
        range.end = dayEnd(today);
    } else if (label.contains(QStringLiteral("= Essa Semana ="))) {
        const int weekday = today.dayOfWeek() % 7 + 1; // Sunday 1 to Saturday 7
        const QDate sunday = today.addDays(-(weekday - 1));
        range.start = dayStart(sunday);
        range.end = dayEnd(sunday.addDays(6));
    } else if (label.contains(QStringLiteral("= Esse Mês ="))) {
        range.start = bound(today, QStringLiteral("yyyy-MM-01 00:00:00"), Side::Start);
        range.end = bound(today, lastDayPattern(today), Side::End);
    } else {
        if (const auto back = daysBack(trimBlanks(label.left(WordWidth))))
            range.start = dayStart(today.addDays(-*back));
        if (const auto ahead = daysAhead(trimBlanks(label.right(WordWidth))))
            range.end = dayEnd(today.addDays(*ahead));
    }
    return range;
}

void DateRangePresets::ApplyPreset(const QString& label, DateTimePicker& start, DateTimePicker& end,
                                   const Clock& clock)
{
    // Both bounds are worked out before either picker changes, from one reading of the clock.
    const Range range = Evaluate(label, clock.Now());
    if (range.start)
        start.setValue(*range.start);
    if (range.end)
        end.setValue(*range.end);
}

} // namespace zev
