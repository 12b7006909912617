#include "QtTestSupport.h"
#include "qt/QtDesignFonts.h"

#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>

using namespace zev;

// The faces the designs were measured with must be the ones Qt shows: a
// wider fallback cuts texts off in boxes sized in twips.
TEST(QtDesignFonts, TheDesignFacesAreWhatQtShows)
{
    struct Case {
        const char* family;
        QFont::Weight weight;
        const char* style;     // a face of the family shown, not one Qt makes bold itself
        const char* file;      // the Debian file that provides it here
        QStringList shownAs;   // acceptable families of the face Qt picks
    };
    const Case cases[] = {
        {"Tahoma", QFont::Normal, "Regular", "/usr/share/wine/fonts/tahoma.ttf", {"Tahoma"}},
        {"Tahoma", QFont::Bold, "Bold", "/usr/share/wine/fonts/tahomabd.ttf", {"Tahoma"}},
        {"Courier New", QFont::Normal, "Regular", "/usr/share/fonts/truetype/liberation/LiberationMono-Regular.ttf",
         {"Courier New", "Liberation Mono"}},
    };
    for (const Case& c : cases) {
        if (!QFile::exists(QString::fromLatin1(c.file)))
            GTEST_SKIP() << c.file << " is not installed (scripts/setup installs fonts-wine and fonts-liberation)";
    }

    QtDesignFonts::ensureLoaded();
    QtDesignFonts::ensureLoaded(); // a second call changes nothing
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.family) + " " + c.style);
        QFont font(QString::fromLatin1(c.family));
        font.setPointSizeF(8.25);
        font.setWeight(c.weight);
        const QString shown = QFontInfo(font).family();
        EXPECT_TRUE(c.shownAs.contains(shown)) << shown.toStdString();
        EXPECT_TRUE(QFontDatabase::styles(shown).contains(QString::fromLatin1(c.style)))
            << QFontDatabase::styles(shown).join(u',').toStdString();
    }
}
