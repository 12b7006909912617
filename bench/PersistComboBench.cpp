// Collecting 10,000 records one by one into a ZEVPersistCombo with the duplicate
// test on (every add scans the whole list) and reading them all back, beside a
// plain scan of the same strings without the control, so that the figure to
// watch is the ratio of the two, printed at the end.

#include "persistcombo/ZEVPersistCombo.h"
#include "testkit/TestHost.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <ostream>
#include <vector>

using namespace zev;

namespace {

constexpr int Entries = 10000;
const char* const ControlRun = "PersistCombo_AddWithDuplicateTestAndReadBack";
const char* const PlainRun = "PlainScan_SameStrings";

struct Record {
    QString code, description, key;
};

const std::vector<Record>& records()
{
    static const std::vector<Record> all = [] {
        std::vector<Record> r;
        r.reserve(Entries);
        for (int i = 1; i <= Entries; ++i) {
            const QString n = QStringLiteral("%1").arg(i, 5, 10, QLatin1Char('0'));
            r.push_back({n, QStringLiteral("Cliente ") + n, QString::number(i * 7)});
        }
        return r;
    }();
    return all;
}

void PersistComboAddAndReadBack(benchmark::State& state)
{
    const auto& input = records();
    for (auto _ : state) {
        TestHost host;
        ZEVPersistCombo c(host);
        c.Initialize();
        host.setScaleSize(4275, 720);
        c.InitProperties();
        c.setShowCodeInCombo(true);
        for (const Record& r : input)
            c.AddItem(r.description, r.key, r.code);
        qsizetype read = 0;
        bool same = true;
        for (qint16 i = 0; i < Entries; ++i) {
            const QString code = c.GetCode(i), description = c.GetDescription(i), key = c.GetPkey(i);
            same = same && code == input[size_t(i)].code && description == input[size_t(i)].description
                && key == input[size_t(i)].key;
            read += code.size() + description.size() + key.size();
        }
        benchmark::DoNotOptimize(read);
        if (!same || c.ControlListing()->ListCount() != Entries || !host.messages.empty())
            state.SkipWithError("the list does not hold what was added");
    }
    state.SetItemsProcessed(state.iterations() * Entries);
}

// The same entry strings in a plain list: each add compares the key against the
// end of every entry so far, then the entries are split at their spaces again.
void PlainScanOfTheSameStrings(benchmark::State& state)
{
    const auto& input = records();
    const QString gap(ZEVPersistCombo::KeyGap, QLatin1Char(' '));
    for (auto _ : state) {
        std::vector<QString> list;
        for (const Record& r : input) {
            const QChar* key = r.key.constData();
            const qsizetype keyLength = r.key.size();
            bool duplicate = false;
            for (const QString& entry : list) {
                const QChar* end = entry.constData() + entry.size();
                if (entry.size() > keyLength && end[-keyLength - 1] == QLatin1Char(' ')
                    && std::equal(end - keyLength, end, key)) {
                    duplicate = true;
                    break;
                }
            }
            if (!duplicate)
                list.push_back(r.code + QStringLiteral(" - ") + r.description + gap + r.key);
        }
        qsizetype read = 0;
        for (const QString& entry : list) {
            const qsizetype firstSpace = entry.indexOf(QLatin1Char(' '));
            const qsizetype lastSpace = entry.lastIndexOf(QLatin1Char(' '));
            read += entry.left(firstSpace).size() + entry.mid(lastSpace + 1).size()
                + QStringView(entry).mid(firstSpace + 3, lastSpace - firstSpace - 3).trimmed().toString().size();
        }
        benchmark::DoNotOptimize(read);
        if (list.size() != size_t(Entries))
            state.SkipWithError("the plain list lost entries");
    }
    state.SetItemsProcessed(state.iterations() * Entries);
}

// Prints the control's time as a multiple of the plain scan's, measured in the same run.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration && !run.error_occurred)
                seconds_[run.benchmark_name()] = run.GetAdjustedRealTime() / 1e3; // reported in ms
        ConsoleReporter::ReportRuns(runs);
    }

    void Finalize() override
    {
        ConsoleReporter::Finalize();
        const auto control = find(ControlRun), plain = find(PlainRun);
        if (control > 0 && plain > 0) {
            char line[160];
            std::snprintf(line, sizeof line, "\n%d entries: control %.3f s, plain scan %.3f s, ratio %.2f\n",
                          Entries, control, plain, control / plain);
            GetOutputStream() << line;
        }
    }

private:
    double find(const char* prefix) const
    {
        for (const auto& [name, s] : seconds_)
            if (name.rfind(prefix, 0) == 0)
                return s;
        return 0;
    }
    std::map<std::string, double> seconds_;
};

} // namespace

int main(int argc, char** argv)
{
    benchmark::RegisterBenchmark(ControlRun, PersistComboAddAndReadBack)->Unit(benchmark::kMillisecond)->UseRealTime();
    benchmark::RegisterBenchmark(PlainRun, PlainScanOfTheSameStrings)->Unit(benchmark::kMillisecond)->UseRealTime();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
