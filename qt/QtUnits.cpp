#include "qt/QtUnits.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <cmath>

namespace zev::QtUnits {

namespace {
constexpr double FallbackDpi = 96.0;
// QWIDGETSIZE_MAX: the largest size and offset a widget takes.
constexpr double Limit = double((1 << 24) - 1);

const QScreen* screenOf(const QWidget* widget)
{
    // With one screen every widget is on it: no walk up to the window and its
    // screen (controls ask at each placement of each part).
    if (QGuiApplication::screens().size() == 1)
        return QGuiApplication::primaryScreen();
    if (widget)
        if (const QScreen* s = widget->screen())
            return s;
    return QGuiApplication::primaryScreen();
}
} // namespace

double logicalDpiX(const QWidget* widget)
{
    const QScreen* s = screenOf(widget);
    const double dpi = s ? s->logicalDotsPerInchX() : FallbackDpi;
    return dpi > 0 ? dpi : FallbackDpi;
}

double logicalDpiY(const QWidget* widget)
{
    const QScreen* s = screenOf(widget);
    const double dpi = s ? s->logicalDotsPerInchY() : FallbackDpi;
    return dpi > 0 ? dpi : FallbackDpi;
}

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
