#pragma once

#include "framework/OleColor.h"

#include <QColor>
#include <QPalette>

namespace zev {

namespace QtColors {
// The palette role a system colour (0x800000nn) stands for.
QPalette::ColorRole systemRole(OleColor color);
// The colour to paint: 0x00BBGGRR as is, a system colour from the palette given
// (the application's by default), so that system colours follow the desktop theme.
QColor toQColor(OleColor color, const QPalette& palette);
QColor toQColor(OleColor color);
// The plain colour value 0x00BBGGRR of a QColor.
OleColor fromQColor(const QColor& color);
} // namespace QtColors

} // namespace zev
