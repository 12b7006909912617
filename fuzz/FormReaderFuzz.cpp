// Feeds arbitrary bytes to zev-migrate's reading and conversion: as a legacy
// form file (read, converted, planned into layouts, written as .ui and as
// handlers) and as its side file (every record kind at the first offsets).
// The only acceptable outcomes are a result or a FormReadError naming its
// line; a crash, a sanitizer report, a hang or another exception aborts.

#include "migrate/FormConverter.h"
#include "migrate/FormReadError.h"
#include "migrate/FrmReader.h"
#include "migrate/FrxFile.h"
#include "migrate/HandlerWriter.h"
#include "migrate/LayoutPlanner.h"
#include "migrate/UiWriter.h"

#include <QApplication>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

QApplication* app()
{
    static int argc = 1;
    static char name[] = "FormReaderFuzz";
    static char* argv[] = {name, nullptr};
    static QApplication* instance = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
        return new QApplication(argc, argv);
    }();
    return instance;
}

[[noreturn]] void broke(const char* what)
{
    std::fprintf(stderr, "FORM READER BROKE: %s\n", what);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    app();
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));

    const zev::FrxFile frx(bytes, QStringLiteral("fuzz.frx"));
    for (quint32 offset = 0; offset < 16; ++offset) {
        try {
            frx.text(offset);
        } catch (const zev::FormReadError&) {
        }
        try {
            frx.list(offset);
        } catch (const zev::FormReadError&) {
        }
        try {
            frx.picture(offset);
        } catch (const zev::FormReadError&) {
        }
    }

    try {
        const zev::LegacyForm form = zev::FrmReader::read(bytes, QStringLiteral("fuzz.frm"));
        zev::MigrationReport report;
        // The same bytes stand for every side file the form names.
        const zev::FormConverter::SideFiles sideFiles = [&](const QString&, int) { return &frx; };
        const zev::FormConverter::SavePicture savePicture = [](const QString& name, const QByteArray&) { return name; };
        zev::UiForm ui = zev::FormConverter::convert(form, sideFiles, savePicture, report);
        zev::LayoutPlanner::apply(ui, report);
        if (zev::UiWriter::write(ui).isEmpty())
            broke("an empty .ui");
        zev::HandlerWriter::write(form, ui, report);
    } catch (const zev::FormReadError& e) {
        if (e.line() < 0 || e.message().isEmpty())
            broke("an error without its line or message");
    } catch (const std::exception& e) {
        broke(e.what());
    }
    return 0;
}
