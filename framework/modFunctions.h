#pragma once

#include "framework/Enumerations.h"

#include <QString>

namespace zev::modFunctions {

// The text with blanks (spaces only) trimmed and filled with "0" up to length,
// in front (Before) or behind (After). Never shortens; any other position, or a
// length the text already reaches, gives the trimmed text.
QString FillWithZeros(const QString& text, const qint16& length, const ePos_& position);

} // namespace zev::modFunctions
