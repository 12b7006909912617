// zev-migrate on a form of 300 controls: reading, converting and writing the
// .ui, against reading the same bytes as text (decoded and split into lines)
// in the same run. The figure to read is the counter "ratio" (migrate time /
// read time); "migrate_ms" is the whole form's conversion (aim: under 50 ms).
// Both sides are timed in every iteration.

#include "migrate/FormConverter.h"
#include "migrate/FrmReader.h"
#include "migrate/UiWriter.h"
#include "migrate/Windows1252.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <chrono>

namespace {

using Clock = std::chrono::steady_clock;

// 300 controls as the legacy designer saves them: labels and text boxes in
// rows, buttons and check boxes, and ten of each of our five controls.
QByteArray form300()
{
    QByteArray f = "VERSION 5.00\r\nBegin VB.Form frmGrande\r\n   Caption = \"Grande\"\r\n"
                   "   ClientHeight = 60000\r\n   ClientWidth = 12000\r\n";
    auto extender = [](int i, int left) {
        return QByteArray("      Height = 315\r\n      Left = ") + QByteArray::number(left) + "\r\n      TabIndex = "
             + QByteArray::number(i) + "\r\n      Top = " + QByteArray::number(120 + (i / 3) * 400)
             + "\r\n      Width = 2000\r\n";
    };
    static const char* const ours[] = {
        "ZEVNumeric n%1\r\n      Format = 1\r\n      Text = \"12,5\"\r\n",
        "ZEVCodeDescription c%1\r\n      Code = \"7\"\r\n      FillZeros = -1 'True\r\n"
        "      BeginProperty CodeFont\r\n         Name = \"Tahoma\"\r\n      EndProperty\r\n"
        "      BeginProperty DescriptionFont\r\n         Name = \"Tahoma\"\r\n      EndProperty\r\n",
        "ZEVDescriptionOnly d%1\r\n      Description = \"Ana\"\r\n"
        "      BeginProperty Font\r\n         Name = \"Tahoma\"\r\n      EndProperty\r\n",
        "ZEVPersistCombo p%1\r\n      ShowCodeInCombo = -1 'True\r\n"
        "      BeginProperty CodeFont\r\n         Name = \"Tahoma\"\r\n      EndProperty\r\n"
        "      BeginProperty DescriptionFont\r\n         Name = \"Tahoma\"\r\n      EndProperty\r\n",
        "ZEVDateRange r%1\r\n      Appearance = 1\r\n",
    };
    for (int i = 0; i < 300; ++i) {
        const QByteArray n = QByteArray::number(i);
        if (i < 50) {
            f += "   Begin ZEVSuiteControls." + QByteArray(ours[i % 5]).replace("%1", n) + extender(i, 4000) + "   End\r\n";
        } else if (i < 150) {
            f += "   Begin VB.Label lbl" + n + "\r\n      Caption = \"&Campo " + n + ":\"\r\n" + extender(i, 120) + "   End\r\n";
        } else if (i < 250) {
            f += "   Begin VB.TextBox txt" + n + "\r\n      Text = \"valor " + n + "\"\r\n      MaxLength = 20\r\n"
               + extender(i, 2200) + "   End\r\n";
        } else if (i < 275) {
            f += "   Begin VB.CommandButton cmd" + n + "\r\n      Caption = \"OK\"\r\n" + extender(i, 8000) + "   End\r\n";
        } else {
            f += "   Begin VB.CheckBox chk" + n + "\r\n      Caption = \"Sim\"\r\n      Value = 1\r\n" + extender(i, 10000)
               + "   End\r\n";
        }
    }
    return f + "End\r\nAttribute VB_Name = \"frmGrande\"\r\n";
}

double secondsSince(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

void BM_Migrate300Controls(benchmark::State& state)
{
    const QByteArray bytes = form300();
    const zev::FormConverter::SideFiles noSideFiles = [](const QString&, int) { return nullptr; };
    const zev::FormConverter::SavePicture noPictures = [](const QString& name, const QByteArray&) { return name; };
    double migrate = 0, read = 0;
    for (auto _ : state) {
        auto start = Clock::now();
        zev::MigrationReport report;
        const zev::LegacyForm form = zev::FrmReader::read(bytes, QStringLiteral("frmGrande.frm"));
        const QByteArray ui = zev::UiWriter::write(zev::FormConverter::convert(form, noSideFiles, noPictures, report));
        benchmark::DoNotOptimize(ui.size());
        const double m = secondsSince(start);
        migrate += m;

        start = Clock::now();
        const QStringList lines = zev::Windows1252::decode(bytes).split(QLatin1Char('\n'));
        benchmark::DoNotOptimize(lines.size());
        read += secondsSince(start);
        state.SetIterationTime(m);
    }
    const double n = double(state.iterations());
    state.counters["ratio"] = read > 0 ? migrate / read : 0;
    state.counters["migrate_ms"] = migrate * 1000 / n;
    state.counters["read_ms"] = read * 1000 / n;
    state.SetLabel("goal migrate_ms < 50");
}
BENCHMARK(BM_Migrate300Controls)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
