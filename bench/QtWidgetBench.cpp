// The Qt widgets of the five controls against the same plain Qt widgets put
// together by hand, in the same run:
// - creating and showing 1,000 of a control on one parent, beside 1,000
//   composites of the widgets it is made of, at the same sizes and fonts;
// - one keystroke into the numeric field's line edit, beside one into a
//   QLineEdit with a QDoubleValidator.
// The figure to read is the counter "ratio" (control time / plain time); the
// time column is the control's alone. Both sides are timed in every iteration,
// in alternating order, so that drift of a shared machine falls on both.
// Run under QT_QPA_PLATFORM=offscreen (the default here). ZEV_BENCH_WIDGETS=N
// makes and shows N instead of 1,000 (for a run under callgrind);
// ZEV_BENCH_ONLY=control or plain makes only that side (to profile one side alone).

#include "QtBenchMain.h"
#include "qt/ZEVCodeDescriptionWidget.h"
#include "qt/ZEVDateRangeWidget.h"
#include "qt/ZEVDescriptionOnlyWidget.h"
#include "qt/ZEVNumericWidget.h"
#include "qt/ZEVPersistComboWidget.h"

#include <QApplication>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QDoubleValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QLocale>
#include <QPushButton>
#include <QTest>
#include <benchmark/benchmark.h>

#include <chrono>
#include <functional>

using namespace zev;

