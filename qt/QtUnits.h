#pragma once

#include <QtGlobal>

class QWidget;

namespace zev {

// Twips (1440 to the inch) and pixels through the logical DPI of a widget's
// screen, so that a layout in twips keeps its size on every screen.
namespace QtUnits {
constexpr double TwipsPerInch = 1440.0;

// Logical DPI of the screen the widget is on (the primary screen when it has none yet).
double logicalDpiX(const QWidget* widget);
double logicalDpiY(const QWidget* widget);

// Nearest whole pixel; values beyond what a widget can hold are clamped.
int toPixels(double twips, double dpi);
float toTwips(int pixels, double dpi);

// A run [start, start + length) in twips as pixels. Both edges are rounded, so
// runs that meet in twips meet in pixels and gaps keep their size.
struct PixelRun {
    int start;
    int length;
};
PixelRun toPixelRun(double startTwips, double lengthTwips, double dpi);
} // namespace QtUnits

} // namespace zev
