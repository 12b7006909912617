#include "designer/DateRangePreviewDialog.h"

#include "daterange/Clock.h"
#include "qt/ZEVDateRangeWidget.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QMetaEnum>
#include <QTableWidget>
#include <QVBoxLayout>

namespace zev {

QList<DateRangePresetPreview::Row> DateRangePresetPreview::rows(std::shared_ptr<const Clock> clock)
{
    if (!clock)
        clock = Clock::System();
    ZEVDateRangeWidget range(nullptr, clock);
    range.setReportsFailures(true);
    QList<Row> rows;
    const QMetaEnum presets = QMetaEnum::fromType<ZEVDateRangeWidget::Preset>();
    QComboBox* combo = range.Control_dtpCombo();
    for (int i = 0; i < presets.keyCount(); ++i) {
        const auto preset = ZEVDateRangeWidget::Preset(presets.value(i));
        Row row;
        row.label = combo->itemText(int(preset));
        if (preset != ZEVDateRangeWidget::Custom) {
            range.setPeriod(preset);
            row.start = range.periodStart();
            row.end = range.periodEnd();
        }
        rows.append(row);
    }
    return rows;
}

DateRangePreviewDialog::DateRangePreviewDialog(const QLocale& locale, QWidget* parent,
                                               std::shared_ptr<const Clock> clock)
    : QDialog(parent)
{
    if (!clock)
        clock = Clock::System();
    setWindowTitle(QStringLiteral("Períodos de hoje"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Os períodos do ZEVDateRange para hoje, %1:")
                                     .arg(locale.toString(clock->Now().date(), QLocale::LongFormat)),
                                 this));
    const auto rows = DateRangePresetPreview::rows(clock);
    auto* table = new QTableWidget(int(rows.size()), 3, this);
    table->setObjectName(QStringLiteral("presets"));
    table->setHorizontalHeaderLabels({QStringLiteral("Período"), QStringLiteral("Início"), QStringLiteral("Fim")});
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    const auto date = [&](const QDateTime& d) {
        return d.isValid() ? locale.toString(d.date(), QLocale::ShortFormat) : QStringLiteral("(como está)");
    };
    for (int r = 0; r < rows.size(); ++r) {
        auto* label = new QTableWidgetItem(rows[r].label);
        label->setFont(QFont(QStringLiteral("Courier New")));
        table->setItem(r, 0, label);
        table->setItem(r, 1, new QTableWidgetItem(date(rows[r].start)));
        table->setItem(r, 2, new QTableWidgetItem(date(rows[r].end)));
    }
    table->resizeColumnsToContents();
    table->horizontalHeader()->setStretchLastSection(true);
    // Every period in sight, without scrolling.
    table->setMinimumSize(table->horizontalHeader()->length() + 2 * table->frameWidth() + 4,
                          table->horizontalHeader()->height() + table->verticalHeader()->length()
                              + 2 * table->frameWidth() + 4);
    layout->addWidget(table);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

} // namespace zev
