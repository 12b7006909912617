#pragma once

#include "framework/Enumerations.h"

#include <QString>

#include <QStringView>

namespace zev::modFunctions {

// The text without the blanks around it, as the forms trim: spaces only (a tab
// or a no-break space is part of the text).
QStringView TrimSpaces(QStringView text);

// The text with blanks (spaces only) trimmed and filled with "0" up to length,
// in front (Before) or behind (After). Never shortens; any other position, or a
// length the text already reaches, gives the trimmed text.
QString FillWithZeros(const QString& text, const qint16& length, const ePos_& position);

} // namespace zev::modFunctions
