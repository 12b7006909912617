#pragma once

#include "daterange/Clock.h"
#include "framework/ZEVCoreExport.h"

#include <QDateTime>
#include <QStringList>
#include <optional>

namespace zev {

class ComboBox;
class DateTimePicker;

// The preset periods of the date range control: the labels of its combo, and
// the start and end that a label stands for on a given day.
class ZEV_CORE_INTERNAL_EXPORT DateRangePresets {
public:
    // "<===== Customizado ====>": a period set by hand.
    static constexpr qint32 CustomIndex = 0;
    // "<======== Hoje ========>": selected when the presets are filled.
    static constexpr qint32 TodayIndex = 1;

    // The 18 labels, in combo order; each is 24 characters.
    static const QStringList& Labels();

    // The bounds a label yields; a side the label does not name stays empty.
    struct Range {
        std::optional<QDateTime> start;
        std::optional<QDateTime> end;
    };

    // Appends the labels to the combo and selects "<======== Hoje ========>"
    // (which raises the combo's Click).
    static void FillPresets(ComboBox& combo);

    // The period a label stands for when "now" is the given local date-time.
    // A label is recognised by its content, not by its place in the list.
    // Fails with 5 when now is not a valid date-time or a bound falls outside
    // the years 1 to 9999.
    static Range Evaluate(const QString& label, const QDateTime& now);

    // Evaluates the label at the clock's "now" and writes the start, then the
    // end, to the pickers. A side that the label does not name (all of
    // "<===== Customizado ====>") leaves its picker as it is.
    static void ApplyPreset(const QString& label, DateTimePicker& start, DateTimePicker& end, const Clock& clock);
};

} // namespace zev
