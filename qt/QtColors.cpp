#include "qt/QtColors.h"

#include <QGuiApplication>

namespace zev::QtColors {

QPalette::ColorRole systemRole(OleColor color)
{
    // The system colour numbers of the forms this library's users port.
    switch (Colors::systemColorIndex(color)) {
    case 0x00: return QPalette::Mid;             // scroll bars
    case 0x01: return QPalette::Window;          // desktop
    case 0x02: return QPalette::Highlight;       // active caption
    case 0x03: return QPalette::Mid;             // inactive caption
    case 0x04: return QPalette::Window;          // menu bar
    case 0x05: return QPalette::Base;            // window background
    case 0x06: return QPalette::Shadow;          // window frame
    case 0x07: return QPalette::WindowText;      // menu text
    case 0x08: return QPalette::Text;            // window text
    case 0x09: return QPalette::HighlightedText; // active caption text
    case 0x0A: return QPalette::Mid;             // active border
    case 0x0B: return QPalette::Midlight;        // inactive border
    case 0x0C: return QPalette::Dark;            // application workspace
    case 0x0D: return QPalette::Highlight;       // highlight
    case 0x0E: return QPalette::HighlightedText; // highlight text
    case 0x0F: return QPalette::Button;          // button face
    case 0x10: return QPalette::Dark;            // button shadow
    case 0x11: return QPalette::PlaceholderText; // grey text
    case 0x12: return QPalette::ButtonText;      // button text
    case 0x13: return QPalette::WindowText;      // inactive caption text
    case 0x14: return QPalette::Light;           // 3D highlight
    case 0x15: return QPalette::Shadow;          // 3D dark shadow
    case 0x16: return QPalette::Midlight;        // 3D light
    case 0x17: return QPalette::ToolTipText;     // tool tip text
    case 0x18: return QPalette::ToolTipBase;     // tool tip background
    default: return QPalette::Window;
    }
}

QColor toQColor(OleColor color, const QPalette& palette)
{
    if (Colors::isSystemColor(color))
        return palette.color(QPalette::Active, systemRole(color));
    // Only the low three bytes carry the colour; the high byte of a plain value is a palette flag.
    return QColor(int(color & 0xFFu), int((color >> 8) & 0xFFu), int((color >> 16) & 0xFFu));
}

QColor toQColor(OleColor color) { return toQColor(color, QGuiApplication::palette()); }

OleColor fromQColor(const QColor& color)
{
    const QColor rgb = color.toRgb();
    return OleColor(rgb.red()) | (OleColor(rgb.green()) << 8) | (OleColor(rgb.blue()) << 16);
}

} // namespace zev::QtColors
