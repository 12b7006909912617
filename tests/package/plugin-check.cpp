// Loads a form with the five controls through QUiLoader with Qt's own plugin
// paths only, as an application (or Designer) on this machine would.
// Usage: plugin-check FORM.ui

#include <QApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QUiLoader>
#include <QWidget>
#include <cstdio>
#include <memory>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qunsetenv("QT_PLUGIN_PATH");
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: plugin-check FORM.ui\n");
        return 2;
    }
    QUiLoader loader;
    std::printf("plugin-check: Qt's plugin folder %s; QUiLoader looks in %s\n",
                qPrintable(QLibraryInfo::path(QLibraryInfo::PluginsPath)),
                qPrintable(loader.pluginPaths().join(QLatin1String(", "))));
    int missing = 0;
    for (const char* name : {"zev::ZEVNumericWidget", "zev::ZEVCodeDescriptionWidget", "zev::ZEVDescriptionOnlyWidget",
                             "zev::ZEVPersistComboWidget", "zev::ZEVDateRangeWidget"}) {
        const bool found = loader.availableWidgets().contains(QLatin1String(name));
        std::printf("plugin-check: %s %s\n", name, found ? "available" : "MISSING");
        missing += !found;
    }
    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "plugin-check: cannot open %s\n", argv[1]);
        return 2;
    }
    std::unique_ptr<QWidget> form(loader.load(&file));
    if (!form) {
        std::fprintf(stderr, "plugin-check: %s\n", qPrintable(loader.errorString()));
        return 1;
    }
    int made = 0;
    for (QWidget* w : form->findChildren<QWidget*>())
        made += QByteArray(w->metaObject()->className()).startsWith("zev::ZEV");
    std::printf("plugin-check: the form holds %d controls made by the plugin\n", made);
    return missing == 0 && made >= 5 ? 0 : 1;
}
