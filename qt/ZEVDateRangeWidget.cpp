#include "qt/ZEVDateRangeWidget.h"

#include "daterange/DateRangePresets.h"
#include "framework/ComboBox.h"
#include "framework/ControlError.h"
#include "framework/DateTimePicker.h"

namespace zev {

ZEVDateRangeWidget::ZEVDateRangeWidget(QWidget* parent, Start start, std::shared_ptr<const Clock> clock)
    : ZEVControlWidget(ZEVDateRange::descriptor(), parent, start, [clock](Control& c) {
          if (clock)
              static_cast<ZEVDateRange&>(c).setClock(clock);
      })
{
}

void ZEVDateRangeWidget::setAppearance(int eaValor)
{
    writeValue(QStringLiteral("Appearance"), &ZEVDateRange::setAppearance, qint32(eaValor));
}

void ZEVDateRangeWidget::setBackColor(const QColor& ocValor)
{
    writeColor(QStringLiteral("BackColor"), ocValor, [this](OleColor c) { dateRange().setBackColor(c); });
}

DateTimePicker& ZEVDateRangeWidget::picker(const QString& name) const
{
    control(); // started
    auto* p = dynamic_cast<DateTimePicker*>(innerWidget(name));
    if (!p)
        throw ControlError(ErrObjectRequired, QStringLiteral("no picker %1").arg(name));
    return *p;
}

QDateTime ZEVDateRangeWidget::PeriodStart() const { return picker(QStringLiteral("dtpInicio")).Value(); }

QDateTime ZEVDateRangeWidget::PeriodEnd() const { return picker(QStringLiteral("dtpFim")).Value(); }

void ZEVDateRangeWidget::setPeriod(const QString& name, const QDateTime& value)
{
    write(name, QVariant(), [this, name, value] {
        picker(name).setValue(value);
        if (auto* combo = dynamic_cast<ComboBox*>(innerWidget(QStringLiteral("cboFiltro"))))
            combo->setListIndex(DateRangePresets::CustomIndex);
    });
}

void ZEVDateRangeWidget::setPeriodStart(const QDateTime& value) { setPeriod(QStringLiteral("dtpInicio"), value); }

void ZEVDateRangeWidget::setPeriodEnd(const QDateTime& value) { setPeriod(QStringLiteral("dtpFim"), value); }

} // namespace zev
