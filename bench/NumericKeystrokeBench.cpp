// One keystroke typed into a numeric field over the test kit: key events,
// the change handling and its number reading. QLocale's own reading of the
// same text runs beside it as the baseline.

#include "numeric/ZEVNumeric.h"
#include "testkit/TestHost.h"

#include <QLocale>
#include <benchmark/benchmark.h>

using namespace zev;

namespace {

struct Field {
    Field()
    {
        QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
        control.Initialize();
        control.InitProperties();
        host.focus(host.edit("txtValue"));
        host.type(host.edit("txtValue"), "1234,5");
    }
    TestHost host;
    ZEVNumeric control{host};
};

void BM_KeystrokeInNumericField(benchmark::State& state)
{
    Field f;
    TestFlatEdit& edit = f.host.edit("txtValue");
    bool seven = false;
    for (auto _ : state) {
        // Replace the last digit: one key, one real change of the text.
        edit.setSelStart(5);
        edit.setSelLength(1);
        edit.userTypeChar(QChar(seven ? u'7' : u'8'));
        seven = !seven;
    }
    benchmark::DoNotOptimize(edit.Text());
}

void BM_BaselineQLocaleReadsTheSameText(benchmark::State& state)
{
    const QLocale locale(QLocale::Portuguese, QLocale::Brazil);
    const QString texts[2] = {QStringLiteral("1234,7"), QStringLiteral("1234,8")};
    bool seven = false;
    for (auto _ : state) {
        bool ok = false;
        benchmark::DoNotOptimize(locale.toDouble(texts[seven], &ok));
        seven = !seven;
    }
}

} // namespace

BENCHMARK(BM_KeystrokeInNumericField);
BENCHMARK(BM_BaselineQLocaleReadsTheSameText);
