// A lookup's type-ahead list against a plain QCompleter popup over the same
// kind of model, in the same run: from the host's answer (its model reset to
// 1,000 rows, or the rows inserted one at a time as QStandardItemModel::
// appendRow does) to the list shown and painted. On the control's side a request
// is out for the text in the box, as when the user has paused typing; on the
// plain side QCompleter::complete() shows all rows (UnfilteredPopupCompletion).
// The figure to read is the counter "ratio" (control time / plain time); the
// time column is the control's alone, to hold against one frame (16 ms).
// Both sides are timed in every iteration, in alternating order.
// Run under QT_QPA_PLATFORM=offscreen (the default here). ZEV_BENCH_ROWS=N
// answers N rows instead of 1,000.

#include "QtBenchMain.h"
#include "qt/ZEVDescriptionOnlyWidget.h"

#include <QAbstractListModel>
#include <QApplication>
#include <QCompleter>
#include <QLineEdit>
#include <QListView>
#include <QTest>
#include <benchmark/benchmark.h>

#include <chrono>

using namespace zev;

namespace {

using Clock = std::chrono::steady_clock;

const int Rows = qEnvironmentVariableIntValue("ZEV_BENCH_ROWS") > 0 ? qEnvironmentVariableIntValue("ZEV_BENCH_ROWS") : 1000;

double secondsSince(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

// The host's answer: `count` salespeople, each with its key, in one reset (a
// query model) or inserted row by row (a model the host appends to).
class Answer : public QAbstractListModel {
public:
    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : count_; }
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role == Qt::DisplayRole || role == Qt::EditRole)
            return QStringLiteral("Vendedor %1 da Silva").arg(index.row(), 4, 10, QLatin1Char('0'));
        if (role == ZEVDescriptionOnlyWidget::SuggestionKeyRole)
            return QStringLiteral("VEN-%1").arg(index.row());
        return QVariant();
    }
    void answer(int count, bool rowByRow = false)
    {
        beginResetModel();
        count_ = rowByRow ? 0 : count;
        endResetModel();
        for (int row = 0; rowByRow && row < count; ++row) {
            beginInsertRows(QModelIndex(), row, row);
            ++count_;
            endInsertRows();
        }
    }

private:
    int count_ = 0;
};

void BM_SuggestionListAfterTheAnswer(benchmark::State& state, bool rowByRow)
{
    QWidget window;
    window.resize(600, 400);
    auto* lookup = new ZEVDescriptionOnlyWidget(&window);
    Answer lookupRows, plainRows;
    lookup->setSuggestionModel(&lookupRows);
    lookup->setSuggestionDelay(0);
    lookup->setSuggestionMinLength(1);
    auto* plain = new QLineEdit(&window);
    plain->move(0, 200);
    auto* completer = new QCompleter(&plainRows, plain);
    completer->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    completer->setMaxVisibleItems(8); // as many rows as the lookup's list shows
    plain->setCompleter(completer);
    window.show();
    QApplication::setActiveWindow(&window);
    if (!QTest::qWaitForWindowActive(&window)) {
        state.SkipWithError("the window did not become active");
        return;
    }
    QLineEdit* box = lookup->ControlDescription();
    int requests = 0;
    QObject::connect(lookup, &ZEVDescriptionOnlyWidget::suggestionsRequested, [&] { ++requests; });

    bool letter = false;
    // Untimed: the user types over the box and pauses, the request goes out.
    auto ask = [&] {
        box->setFocus();
        box->selectAll();
        QTest::keyClick(box, letter ? 'a' : 'b');
        letter = !letter;
        const int before = requests;
        lookupRows.answer(0);
        return QTest::qWaitFor([&] { return requests > before; });
    };
    QListView* list = nullptr;
    auto control = [&] {
        if (!ask())
            return -1.0;
        const Clock::time_point start = Clock::now();
        lookupRows.answer(Rows, rowByRow);
        QCoreApplication::processEvents();
        const double seconds = secondsSince(start);
        list = lookup->findChild<QListView*>(QStringLiteral("suggestions"));
        const bool shown = list && list->isVisible() && list->model()->rowCount() == Rows;
        QTest::keyClick(box, Qt::Key_Escape);
        return shown ? seconds : -1.0;
    };
    auto plainSide = [&] {
        plainRows.answer(0);
        const Clock::time_point start = Clock::now();
        plainRows.answer(Rows, rowByRow);
        completer->complete();
        QCoreApplication::processEvents();
        const double seconds = secondsSince(start);
        const bool shown = completer->popup()->isVisible() && completer->completionCount() == Rows;
        completer->popup()->hide();
        QCoreApplication::processEvents();
        return shown ? seconds : -1.0;
    };
    // One untimed round of each: the first lists load the style and fonts.
    if (control() < 0 || plainSide() < 0) {
        state.SkipWithError("a list did not show the rows");
        return;
    }

    double controlTotal = 0, plainTotal = 0;
    bool controlFirst = true;
    for (auto _ : state) {
        double c = 0, p = 0;
        if (controlFirst) {
            c = control();
            p = plainSide();
        } else {
            p = plainSide();
            c = control();
        }
        if (c < 0 || p < 0) {
            state.SkipWithError("a list did not show the rows");
            return;
        }
        controlFirst = !controlFirst;
        controlTotal += c;
        plainTotal += p;
        state.SetIterationTime(c);
    }
    using benchmark::Counter;
    const double n = double(state.iterations());
    state.counters["ratio"] = plainTotal > 0 ? controlTotal / plainTotal : 0;
    state.counters["control_ms"] = Counter(controlTotal * 1e3 / n);
    state.counters["plain_ms"] = Counter(plainTotal * 1e3 / n);
    state.SetLabel("goal: control_ms <= 16 (one frame)");
}

} // namespace

BENCHMARK_CAPTURE(BM_SuggestionListAfterTheAnswer, Reset, false)
    ->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(50);
BENCHMARK_CAPTURE(BM_SuggestionListAfterTheAnswer, RowByRow, true)
    ->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(50);

int main(int argc, char** argv)
{
    return runWidgetBenchmarks(argc, argv);
}
