#pragma once

#include <QDateTime>
#include <QDialog>
#include <QList>
#include <QString>
#include <memory>

namespace zev {

class Clock;

// The preset periods of the date range for a given "today", as the control
// itself evaluates them (a ZEVDateRangeWidget made for the purpose).
class DateRangePresetPreview {
public:
    struct Row {
        QString label;   // the combo's text
        QDateTime start; // invalid when the preset leaves the picker as it is
        QDateTime end;
    };
    // The 18 presets in the combo's order, for the clock's "now" (the system's by default).
    static QList<Row> rows(std::shared_ptr<const Clock> clock = nullptr);
};

// Shows the 18 preset periods for today, from Designer's task menu.
class DateRangePreviewDialog : public QDialog {
    Q_OBJECT

public:
    explicit DateRangePreviewDialog(const QLocale& locale, QWidget* parent = nullptr,
                                    std::shared_ptr<const Clock> clock = nullptr);
};

} // namespace zev
