#pragma once

#include "framework/OleColor.h"

#include <QColor>
#include <QPalette>
#include <optional>

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

// The WCAG 2 contrast ratio of two colours, from 1 (same luminance) to 21.
double contrast(const QColor& a, const QColor& b);
// The least contrast that keeps ordinary text readable (WCAG AA).
constexpr double ReadableContrast = 4.5;

// The colour to draw a part's text in over its background. Each is an OLE
// colour or, when empty, the palette's role. Where one of the two follows the
// theme and the other was set as a fixed colour, a theme the form's author
// never saw can put them together badly (black text on a dark button face):
// below ReadableContrast the text takes the theme's own text colour for that
// background, or black or white over a fixed background. Two fixed colours,
// or two of the theme, are kept as they are.
QColor readableText(std::optional<OleColor> text, QPalette::ColorRole textRole, std::optional<OleColor> back,
                    QPalette::ColorRole backRole, const QPalette& palette);

// Paints role with color in every colour group. A system colour takes each
// group's own colour for it, the disabled look included, so a part left at
// its system colours keeps the palette it inherits (and costs no write).
void setBackground(QPalette& target, QPalette::ColorRole role, OleColor color, const QPalette& palette);
// Paints textRole, in the active and inactive groups (disabled text keeps the
// theme's greyed colour), with readableText's colour; where that is the
// theme's own, with each group's.
void setText(QPalette& target, QPalette::ColorRole textRole, std::optional<OleColor> text, std::optional<OleColor> back,
             QPalette::ColorRole backRole, const QPalette& palette);

// Where a kind of part paints its colours: its background roles, its text
// roles and the background its text must read on (NoRole: no second role).
struct PartRoles {
    QPalette::ColorRole back;
    QPalette::ColorRole alsoBack;
    QPalette::ColorRole text;
    QPalette::ColorRole alsoText;
    QPalette::ColorRole readOver;
    bool operator==(const PartRoles& o) const
    {
        return back == o.back && alsoBack == o.alsoBack && text == o.text && alsoText == o.alsoText
            && readOver == o.readOver;
    }
};
// The palette from which a part shows back (none: the palette's own) and text
// over it, through setBackground and setText, system colours from the
// application palette. The parts of a form ask the same of the same shared
// palettes, so the last answers are kept and handed out as shared copies.
QPalette painted(const QPalette& from, const PartRoles& roles, std::optional<OleColor> back,
                 std::optional<OleColor> text);
} // namespace QtColors

} // namespace zev
