#include "qt/QtDesignFonts.h"

#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>

namespace zev::QtDesignFonts {

namespace {
// Debian's fonts-wine ships a face whose family is exactly "Tahoma" but does
// not register it with fontconfig, so Qt never sees it unless it is loaded by
// file. Fixed folders rather than anything from the environment, so that a
// form looks the same for every user of the machine.
const char* const TahomaFolders[] = {"/usr/share/wine/fonts", "/usr/share/fonts/truetype/wine"};
const char* const TahomaFiles[] = {"tahoma.ttf", "tahomabd.ttf"};

bool loaded = false;

void loadTahoma()
{
    for (const char* folder : TahomaFolders) {
        const QDir dir(QString::fromLatin1(folder));
        bool any = false;
        for (const char* file : TahomaFiles) {
            const QString path = dir.filePath(QString::fromLatin1(file));
            if (QFileInfo::exists(path) && QFontDatabase::addApplicationFont(path) >= 0)
                any = true;
        }
        // One copy is enough; a second folder would only add the same faces again.
        if (any)
            return;
    }
}
} // namespace

void ensureLoaded()
{
    if (loaded)
        return;
    auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    if (!app)
        return;
    loaded = true;
    // A later application starts with a fresh font database.
    QObject::connect(app, &QObject::destroyed, [] { loaded = false; });

    // Where a face is found nowhere, nothing fails: Qt falls back to the
    // system font, and the controls still work, only with texts that may not
    // fit their boxes. An installed Tahoma (one fontconfig knows) is used as it is.
    if (!QFontDatabase::hasFamily(QStringLiteral("Tahoma")))
        loadTahoma();
    // Liberation Mono has Courier New's metrics, so texts take the widths the
    // designs were measured with. fontconfig's rules usually pick it already;
    // the substitution makes it so whatever the machine's rules say.
    if (!QFontDatabase::hasFamily(QStringLiteral("Courier New"))
        && QFontDatabase::hasFamily(QStringLiteral("Liberation Mono")))
        QFont::insertSubstitution(QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"));
}

} // namespace zev::QtDesignFonts
