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

/**
 * The date range (`ZEVDateRange`) as a QWidget: a combo of 18 preset periods
 * above a start and an end date picker. #Appearance and #BackColor are the
 * control's properties; the control raises no events.
 *
 * The period is what the user picks, so it is what the widget offers as its
 * value: #periodStart (the USER property) and #periodEnd read and write the
 * pickers (an invalid QDateTime is no date), and periodChanged() follows every
 * change of either end. Writing an end selects `"<===== Customizado ====>"`, as
 * the user's own edit of a picker does. #period is the preset chosen in the
 * combo (#Today when the widget is made); writing it applies the preset, as
 * the user's choice does. None of these is saved with the control's
 * properties; a .ui file keeps #period. A mapper binds the end with
 * `addMapping(range, section, "periodEnd")`.
 *
 * Failures: a write throws ControlError, or with setReportsFailures(true)
 * goes to errorRaised() instead. A #period that is no Preset fails with 380;
 * so do an end before 1601-01-01 or after 9999-12-31 23:59:59 (an invalid
 * QDateTime is no date, not a failure) and a #BackColor that is not valid; an
 * #Appearance beyond the 16-bit range with 6.
 *
 * In either picker T sets today, + and - move a day, Page Up and Page Down
 * a month, each as the user's own edit (the combo turns to "Customizado");
 * the wheel turns a picker's date only while it has the focus.
 *
 * "Today" comes from a Clock: the system's, or one the host supplies (given
 * to the constructor it also governs the preset applied at the start, and
 * the pickers' T key).
 */
class ZEV_QT_EXPORT ZEVDateRangeWidget : public ZEVControlWidget {
    Q_OBJECT
    /// The look of the preset combo (the pickers keep theirs); default ZEVControlWidget::Flat. A value beyond
    /// the 16-bit range fails with 6.
    Q_PROPERTY(zev::ZEVControlWidget::AppearanceStyle Appearance READ Appearance WRITE setAppearance NOTIFY AppearanceChanged)
    /// The colour of the control's surface and of the "a" between the pickers (not of the combo or the
    /// pickers); default the button face (system colour 0x8000000F).
    Q_PROPERTY(QColor BackColor READ BackColor WRITE setBackColor NOTIFY BackColorChanged)
    /// The preset chosen in the combo; #Today when the widget is made. Writing it selects the preset and sets
    /// both pickers to its period, as the user's choice does. Not saved with the control (a .ui file keeps it).
    Q_PROPERTY(Preset period READ period WRITE setPeriod NOTIFY periodChanged)
    /// The USER property: the start picker's date-time, an invalid QDateTime for no date. Writing it selects
    /// #Custom. Not saved with the control.
    Q_PROPERTY(QDateTime periodStart READ periodStart WRITE setPeriodStart NOTIFY periodChanged USER true DESIGNABLE false STORED false)
    /// The end picker's date-time, an invalid QDateTime for no date. Writing it selects #Custom. Not saved
    /// with the control.
    Q_PROPERTY(QDateTime periodEnd READ periodEnd WRITE setPeriodEnd NOTIFY periodChanged DESIGNABLE false STORED false)

public:
    /// The presets, in the combo's order. Each period runs from 00:00:00 on its first day to 23:59:59 on
    /// its last, counted from today; a week runs from Sunday to Saturday.
    enum Preset : qint32 {
        Custom = 0,       ///< `"<===== Customizado ====>"`: the pickers as the user set them.
        Today,            ///< `"<======== Hoje ========>"`: today.
        ThisWeek,         ///< `"<===== Essa Semana ====>"`: this week, Sunday to Saturday.
        ThisMonth,        ///< `"<====== Esse Mês ======>"`: this month, first to last day.
        YesterdayToToday, ///< `"Ontem     <==>      Hoje"`: yesterday to today.
        Last7Days,        ///< `"-7  Dias  <==>      Hoje"`: 7 days ago to today.
        Last15Days,       ///< `"-15 Dias  <==>      Hoje"`: 15 days ago to today.
        Last30Days,       ///< `"-30 Dias  <==>      Hoje"`: 30 days ago to today.
        Last60Days,       ///< `"-60 Dias  <==>      Hoje"`: 60 days ago to today.
        TodayToTomorrow, ///< `"Hoje      <==>    Amanhã"`: today to tomorrow.
        Next7Days,       ///< `"Hoje      <==>   +7 Dias"`: today to 7 days on.
        Next15Days,      ///< `"Hoje      <==>  +15 Dias"`: today to 15 days on.
        Next30Days,      ///< `"Hoje      <==>  +30 Dias"`: today to 30 days on.
        Next60Days,      ///< `"Hoje      <==>  +60 Dias"`: today to 60 days on.
        Around7Days, ///< `"-7  Dias  <==>   +7 Dias"`: 7 days ago to 7 days on.
        Around15Days, ///< `"-15 Dias  <==>  +15 Dias"`: 15 days ago to 15 days on.
        Around30Days, ///< `"-30 Dias  <==>  +30 Dias"`: 30 days ago to 30 days on.
        Around60Days, ///< `"-60 Dias  <==>  +60 Dias"`: 60 days ago to 60 days on.
    };
    Q_ENUM(Preset)

    /// A working date range on #Today, as newly placed on a form. "Today" is
    /// read from @p clock (nullptr: the system's local clock), which also
    /// decides the first preset's period.
    explicit ZEVDateRangeWidget(QWidget* parent = nullptr, std::shared_ptr<const Clock> clock = nullptr);

    /// The control, with the documented names and types.
    ZEVDateRange& dateRange() const;
    /// Where "today" comes from from now on (nullptr: the system's local
    /// clock); the pickers' T key and the presets chosen later use it.
    void setClock(std::shared_ptr<const Clock> clock);

    /// The start picker (`dtpInicio`).
    QDateTimeEdit* Control_dtpInicio() const;
    /// The end picker (`dtpFim`).
    QDateTimeEdit* Control_dtpFim() const;
    /// The preset combo (`cboFiltro`, in Courier New 8.25 so the labels line up).
    QComboBox* Control_dtpCombo() const;
    /// The "a" between the pickers (`lblLabel`).
    QLabel* Control_lblLabel() const;

    /** @{ */
    /// Reads and writes #Appearance.
    AppearanceStyle Appearance() const;
    void setAppearance(AppearanceStyle appearance);
    /** @} */
    /** @{ */
    /// Reads and writes #BackColor.
    QColor BackColor() const;
    void setBackColor(const QColor& backColor);
    /** @} */

    /** @{ */
    /// Reads and writes #period.
    Preset period() const;
    void setPeriod(Preset preset);
    /** @} */
    /** @{ */
    /// Reads and writes #periodStart.
    QDateTime periodStart() const;
    void setPeriodStart(const QDateTime& start);
    /** @} */
    /** @{ */
    /// Reads and writes #periodEnd.
    QDateTime periodEnd() const;
    void setPeriodEnd(const QDateTime& end);
    /** @} */

Q_SIGNALS:
    /// #Appearance was written (by the program or a saved form).
    void AppearanceChanged();
    /// #BackColor was written by the program.
    void BackColorChanged();
    /// Either end of the period or the chosen preset changed: the user's edit,
    /// a preset applied, or a write of #period, #periodStart or #periodEnd
    /// (one signal for each picker and the combo that changed).
    void periodChanged();
};

} // namespace zev
