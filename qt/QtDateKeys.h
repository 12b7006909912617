#pragma once

#include <QDate>
#include <optional>

class QKeyEvent;

namespace zev {

// The keys that move a picker by whole days and months, as business users
// step through dates without reaching for the calendar: T today, + and -
// (main keyboard or keypad; "=" is "+" without the Shift on US and ABNT2
// layouts) one day, Page Down one month on and Page Up one month back.
namespace QtDateKeys {
// The date the key leads to from `from`, or nothing when it is none of these
// keys (or comes with Ctrl, Alt or Meta, which belong to shortcuts). From no
// date (an invalid `from`) every one of them starts at `today`. A month step
// keeps the day where the month has it, else takes the month's last day.
std::optional<QDate> target(const QKeyEvent& key, const QDate& from, const QDate& today);
} // namespace QtDateKeys

} // namespace zev
