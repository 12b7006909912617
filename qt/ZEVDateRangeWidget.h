#pragma once

#include "framework/ControlError.h"
#include "qt/ZEVControlWidget.h"

#include <QColor>
#include <QDateTime>
#include <memory>

class QComboBox;
class QDateTimeEdit;
class QLabel;

namespace zev {

class Clock;
class ZEVDateRange;

// The date range as a QWidget: a combo of 18 preset periods above a start and
// an end date picker. Appearance and BackColor are the control's properties.
//
// The period is what the user picks, so it is what the widget offers as its
// value: periodStart (the USER property) and periodEnd read and write the
// pickers (an invalid QDateTime is no date), and periodChanged follows every
// change of either end. Writing an end selects "<===== Customizado ====>", as
// the user's own edit of a picker does. `period` is the preset chosen in the
// combo; writing it applies the preset, as the user's choice does. None of
// these is saved with the control's properties; a .ui file keeps `period`.
// periodStart is the USER property; a mapper binds the end with
// addMapping(range, section, "periodEnd").
//
// Failures: a write throws ControlError, or with setReportsFailures(true)
// goes to errorRaised instead. A `period` that is no Preset fails with 380;
// so do an end before 1601-01-01 or after 9999-12-31 23:59:59 (an invalid
// QDateTime is no date, not a failure) and a BackColor that is not valid; an
// Appearance beyond the 16-bit range with 6.
//
// In either picker T sets today, + and - move a day, Page Up and Page Down
// a month, each as the user's own edit (the combo turns to "Customizado");
// the wheel turns a picker's date only while it has the focus.
//
// "Today" comes from a Clock: the system's, or one the host supplies (given
// to the constructor it also governs the preset applied at the start, and
// the pickers' T key).
class ZEV_QT_EXPORT ZEVDateRangeWidget : public ZEVControlWidget {
    Q_OBJECT
    Q_PROPERTY(zev::ZEVControlWidget::AppearanceStyle Appearance READ Appearance WRITE setAppearance NOTIFY AppearanceChanged)
    Q_PROPERTY(QColor BackColor READ BackColor WRITE setBackColor NOTIFY BackColorChanged)
    Q_PROPERTY(Preset period READ period WRITE setPeriod NOTIFY periodChanged)
    Q_PROPERTY(QDateTime periodStart READ periodStart WRITE setPeriodStart NOTIFY periodChanged USER true DESIGNABLE false STORED false)
    Q_PROPERTY(QDateTime periodEnd READ periodEnd WRITE setPeriodEnd NOTIFY periodChanged DESIGNABLE false STORED false)

public:
    // The presets, in the combo's order.
    enum Preset : qint32 {
        Custom = 0,       // "<===== Customizado ====>": the pickers as the user set them
        Today,            // "<======== Hoje ========>"
        ThisWeek,         // "<===== Essa Semana ====>"
        ThisMonth,        // "<====== Esse Mês ======>"
        YesterdayToToday, // "Ontem     <==>      Hoje"
        Last7Days,        // "-7  Dias  <==>      Hoje"
        Last15Days,
        Last30Days,
        Last60Days,
        TodayToTomorrow, // "Hoje      <==>    Amanhã"
        Next7Days,       // "Hoje      <==>   +7 Dias"
        Next15Days,
        Next30Days,
        Next60Days,
        Around7Days, // "-7  Dias  <==>   +7 Dias"
        Around15Days,
        Around30Days,
        Around60Days,
    };
    Q_ENUM(Preset)

    explicit ZEVDateRangeWidget(QWidget* parent = nullptr, std::shared_ptr<const Clock> clock = nullptr);

    // The control, with the documented names and types.
    ZEVDateRange& dateRange() const;
    void setClock(std::shared_ptr<const Clock> clock);

    // The parts, as Qt widgets.
    QDateTimeEdit* Control_dtpInicio() const;
    QDateTimeEdit* Control_dtpFim() const;
    QComboBox* Control_dtpCombo() const;
    QLabel* Control_lblLabel() const;

    AppearanceStyle Appearance() const;
    void setAppearance(AppearanceStyle appearance);
    QColor BackColor() const;
    void setBackColor(const QColor& backColor);

    Preset period() const;
    void setPeriod(Preset preset);
    QDateTime periodStart() const;
    void setPeriodStart(const QDateTime& start);
    QDateTime periodEnd() const;
    void setPeriodEnd(const QDateTime& end);

Q_SIGNALS:
    void AppearanceChanged();
    void BackColorChanged();
    void periodChanged();
};

} // namespace zev
