#pragma once

#include "framework/Font.h"

#include <QFont>

namespace zev {

namespace QtFonts {
// The QFont a widget shows for a font value. The zev::Font keeps the name as
// given (the machine may substitute another face) and the character set,
// which QFont has no place for.
QFont toQFont(const FontDesc& font);
} // namespace QtFonts

} // namespace zev
