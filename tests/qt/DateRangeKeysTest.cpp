// The date keys and the wheel in the date range's pickers, with real Qt input.

#include "QtTestSupport.h"
#include "framework/DateTimePicker.h"
#include "testkit/TestClock.h"

#include <QDateTimeEdit>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpontaneKeyEvent>
#include <QVBoxLayout>

using namespace zev;
using namespace zev::testing;
using Range = ZEVDateRangeWidget;

static void PrintTo(const QDateTime& d, std::ostream* os) { *os << d.toString(Qt::ISODate).toStdString(); }

namespace {
QDateTime day(int y, int m, int d, QTime t = QTime(0, 0)) { return QDateTime(QDate(y, m, d), t); }

// A long form in a scroll area: a field to hold the focus, then the period on
// a clock at 2024-05-15, "Hoje" chosen.
struct ScrolledForm {
    QScrollArea area;
    QWidget* page = new QWidget;
    QLineEdit* elsewhere = new QLineEdit(page);
    Range* range = new Range(page, std::make_shared<TestClock>(day(2024, 5, 15, QTime(10, 0))));
    ScrolledForm()
    {
        auto* layout = new QVBoxLayout(page);
        layout->addWidget(elsewhere);
        layout->addWidget(range);
        page->setMinimumHeight(2000);
        area.setWidget(page);
        area.resize(420, 200);
        showActive(area);
    }
};

// As the window system delivers a wheel turn: Qt offers it to the parents until one takes it.
void turnWheel(QWidget* widget, int notches)
{
    const QPointF at(widget->width() / 2.0, widget->height() / 2.0);
    QWheelEvent wheel(at, widget->mapToGlobal(at), {}, {0, 120 * notches}, Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QSpontaneKeyEvent::setSpontaneous(&wheel); // QTest's way: sendEvent would clear it
    qApp->notify(widget, &wheel);
}
} // namespace

TEST_F(PtBr, DateKeysMoveAPickerAsTheUsersOwnEdit)
{
    const Qt::KeyboardModifiers none, shift = Qt::ShiftModifier, keypad = Qt::KeypadModifier;
    const QTime night(23, 59, 59);
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        QDateTime from, to; // the combo turns to "Customizado" when the date moves
        bool end = false; // dtpFim rather than dtpInicio
        QDate maximum = {}; // the host's bound on the picker
    } rows[] = {
        {Qt::Key_T, shift, day(2024, 3, 10), day(2024, 5, 15)},
        {Qt::Key_T, Qt::ControlModifier, day(2024, 3, 10), day(2024, 3, 10)}, // a shortcut's
        {Qt::Key_Plus, keypad, day(2024, 5, 15, night), day(2024, 5, 16, night), true},
        {Qt::Key_Equal, none, day(2024, 2, 28), day(2024, 2, 29)},
        {Qt::Key_Minus, none, day(1601, 1, 1), day(1601, 1, 1)},
        {Qt::Key_PageDown, none, day(2024, 1, 31), day(2024, 2, 29)},
        {Qt::Key_PageUp, none, day(2024, 1, 15), day(2023, 12, 15)},
        {Qt::Key_PageDown, none, day(2024, 6, 15, night), day(2024, 6, 15, night), true, QDate(2024, 6, 30)},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(QKeySequence(r.key | r.modifiers).toString().toStdString() + " from " + r.from.toString(Qt::ISODate).toStdString());
        ScrolledForm f;
        QDateTimeEdit* edit = r.end ? f.range->Control_dtpFim() : f.range->Control_dtpInicio();
        if (r.maximum.isValid())
            edit->setMaximumDate(r.maximum);
        DateTimePicker& picker = *(r.end ? f.range->dateRange().Control_dtpFim() : f.range->dateRange().Control_dtpInicio());
        picker.setValue(r.from); // the program's write: "Hoje" stays
        edit->setFocus();
        QTest::keyClick(edit, r.key, r.modifiers);
        EXPECT_EQ(picker.Value(), r.to);
        EXPECT_EQ(f.range->period(), r.from != r.to ? Range::Custom : Range::Today);
    }
}

TEST_F(PtBr, TheWheelTurnsAPickerOnlyWhileItHasTheFocus)
{
    ScrolledForm f;
    QDateTimeEdit* start = f.range->Control_dtpInicio();
    QScrollBar* bar = f.area.verticalScrollBar();
    f.elsewhere->setFocus();
    turnWheel(start, -1);
    EXPECT_GT(bar->value(), 0); // the form scrolled
    EXPECT_EQ(f.range->periodStart(), day(2024, 5, 15));
    EXPECT_EQ(f.range->period(), Range::Today);
    EXPECT_TRUE(f.elsewhere->hasFocus());

    bar->setValue(0);
    start->setFocus();
    QTest::keyClick(start, Qt::Key_Home); // the day is the first field
    turnWheel(start, -1);
    EXPECT_EQ(f.range->periodStart(), day(2024, 5, 14));
    EXPECT_EQ(f.range->period(), Range::Custom);
    EXPECT_EQ(bar->value(), 0);
}
