#include "qt/QtUnits.h"

#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QWidget>
#include <cmath>

namespace zev::QtUnits {

namespace {
constexpr double FallbackDpi = 96.0;
// QWIDGETSIZE_MAX: the largest size and offset a widget takes.
constexpr double Limit = double((1 << 24) - 1);

struct Dpi {
    double x = FallbackDpi, y = FallbackDpi;
};

Dpi dpiOf(const QScreen* s)
{
    Dpi d;
    if (s) {
        d.x = s->logicalDotsPerInchX() > 0 ? s->logicalDotsPerInchX() : FallbackDpi;
        d.y = s->logicalDotsPerInchY() > 0 ? s->logicalDotsPerInchY() : FallbackDpi;
    }
    return d;
}

// With one screen every widget is on it: no walk up to the window and its
// screen, and its DPI is kept until the screens or their DPI change
// (controls ask at each placement of each part).
struct OneScreen {
    bool known = false;
    QPointer<QCoreApplication> app; // the application the screens are of
    Dpi dpi;
};

OneScreen& oneScreen()
{
    static OneScreen one;
    return one;
}

void forgetScreens() { oneScreen().known = false; }

Dpi dpiFor(const QWidget* widget)
{
    OneScreen& one = oneScreen();
    if (one.known && one.app == QCoreApplication::instance())
        return one.dpi;
    auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    const QList<QScreen*> screens = QGuiApplication::screens();
    if (app && screens.size() == 1) {
        // Connected once per screen: its DPI, and the screens coming and going.
        static QList<QPointer<QScreen>> watched;
        static QPointer<QGuiApplication> watchedApp;
        if (watchedApp != app) {
            watchedApp = app;
            QObject::connect(app, &QGuiApplication::screenAdded, app, &forgetScreens);
            QObject::connect(app, &QGuiApplication::screenRemoved, app, &forgetScreens);
            QObject::connect(app, &QGuiApplication::primaryScreenChanged, app, &forgetScreens);
        }
        QScreen* s = screens.first();
        if (!watched.contains(s)) {
            watched.removeAll(nullptr);
            watched.append(s);
            QObject::connect(s, &QScreen::logicalDotsPerInchChanged, app, &forgetScreens);
        }
        one.dpi = dpiOf(s);
        one.app = app;
        one.known = true;
        return one.dpi;
    }
    if (widget)
        if (const QScreen* s = widget->screen())
            return dpiOf(s);
    return dpiOf(QGuiApplication::primaryScreen());
}
} // namespace

double logicalDpiX(const QWidget* widget) { return dpiFor(widget).x; }

double logicalDpiY(const QWidget* widget) { return dpiFor(widget).y; }

int toPixels(double twips, double dpi)
{
    if (!std::isfinite(twips) || !(dpi > 0))
        return 0;
    const double px = std::round(twips * dpi / TwipsPerInch);
    return int(std::clamp(px, -Limit, Limit));
}

float toTwips(int pixels, double dpi)
{
    if (!(dpi > 0))
        dpi = FallbackDpi;
    return float(double(pixels) * TwipsPerInch / dpi);
}

PixelRun toPixelRun(double startTwips, double lengthTwips, double dpi)
{
    const int start = toPixels(startTwips, dpi);
    const int end = toPixels(startTwips + lengthTwips, dpi);
    return {start, std::max(0, end - start)};
}

} // namespace zev::QtUnits
