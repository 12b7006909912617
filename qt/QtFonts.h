#pragma once

#include "framework/Font.h"

#include <QFont>

namespace zev {

namespace QtFonts {
// The QFont a widget shows for a font value. The zev::Font keeps the name as
// given (the machine may substitute another face) and the character set,
// which QFont has no place for.
QFont toQFont(const FontDesc& font);
// A font value from a QFont: the attributes the QFont sets (its resolve mask:
// a font built in code or read from a .ui file names only some) replace those
// of `base`; the rest, and always the character set, stay as in `base`.
FontDesc fromQFont(const QFont& font, const FontDesc& base);
} // namespace QtFonts

} // namespace zev
