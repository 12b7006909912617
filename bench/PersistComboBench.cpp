// Collecting 10,000 records one by one into a ZEVPersistCombo with the duplicate
// test on (every add scans the whole list) and reading them all back, beside a
// plain scan of the same entry strings without the control and its widgets; the
// figure to watch is the ratio of the two, printed at the end.

#include "persistcombo/ZEVPersistCombo.h"
#include "testkit/TestHost.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <ostream>
#include <vector>

#include <unistd.h>

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

// A new control on a form, collecting every record as a host would add them.
void collect(ZEVPersistCombo& c, TestHost& host)
{
    c.Initialize();
    host.setScaleSize(4275, 720);
    c.InitProperties();
    c.setShowCodeInCombo(true);
    for (const Record& r : records())
        c.AddItem(r.description, r.key, r.code);
}

void PersistComboAddAndReadBack(benchmark::State& state)
{
    const auto& input = records();
    for (auto _ : state) {
        TestHost host;
        ZEVPersistCombo c(host);
        collect(c, host);
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

// The control's own entry strings (the same memory, not copies), scanned without
// the control: each record's key is compared with the end of every entry before
// it, as the adds did, and every entry is split at its spaces again.
void PlainScanOfTheSameStrings(benchmark::State& state)
{
    const auto& input = records();
    TestHost host;
    ZEVPersistCombo c(host);
    collect(c, host);
    const QStringList entries = host.combo(QStringLiteral("cboListing")).items();
    for (auto _ : state) {
        qsizetype duplicates = 0;
        for (qsizetype k = 0; k < entries.size(); ++k) {
            const QChar* key = input[size_t(k)].key.constData();
            const qsizetype keyLength = input[size_t(k)].key.size();
            for (qsizetype j = 0; j < k; ++j) {
                const QString& entry = entries[j];
                const QChar* end = entry.constData() + entry.size();
                if (entry.size() > keyLength && end[-keyLength - 1] == QLatin1Char(' ')
                    && std::equal(end - keyLength, end, key)) {
                    ++duplicates;
                    break;
                }
            }
        }
        qsizetype read = 0;
        for (const QString& entry : entries) {
            const qsizetype firstSpace = entry.indexOf(QLatin1Char(' '));
            const qsizetype lastSpace = entry.lastIndexOf(QLatin1Char(' '));
            read += entry.left(firstSpace).size() + entry.mid(lastSpace + 1).size()
                + QStringView(entry).mid(firstSpace + 3, lastSpace - firstSpace - 3).trimmed().toString().size();
        }
        benchmark::DoNotOptimize(read);
        if (duplicates != 0 || entries.size() != Entries)
            state.SkipWithError("the plain scan found what the control did not");
    }
    state.SetItemsProcessed(state.iterations() * Entries);
}

// Prints the control's time as a multiple of the plain scan's, measured in the same run.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    // Colours only on a terminal, so that logs stay plain.
    RatioReporter() : ConsoleReporter(isatty(fileno(stdout)) ? OO_ColorTabular : OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration && !run.error_occurred)
                seconds_[run.benchmark_name()] = {run.GetAdjustedRealTime() / 1e3, run.GetAdjustedCPUTime() / 1e3}; // ms
        ConsoleReporter::ReportRuns(runs);
    }

    void Finalize() override
    {
        ConsoleReporter::Finalize();
        const Times control = find(ControlRun), plain = find(PlainRun);
        if (control.real > 0 && plain.real > 0 && plain.cpu > 0) {
            char line[200];
            std::snprintf(line, sizeof line,
                          "\n%d entries: control %.3f s (cpu %.3f s), plain scan %.3f s (cpu %.3f s), "
                          "ratio %.2f (cpu %.2f)\n",
                          Entries, control.real, control.cpu, plain.real, plain.cpu, control.real / plain.real,
                          control.cpu / plain.cpu);
            GetOutputStream() << line;
        }
    }

private:
    struct Times {
        double real = 0, cpu = 0;
    };
    Times find(const char* prefix) const
    {
        for (const auto& [name, times] : seconds_)
            if (name.rfind(prefix, 0) == 0)
                return times;
        return {};
    }
    std::map<std::string, Times> seconds_;
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
