#include "TotalsChart.h"

#include "numeric/NumberEngine.h"

#include <QHelpEvent>
#include <QLocale>
#include <QPainter>
#include <QToolTip>
#include <algorithm>
#include <cmath>

namespace {
// Up to two months shows one bar a day; longer periods one a week, or the bars get thinner than a pixel.
constexpr qint64 DailyUpTo = 62;

QString money(double value, bool whole)
{
    return zev::NumberEngine::current().formatPattern(value, whole ? u"#,##0" : u"#,##0.00");
}

// The smallest 1, 2 or 5 times a power of ten at or above value.
double niceCeiling(double value)
{
    if (value <= 0)
        return 1;
    const double power = std::pow(10.0, std::floor(std::log10(value)));
    for (double step : {1.0, 2.0, 5.0, 10.0})
        if (step * power >= value)
            return step * power;
    return 10 * power;
}
} // namespace

TotalsChart::TotalsChart(QWidget* parent) : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void TotalsChart::clear()
{
    bars_.clear();
    update();
}

void TotalsChart::setTotals(const QDate& first, const QDate& last, const QMap<QDate, qint64>& centsPerDay)
{
    bars_.clear();
    if (first.isValid() && last.isValid() && first <= last) {
        weekly_ = first.daysTo(last) + 1 > DailyUpTo;
        const QDate start = weekly_ ? first.addDays(1 - first.dayOfWeek()) : first;
        for (QDate d = start; d <= last; d = d.addDays(weekly_ ? 7 : 1))
            bars_.push_back({d, 0});
        for (auto it = centsPerDay.begin(); it != centsPerDay.end(); ++it) {
            const qint64 index = start.daysTo(it.key()) / (weekly_ ? 7 : 1);
            if (it.key() >= start && index < qint64(bars_.size()))
                bars_[std::size_t(index)].cents += it.value();
        }
    }
    qint64 highest = 0;
    for (const Bar& b : bars_)
        highest = std::max(highest, b.cents);
    top_ = niceCeiling(double(highest) / 100.0);
    update();
}

QRect TotalsChart::plotArea() const
{
    const QFontMetrics fm = fontMetrics();
    const int left = fm.horizontalAdvance(money(top_, true)) + 10;
    // Below the title, with room for the top value's label, which is centred on its grid line.
    return rect().adjusted(left, 4 + fm.height() + fm.height() / 2 + 4, -8, -(fm.height() + 8));
}

int TotalsChart::barAt(const QPoint& pos) const
{
    const QRect area = plotArea();
    if (bars_.empty() || !area.contains(pos))
        return -1;
    return std::clamp(int((pos.x() - area.left()) * qint64(bars_.size()) / std::max(1, area.width())), 0,
                      int(bars_.size()) - 1);
}

void TotalsChart::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, false);
    const QPalette pal = palette();
    p.fillRect(rect(), pal.base());
    const QFontMetrics fm = fontMetrics();
    p.setPen(pal.color(QPalette::Text));
    p.drawText(rect().adjusted(6, 4, -6, 0), Qt::AlignLeft | Qt::AlignTop,
               (weekly_ ? QStringLiteral("Total por semana (%1)") : QStringLiteral("Total por dia (%1)"))
                   .arg(QLocale().currencySymbol()));
    if (bars_.empty()) {
        p.drawText(rect(), Qt::AlignCenter, QStringLiteral("Nenhum pedido para mostrar"));
        return;
    }

    const QRect area = plotArea();
    const double top = top_;

    // Four grid lines, labelled in whole currency units.
    QColor grid = pal.color(QPalette::Mid);
    for (int i = 0; i <= 4; ++i) {
        const int y = area.bottom() - area.height() * i / 4;
        p.setPen(i == 0 ? pal.color(QPalette::Text) : grid);
        p.drawLine(area.left(), y, area.right(), y);
        p.setPen(pal.color(QPalette::Text));
        p.drawText(QRect(0, y - fm.height() / 2, area.left() - 6, fm.height()), Qt::AlignRight | Qt::AlignVCenter,
                   money(top * i / 4, true));
    }

    const double width = double(area.width()) / double(bars_.size());
    const QColor fill = pal.color(QPalette::Highlight);
    for (std::size_t i = 0; i < bars_.size(); ++i) {
        const int x0 = area.left() + int(std::lround(width * double(i)));
        const int x1 = area.left() + int(std::lround(width * double(i + 1)));
        const int h = int(std::lround(double(area.height()) * (double(bars_[i].cents) / 100.0) / top));
        const int gap = x1 - x0 > 3 ? 1 : 0;
        if (h > 0)
            p.fillRect(QRect(x0 + gap, area.bottom() - h + 1, std::max(1, x1 - x0 - gap), h), fill);
    }

    // Dates under the axis: as many as fit without overlapping.
    const QString sample = QLocale().toString(bars_.front().start, QLocale::ShortFormat);
    const int labelWidth = fm.horizontalAdvance(sample) + 12;
    const int every = std::max(1, int(std::ceil(double(labelWidth) / std::max(1.0, width))));
    p.setPen(pal.color(QPalette::Text));
    for (std::size_t i = 0; i < bars_.size(); i += std::size_t(every)) {
        const int x = area.left() + int(std::lround(width * (double(i) + 0.5)));
        if (x + labelWidth / 2 > rect().right())
            break;
        p.drawLine(x, area.bottom(), x, area.bottom() + 3);
        p.drawText(QRect(x - labelWidth / 2, area.bottom() + 4, labelWidth, fm.height()), Qt::AlignCenter,
                   QLocale().toString(bars_[i].start, QLocale::ShortFormat));
    }
}

bool TotalsChart::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const int i = barAt(help->pos());
        if (i < 0) {
            QToolTip::hideText();
        } else {
            const Bar& b = bars_[std::size_t(i)];
            const QString when = weekly_ ? QStringLiteral("Semana de %1").arg(QLocale().toString(b.start, QLocale::ShortFormat))
                                         : QLocale().toString(b.start, QLocale::ShortFormat);
            QToolTip::showText(help->globalPos(),
                               when + QStringLiteral(": ") + zev::NumberEngine::current().formatCurrency(double(b.cents) / 100.0),
                               this);
        }
        return true;
    }
    return QWidget::event(event);
}
