// zev-demo: an order filter form built with the five controls. With a display
// it opens the window; without one (or with --tour DIR) it runs the tour.

#include "DemoDatabase.h"
#include "DemoForm.h"
#include "Tour.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QLocale>
#include <QScreen>
#include <QStandardPaths>
#include <cstdio>
#include <stdexcept>

namespace {
bool displayAvailable()
{
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        || !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

QString tourDirectory(int argc, char** argv)
{
    for (int i = 1; i + 1 < argc; ++i)
        if (qstrcmp(argv[i], "--tour") == 0)
            return QString::fromLocal8Bit(argv[i + 1]);
    return QString();
}
} // namespace

int main(int argc, char** argv)
{
    QString tour = tourDirectory(argc, argv);
    if (tour.isEmpty() && !displayAvailable())
        tour = QStringLiteral("tour");
    if (!tour.isEmpty() && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zev-demo"));
    QApplication::setOrganizationName(QStringLiteral("ZEVSuiteControls"));
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));

    QCommandLineParser args;
    args.setApplicationDescription(QStringLiteral("Formulário de demonstração dos ZEV Suite Controls"));
    args.addHelpOption();
    args.addOption({QStringLiteral("tour"), QStringLiteral("Percorre o formulário sem usuário e grava capturas em DIR."),
                    QStringLiteral("DIR")});
    args.addOption({QStringLiteral("database"), QStringLiteral("Arquivo SQLite dos dados de demonstração."),
                    QStringLiteral("FILE")});
    args.addOption({QStringLiteral("form"), QStringLiteral("Arquivo JSON das propriedades do formulário."),
                    QStringLiteral("FILE")});
    args.process(app);

    const QString dataDir = !tour.isEmpty()
        ? QDir(tour).absolutePath()
        : QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    const QString databaseFile = args.isSet(QStringLiteral("database"))
        ? args.value(QStringLiteral("database"))
        : QDir(dataDir).filePath(QStringLiteral("zev-demo.sqlite"));
    const QString formFile = args.isSet(QStringLiteral("form"))
        ? args.value(QStringLiteral("form"))
        : QDir(dataDir).filePath(QStringLiteral("formulario.json"));

    try {
        DemoDatabase database(databaseFile);
        DemoForm form(database, formFile);
        if (!tour.isEmpty())
            return Tour(form, tour).run();
        // As large as it is meant to be, but never larger than the screen.
        QSize size(1180, 760);
        if (const QScreen* screen = form.screen())
            size = size.boundedTo(screen->availableSize() * 0.95);
        form.resize(size.expandedTo(form.minimumSizeHint()));
        form.show();
        return app.exec();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "zev-demo: %s\n", e.what());
        return 2;
    }
}