namespace {

using Clock = std::chrono::steady_clock;

const int Widgets = qEnvironmentVariableIntValue("ZEV_BENCH_WIDGETS") > 0 ? qEnvironmentVariableIntValue("ZEV_BENCH_WIDGETS") : 1000;
constexpr int Columns = 10;

double secondsSince(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

QFont font(const char* family, bool bold = false)
{
    QFont f(QString::fromLatin1(family));
    f.setPointSizeF(8.25);
    f.setBold(bold);
    return f;
}

// The preset labels the date range's combo lists, so the plain combo holds the same.
QStringList datePresets()
{
    static const QStringList labels = [] {
        QWidget parent;
        ZEVDateRangeWidget* w = new ZEVDateRangeWidget(&parent);
        parent.show();
        QStringList l;
        if (QComboBox* c = w->findChild<QComboBox*>())
            for (int i = 0; i < c->count(); ++i)
                l << c->itemText(i);
        return l;
    }();
    return labels;
}

// The lookups' "F3" button, as the controls make it.
void searchButton(QWidget* parent, const QRect& geometry)
{
    auto* search = new QPushButton(QStringLiteral("F3"), parent);
    search->setFont(font("Tahoma", true));
    search->setFocusPolicy(Qt::TabFocus);
    search->setGeometry(geometry);
}

// Hand-built composites: a QWidget with the control's widgets, fonts and
// texts, at the geometry the control gives them at its design size.
// What a new numeric field shows, so that the plain field shows the same.
struct NumericLook {
    QString text;
    Qt::Alignment alignment;
    QPalette palette; // blue on white, as the control paints a positive value
};

const NumericLook& numericShown()
{
    static const NumericLook look = [] {
        QWidget parent;
        auto* w = new ZEVNumericWidget(&parent);
        parent.show();
        const QLineEdit* edit = w->findChild<QLineEdit*>();
        return edit ? NumericLook{edit->text(), edit->alignment(), edit->palette()} : NumericLook{};
    }();
    return look;
}

// A numeric field built by hand: the field's text, colours, alignment and a validator in the locale.
QWidget* plainNumeric(QWidget* parent)
{
    auto* w = new QWidget(parent);
    w->resize(76, 35);
    auto* edit = new QLineEdit(w);
    edit->setFont(font("Tahoma"));
    edit->setAlignment(numericShown().alignment);
    edit->setValidator(new QDoubleValidator(edit));
    edit->setPalette(numericShown().palette);
    edit->setText(numericShown().text);
    edit->setGeometry(0, 0, 76, 35);
    return w;
}

QWidget* plainCodeDescription(QWidget* parent)
{
    auto* w = new QWidget(parent);
    w->resize(281, 15);
    w->setFont(font("Tahoma"));
    (new QLineEdit(w))->setGeometry(0, 0, 73, 15);
    searchButton(w, QRect(75, 0, 25, 17));
    auto* description = new QLabel(w);
    description->setFrameShape(QFrame::Panel);
    description->setFrameShadow(QFrame::Raised);
    description->setGeometry(102, 0, 179, 17);
    return w;
}

QWidget* plainDescriptionOnly(QWidget* parent)
{
    auto* w = new QWidget(parent);
    w->resize(217, 19);
    w->setFont(font("Tahoma"));
    (new QLineEdit(w))->setGeometry(0, 0, 190, 19);
    searchButton(w, QRect(192, 0, 25, 19));
    return w;
}

// The control has no label: two edits, the search button, the list and its remove button.
QWidget* plainPersistCombo(QWidget* parent)
{
    auto* w = new QWidget(parent);
    w->resize(285, 48);
    w->setFont(font("Tahoma"));
    (new QLineEdit(w))->setGeometry(0, 0, 73, 22);
    searchButton(w, QRect(75, 0, 25, 22));
    (new QLineEdit(w))->setGeometry(102, 0, 183, 22);
    auto* list = new QComboBox(w);
    list->setFont(font("Courier New"));
    list->setGeometry(0, 24, 258, 22);
    (new QPushButton(w))->setGeometry(260, 24, 25, 23);
    return w;
}

QWidget* plainDateRange(QWidget* parent)
{
    auto* w = new QWidget(parent);
    w->resize(228, 98);
    w->setFont(font("Tahoma"));
    auto* presets = new QComboBox(w);
    presets->setFont(font("Courier New"));
    presets->addItems(datePresets());
    presets->setGeometry(0, 0, 228, 22);
    auto picker = [w](int x, int width) {
        auto* p = new QDateTimeEdit(w);
        p->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
        p->setCalendarPopup(true);
        p->setGeometry(x, 24, width, 21);
    };
    picker(0, 97);
    picker(147, 81);
    auto* to = new QLabel(QStringLiteral("a"), w);
    to->setGeometry(119, 28, 6, 13);
    return w;
}

using Make = std::function<QWidget*(QWidget*)>;

// Seconds to make and show 1,000 widgets on one parent and let the events of
// showing them run; tearing them down is not counted. The parent has the
// offscreen screen's size, so only the widgets within it are painted, on both
// sides alike.
// Tearing down, apart from createAndShow so that a profile of that function is the timed part alone.
void tearDown(QWidget* parent)
{
    delete parent;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

double createAndShow(const Make& make, const char* side, QWidget*& parent)
{
    static const QByteArray only = qgetenv("ZEV_BENCH_ONLY");
    if (!only.isEmpty() && only != side)
        return 1;
    parent = new QWidget;
    parent->resize(800, 600);
    const Clock::time_point start = Clock::now();
    for (int i = 0; i < Widgets; ++i) {
        QWidget* w = make(parent);
        w->move((i % Columns) * 290, (i / Columns) * 100);
    }
    parent->show();
    QCoreApplication::processEvents();
    return secondsSince(start);
}

double createAndShow(const Make& make, const char* side)
{
    QWidget* parent = nullptr;
    const double seconds = createAndShow(make, side, parent);
    tearDown(parent);
    return seconds;
}

void reportRatio(benchmark::State& state, double control, double plain, double unit, const char* unitName)
{
    using benchmark::Counter;
    const double n = double(state.iterations());
    state.counters["ratio"] = plain > 0 ? control / plain : 0;
    state.counters[std::string("control_") + unitName] = Counter(control * unit / n);
    state.counters[std::string("plain_") + unitName] = Counter(plain * unit / n);
}

template <typename W>
QWidget* make(QWidget* parent)
{
    return new W(parent);
}

void BM_CreateAndShow(benchmark::State& state, const Make& control, const Make& plain)
{
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    // One untimed round of each: the first widgets load fonts, the style and the controls' tables.
    createAndShow(control, "control");
    createAndShow(plain, "plain");
    double controlTotal = 0, plainTotal = 0;
    bool controlFirst = true;
    for (auto _ : state) {
        double c = 0, p = 0;
        if (controlFirst) {
            c = createAndShow(control, "control");
            p = createAndShow(plain, "plain");
        } else {
            p = createAndShow(plain, "plain");
            c = createAndShow(control, "control");
        }
        controlFirst = !controlFirst;
        controlTotal += c;
        plainTotal += p;
        state.SetIterationTime(c);
    }
    reportRatio(state, controlTotal, plainTotal, 1e3, "ms");
    state.SetLabel("goal ratio <= 1.5");
}

// One key typed over the last digit of "1234,5": select it (not timed), then
// the key press and release through QApplication.
double typeOverLastDigit(QLineEdit* edit, char digit)
{
    edit->setSelection(int(edit->text().size()) - 1, 1);
    const Clock::time_point start = Clock::now();
    QTest::keyClick(edit, digit);
    return secondsSince(start);
}

void BM_KeystrokeIntoNumericField(benchmark::State& state)
{
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    QWidget window;
    auto* numeric = new ZEVNumericWidget(&window);
    auto* plain = new QLineEdit(&window);
    auto* validator = new QDoubleValidator(plain);
    validator->setLocale(QLocale());
    plain->setValidator(validator);
    plain->setFont(font("Tahoma"));
    plain->move(0, 40);
    window.show();
    QApplication::setActiveWindow(&window);
    if (!QTest::qWaitForWindowActive(&window)) {
        state.SkipWithError("the window did not become active");
        return;
    }
    QLineEdit* field = numeric->findChild<QLineEdit*>();
    if (!field) {
        state.SkipWithError("no QLineEdit inside ZEVNumericWidget");
        return;
    }
    // The field has the focus, as while a user types; the plain edit takes its keys without it.
    field->setFocus();
    field->clear();
    QTest::keyClicks(field, QStringLiteral("1234,5"));
    plain->setText(QStringLiteral("1234,5"));
    typeOverLastDigit(field, '7');
    typeOverLastDigit(plain, '7');
    if (field->text() != QLatin1String("1234,7") || plain->text() != QLatin1String("1234,7")) {
        const std::string texts = (field->text() + QLatin1String(" / ") + plain->text()).toStdString();
        state.SkipWithError(("a typed key did not replace the last digit: " + texts).c_str());
        return;
    }

    double controlTotal = 0, plainTotal = 0;
    bool seven = false, controlFirst = true;
    for (auto _ : state) {
        const char digit = seven ? '7' : '8';
        double c = 0, p = 0;
        if (controlFirst) {
            c = typeOverLastDigit(field, digit);
            p = typeOverLastDigit(plain, digit);
        } else {
            p = typeOverLastDigit(plain, digit);
            c = typeOverLastDigit(field, digit);
        }
        seven = !seven;
        controlFirst = !controlFirst;
        controlTotal += c;
        plainTotal += p;
        state.SetIterationTime(c);
    }
    reportRatio(state, controlTotal, plainTotal, 1e6, "us");
    state.SetLabel("goal ratio <= 1");
}

} // namespace

BENCHMARK_CAPTURE(BM_CreateAndShow, Numeric, make<ZEVNumericWidget>, plainNumeric)
    ->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(6);
BENCHMARK_CAPTURE(BM_CreateAndShow, CodeDescription, make<ZEVCodeDescriptionWidget>, plainCodeDescription)
    ->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(6);
BENCHMARK_CAPTURE(BM_CreateAndShow, DescriptionOnly, make<ZEVDescriptionOnlyWidget>, plainDescriptionOnly)
    ->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(6);
BENCHMARK_CAPTURE(BM_CreateAndShow, PersistCombo, make<ZEVPersistComboWidget>, plainPersistCombo)
    ->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(6);
BENCHMARK_CAPTURE(BM_CreateAndShow, DateRange, make<ZEVDateRangeWidget>, plainDateRange)
    ->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(6);
BENCHMARK(BM_KeystrokeIntoNumericField)->UseManualTime()->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv)
{
    return runWidgetBenchmarks(argc, argv);
}
