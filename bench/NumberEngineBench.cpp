// The number engine beside QLocale on the same values, in one run. Each
// engine benchmark has a QLocale twin; at the end the program prints how
// many times faster the engine is (QLocale CPU time / engine CPU time).

#include "numeric/NumberEngine.h"

#include <QLocale>
#include <QStringList>

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

using zev::NumberEngine;
using zev::NumberLocale;

namespace {

const QLocale& locale()
{
    static const QLocale l(QStringLiteral("pt_BR"));
    return l;
}

const NumberEngine& engine()
{
    static const NumberEngine e(NumberLocale::fromQLocale(locale()));
    return e;
}

// Amounts as a business form holds them: cents, mostly below a million,
// about a third negative.
const std::vector<double>& values()
{
    static const std::vector<double> v = [] {
        std::vector<double> r;
        std::uint64_t seed = 12345;
        for (int i = 0; i < 1024; ++i) {
            seed = seed * 6364136223846793005ULL + 1442695040888963407ULL;
            const std::int64_t cents = std::int64_t((seed >> 20) % 100000000ULL) >> ((seed >> 8) % 20);
            r.push_back(double(cents) / 100.0 * ((seed & 3) == 0 ? -1 : 1));
        }
        return r;
    }();
    return v;
}

// Values with all 17 digits (results of division, say): the slow path.
const std::vector<double>& fullValues()
{
    static const std::vector<double> v = [] {
        std::vector<double> r;
        std::uint64_t seed = 777;
        for (int i = 0; i < 1024; ++i) {
            seed = seed * 6364136223846793005ULL + 1442695040888963407ULL;
            r.push_back((double(seed >> 11) / double(1ULL << 53) - 0.3) * 2e6);
        }
        return r;
    }();
    return v;
}

const QStringList& texts()
{
    static const QStringList t = [] {
        QStringList r;
        for (double v : values())
            r << locale().toString(v, 'f', 2);
        return r;
    }();
    return t;
}

const QStringList& currencyTexts()
{
    static const QStringList t = [] {
        QStringList r;
        for (double v : values())
            r << locale().toCurrencyString(v);
        return r;
    }();
    return t;
}

const QString kPattern = QStringLiteral("#,##0.00;(#,##0.00)");

template <typename F>
void loop(benchmark::State& state, F f)
{
    const std::size_t n = values().size();
    std::size_t i = 0;
    for (auto _ : state) {
        f(i);
        i = i + 1 == n ? 0 : i + 1;
    }
    state.SetItemsProcessed(state.iterations());
}

void Standard_Engine(benchmark::State& s) { loop(s, [](std::size_t i) { benchmark::DoNotOptimize(engine().formatStandard(values()[i])); }); }
void Standard_QLocale(benchmark::State& s) { loop(s, [](std::size_t i) { benchmark::DoNotOptimize(locale().toString(values()[i], 'f', 2)); }); }
void Currency_Engine(benchmark::State& s) { loop(s, [](std::size_t i) { benchmark::DoNotOptimize(engine().formatCurrency(values()[i])); }); }
void Currency_QLocale(benchmark::State& s) { loop(s, [](std::size_t i) { benchmark::DoNotOptimize(locale().toCurrencyString(values()[i])); }); }
// QLocale has no patterns; its nearest output is the same 'f', 2 text.
void Pattern_Engine(benchmark::State& s) { loop(s, [](std::size_t i) { benchmark::DoNotOptimize(engine().formatPattern(values()[i], kPattern)); }); }
void Pattern_QLocale(benchmark::State& s) { loop(s, [](std::size_t i) { benchmark::DoNotOptimize(locale().toString(values()[i], 'f', 2)); }); }
void FullDigits_Engine(benchmark::State& s) { loop(s, [](std::size_t i) { benchmark::DoNotOptimize(engine().formatStandard(fullValues()[i])); }); }
void FullDigits_QLocale(benchmark::State& s) { loop(s, [](std::size_t i) { benchmark::DoNotOptimize(locale().toString(fullValues()[i], 'f', 2)); }); }
void General_Engine(benchmark::State& s) { loop(s, [](std::size_t i) { benchmark::DoNotOptimize(engine().general(values()[i])); }); }
void General_QLocale(benchmark::State& s) { loop(s, [](std::size_t i) { benchmark::DoNotOptimize(locale().toString(values()[i], 'g', 15)); }); }
void Read_Engine(benchmark::State& s)
{
    loop(s, [](std::size_t i) {
        double v = 0;
        benchmark::DoNotOptimize(engine().tryRead(texts()[qsizetype(i)], v));
        benchmark::DoNotOptimize(v);
    });
}
void Read_QLocale(benchmark::State& s)
{
    loop(s, [](std::size_t i) {
        bool ok = false;
        benchmark::DoNotOptimize(locale().toDouble(texts()[qsizetype(i)], &ok));
    });
}
// QLocale cannot read currency texts at all; engine only, for scale.
void ReadCurrency_Engine(benchmark::State& s)
{
    loop(s, [](std::size_t i) {
        double v = 0;
        benchmark::DoNotOptimize(engine().tryRead(currencyTexts()[qsizetype(i)], v));
        benchmark::DoNotOptimize(v);
    });
}
void Current_Engine(benchmark::State& s) { loop(s, [](std::size_t) { benchmark::DoNotOptimize(&NumberEngine::current()); }); }

BENCHMARK(Standard_Engine);
BENCHMARK(Standard_QLocale);
BENCHMARK(Currency_Engine);
BENCHMARK(Currency_QLocale);
BENCHMARK(Pattern_Engine);
BENCHMARK(Pattern_QLocale);
BENCHMARK(FullDigits_Engine);
BENCHMARK(FullDigits_QLocale);
BENCHMARK(General_Engine);
BENCHMARK(General_QLocale);
BENCHMARK(Read_Engine);
BENCHMARK(Read_QLocale);
BENCHMARK(ReadCurrency_Engine);
BENCHMARK(Current_Engine);

// Keeps each benchmark's time per operation for the ratio table.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Iteration && !run.error_occurred)
                times[run.benchmark_name()] = run.GetAdjustedCPUTime();
        }
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> times;
};

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    // Build the inputs outside the timed loops.
    (void)texts();
    (void)currencyTexts();
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    std::printf("\nSpeed-up over QLocale (QLocale time / engine time; goal >= 1.5):\n");
    for (const char* kind : { "Standard", "Currency", "Pattern", "FullDigits", "General", "Read" }) {
        const auto engineTime = reporter.times.find(std::string(kind) + "_Engine");
        const auto qtTime = reporter.times.find(std::string(kind) + "_QLocale");
        if (engineTime != reporter.times.end() && qtTime != reporter.times.end() && engineTime->second > 0)
            std::printf("  %-10s %6.2fx  (engine %.1f ns, QLocale %.1f ns)\n", kind, qtTime->second / engineTime->second,
                engineTime->second, qtTime->second);
    }
    return 0;
}
