#pragma once

#include "daterange/ZEVDateRange.h"
#include "qt/ZEVControlWidget.h"

#include <QDateTime>

namespace zev {

class ComboBox;
class DateTimePicker;
class Label;

// The date range as a QWidget: Appearance and BackColor, the control's two
// properties, and its four widget accessors. The control raises no events.
//
// The period is what the user picks, so it is what the widget offers as its
// value: PeriodStart (the USER property) and PeriodEnd read and write the
// pickers dtpInicio and dtpFim (an invalid QDateTime is Null, no date). They
// are not properties of the control, are not saved with a form and do not
// appear in Designer. Writing one sets its picker and selects
// "<===== Customizado ====>", as the user's own edit of a picker does; a
// QDataWidgetMapper binds a start column to the USER property and an end
// column by addMapping(widget, section, "PeriodEnd").
//
// "Today" comes from a Clock: the system's, or one the host supplies. Passed
// to the constructor it also governs the preset the control applies when it
// initializes; setClock governs the choices after.
class ZEVDateRangeWidget : public ZEVControlWidget {
    Q_OBJECT
    Q_PROPERTY(int Appearance READ Appearance WRITE setAppearance NOTIFY AppearanceChanged)
    Q_PROPERTY(QColor BackColor READ BackColor WRITE setBackColor NOTIFY BackColorChanged)
    Q_PROPERTY(QDateTime PeriodStart READ PeriodStart WRITE setPeriodStart USER true DESIGNABLE false STORED false)
    Q_PROPERTY(QDateTime PeriodEnd READ PeriodEnd WRITE setPeriodEnd DESIGNABLE false STORED false)

public:
    explicit ZEVDateRangeWidget(QWidget* parent = nullptr, Start start = Start::Fresh,
                                std::shared_ptr<const Clock> clock = nullptr);

    ZEVDateRange& dateRange() const { return static_cast<ZEVDateRange&>(control()); }
    void setClock(std::shared_ptr<const Clock> clock) { dateRange().setClock(std::move(clock)); }

    DateTimePicker* Control_dtpInicio() const { return dateRange().Control_dtpInicio(); }
    void setControl_dtpInicio(DateTimePicker* widget) { dateRange().setControl_dtpInicio(widget); }
    DateTimePicker* Control_dtpFim() const { return dateRange().Control_dtpFim(); }
    void setControl_dtpFim(DateTimePicker* widget) { dateRange().setControl_dtpFim(widget); }
    ComboBox* Control_dtpCombo() const { return dateRange().Control_dtpCombo(); }
    void setControl_dtpCombo(ComboBox* widget) { dateRange().setControl_dtpCombo(widget); }
    Label* Control_lblLabel() const { return dateRange().Control_lblLabel(); }
    void setControl_lblLabel(Label* widget) { dateRange().setControl_lblLabel(widget); }

    int Appearance() const { return dateRange().Appearance(); }
    void setAppearance(int eaValor);
    QColor BackColor() const { return toQColor(dateRange().BackColor()); }
    void setBackColor(const QColor& ocValor);

    QDateTime PeriodStart() const;
    void setPeriodStart(const QDateTime& value);
    QDateTime PeriodEnd() const;
    void setPeriodEnd(const QDateTime& value);

Q_SIGNALS:
    void AppearanceChanged();
    void BackColorChanged();

private:
    DateTimePicker& picker(const QString& name) const;
    void setPeriod(const QString& name, const QDateTime& value);
};

} // namespace zev
