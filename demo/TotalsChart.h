#pragma once

#include <QDate>
#include <QMap>
#include <QWidget>
#include <vector>

// A bar chart of the order totals per day, or per week over a long period.
// Drawn with QPainter rather than Qt Charts: bars and two axes are all it
// needs, it adds no package to install, and it renders the same offscreen as
// on a screen, so the tour's screenshots show what a user sees.
class TotalsChart : public QWidget {
    Q_OBJECT
public:
    explicit TotalsChart(QWidget* parent = nullptr);

    // The totals per day over [first, last]; days without orders count as zero.
    void setTotals(const QDate& first, const QDate& last, const QMap<QDate, qint64>& centsPerDay);
    void clear();

    struct Bar {
        QDate start; // the day, or the Monday of the week
        qint64 cents;
    };
    const std::vector<Bar>& bars() const { return bars_; }
    bool weekly() const { return weekly_; }

    QSize sizeHint() const override { return {420, 200}; }
    QSize minimumSizeHint() const override { return {180, 120}; }

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    QRect plotArea() const;
    int barAt(const QPoint& pos) const;

    std::vector<Bar> bars_;
    bool weekly_ = false;
    double top_ = 1; // the value axis' top, in currency units
};
