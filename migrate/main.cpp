// zev-migrate: the legacy host's form files as Qt Designer forms.

#include "migrate/Migration.h"
#include "migrate/Windows1252.h"

#include <QApplication>
#include <QDir>
#include <cstdio>

namespace {

const char usage[] =
    "usage: zev-migrate [-o DIR] [--handlers] [--layouts] [--encoding NAME] FILE.frm...\n"
    "  -o DIR           write NAME.ui (and NAME.h/.cpp) into DIR (default: the current folder)\n"
    "  --handlers       also write NAME.h/NAME.cpp: a QWidget connecting the form's event procedures\n"
    "  --layouts        turn absolute positions into layouts where the form allows\n"
    "  --encoding NAME  the forms' code page (default windows-1252)\n"
    "Prints a line per form; exit status 0 when every form was converted, 1 when one failed, 2 for a wrong command line.\n";

int wrongCommandLine(const QString& why)
{
    std::fprintf(stderr, "zev-migrate: %s\n%s", qPrintable(why), usage);
    return 2;
}

// Qt's own notices (a missing XDG_RUNTIME_DIR, font fallbacks) are not the
// tool's output; ZEV_MIGRATE_VERBOSE=1 shows them.
void quietQt(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtFatalMsg || type == QtCriticalMsg || qEnvironmentVariableIsSet("ZEV_MIGRATE_VERBOSE"))
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

} // namespace

int main(int argc, char** argv)
{
    // The tool makes our controls' widgets to load their saved properties but
    // never shows one: it runs the same with no display (CI, ssh).
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietQt);
    QApplication app(argc, argv);

    zev::Migration::Options options;
    QStringList forms;
    const QStringList args = QCoreApplication::arguments().mid(1);
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args.at(i);
        if (a == QLatin1String("-h") || a == QLatin1String("--help")) {
            std::fputs(usage, stdout);
            return 0;
        } else if (a == QLatin1String("-o") || a == QLatin1String("--encoding")) {
            if (i + 1 >= args.size())
                return wrongCommandLine(a + QStringLiteral(" needs a value"));
            (a == QLatin1String("-o") ? options.outputDir : options.encoding) = args.at(++i);
        } else if (a.startsWith(QLatin1String("--encoding="))) {
            options.encoding = a.mid(11);
        } else if (a == QLatin1String("--handlers")) {
            options.handlers = true;
        } else if (a == QLatin1String("--layouts")) {
            options.layouts = true;
        } else if (a == QLatin1String("--")) {
            forms += args.mid(i + 1);
            break;
        } else if (a.startsWith(QLatin1Char('-')) && a.size() > 1) {
            return wrongCommandLine(QStringLiteral("unknown option %1").arg(a));
        } else {
            forms << a;
        }
    }
    if (forms.isEmpty())
        return wrongCommandLine(QStringLiteral("no form file given"));
    if (!zev::Windows1252::isKnown(options.encoding))
        return wrongCommandLine(QStringLiteral("unknown encoding %1").arg(options.encoding));
    if (!QDir(options.outputDir).exists())
        return wrongCommandLine(QStringLiteral("no folder %1").arg(options.outputDir));

    zev::Migration migration(options);
    int status = 0;
    for (const QString& form : forms) {
        const zev::Migration::Result r = migration.run(form);
        if (!r.ok) {
            std::fprintf(stderr, "%s\n", qPrintable(r.error));
            status = 1;
            continue;
        }
        std::printf("%s\n", qPrintable(r.summary));
        for (const QString& f : r.findings)
            std::printf("  %s\n", qPrintable(f));
        std::fflush(stdout);
    }
    return status;
}
