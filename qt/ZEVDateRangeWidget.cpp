#include "qt/ZEVDateRangeWidget.h"

#include "daterange/DateRangePresets.h"
#include "daterange/ZEVDateRange.h"
#include "framework/ComboBox.h"
#include "framework/DateTimePicker.h"
#include "qt/QtDateTimePicker.h"
#include "qt/ZEVControlWidget_p.h"

#include <QComboBox>
#include <QDateTimeEdit>
#include <QLabel>

namespace zev {

ZEVDateRangeWidget::ZEVDateRangeWidget(QWidget* parent, std::shared_ptr<const Clock> clock)
    : ZEVControlWidget(ZEVDateRange::descriptor(), parent, [clock = std::move(clock)](Control& c) {
          if (clock)
              static_cast<ZEVDateRange&>(c).setClock(clock);
      })
{
    d().hintHeight = ZEVControlWidgetPrivate::HintHeight::LowestPart;
    // The pickers' T key finds today where the presets do: on the control's clock.
    for (const char* name : {"dtpInicio", "dtpFim"})
        if (auto* picker = dynamic_cast<QtDateTimePicker*>(d().host->widget(QString::fromLatin1(name))))
            picker->setToday([this] { return dateRange().clock().Now().date(); });
    // Every change of an end, by the user, a preset or the program.
    for (QDateTimeEdit* picker : {Control_dtpInicio(), Control_dtpFim()})
        if (picker)
            connect(picker, &QDateTimeEdit::dateTimeChanged, this, &ZEVDateRangeWidget::periodChanged);
    if (QComboBox* combo = Control_dtpCombo())
        connect(combo, &QComboBox::currentIndexChanged, this, &ZEVDateRangeWidget::periodChanged);
}

ZEVDateRange& ZEVDateRangeWidget::dateRange() const { return static_cast<ZEVDateRange&>(control()); }

void ZEVDateRangeWidget::setClock(std::shared_ptr<const Clock> clock) { dateRange().setClock(std::move(clock)); }

QDateTimeEdit* ZEVDateRangeWidget::Control_dtpInicio() const
{
    return qobject_cast<QDateTimeEdit*>(d().part(QStringLiteral("dtpInicio")));
}

QDateTimeEdit* ZEVDateRangeWidget::Control_dtpFim() const
{
    return qobject_cast<QDateTimeEdit*>(d().part(QStringLiteral("dtpFim")));
}

QComboBox* ZEVDateRangeWidget::Control_dtpCombo() const
{
    return qobject_cast<QComboBox*>(d().part(QStringLiteral("cboFiltro")));
}

QLabel* ZEVDateRangeWidget::Control_lblLabel() const { return qobject_cast<QLabel*>(d().part(QStringLiteral("lblLabel"))); }

ZEVControlWidget::AppearanceStyle ZEVDateRangeWidget::Appearance() const
{
    return AppearanceStyle(dateRange().Appearance());
}

void ZEVDateRangeWidget::setAppearance(AppearanceStyle appearance)
{
    d().attempt([&] { dateRange().setAppearance(qint32(appearance)); });
}

QColor ZEVDateRangeWidget::BackColor() const { return ZEVControlWidgetPrivate::toQColor(dateRange().BackColor()); }

void ZEVDateRangeWidget::setBackColor(const QColor& backColor)
{
    d().writeColor(QStringLiteral("BackColor"), backColor, [this](OleColor c) { dateRange().setBackColor(c); });
}

namespace {
DateTimePicker& picker(const ZEVControlWidgetPrivate& d, const QString& name)
{
    auto* p = dynamic_cast<DateTimePicker*>(d.host->widget(name));
    if (!p)
        throw ControlError(ErrObjectRequired, QStringLiteral("no picker %1").arg(name));
    return *p;
}

ComboBox& presets(const ZEVControlWidgetPrivate& d)
{
    auto* c = dynamic_cast<ComboBox*>(d.host->widget(QStringLiteral("cboFiltro")));
    if (!c)
        throw ControlError(ErrObjectRequired, QStringLiteral("no combo cboFiltro"));
    return *c;
}
} // namespace

ZEVDateRangeWidget::Preset ZEVDateRangeWidget::period() const
{
    const qint32 index = presets(d()).ListIndex();
    return index < 0 ? Custom : Preset(index);
}

void ZEVDateRangeWidget::setPeriod(Preset preset)
{
    d().attempt([&] {
        ComboBox& combo = presets(d());
        if (preset < 0 || preset >= combo.ListCount())
            throw ControlError(ErrInvalidPropertyValue, QStringLiteral("no preset %1").arg(int(preset)));
        combo.setListIndex(preset);
        // The combo's own handling skips a choice made while a picker has the
        // focus; a program's choice always counts.
        DateRangePresets::ApplyPreset(combo.Text(), picker(d(), QStringLiteral("dtpInicio")),
                                      picker(d(), QStringLiteral("dtpFim")), dateRange().clock());
    });
}

QDateTime ZEVDateRangeWidget::periodStart() const { return picker(d(), QStringLiteral("dtpInicio")).Value(); }

QDateTime ZEVDateRangeWidget::periodEnd() const { return picker(d(), QStringLiteral("dtpFim")).Value(); }

void ZEVDateRangeWidget::setPeriodStart(const QDateTime& start)
{
    d().attempt([&] {
        picker(d(), QStringLiteral("dtpInicio")).setValue(start);
        presets(d()).setListIndex(DateRangePresets::CustomIndex);
    });
}

void ZEVDateRangeWidget::setPeriodEnd(const QDateTime& end)
{
    d().attempt([&] {
        picker(d(), QStringLiteral("dtpFim")).setValue(end);
        presets(d()).setListIndex(DateRangePresets::CustomIndex);
    });
}

} // namespace zev
