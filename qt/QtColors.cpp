#include "qt/QtColors.h"

#include "qt/QtRecent.h"

#include <QGuiApplication>
#include <algorithm>
#include <cmath>

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

namespace {
double luminance(const QColor& c)
{
    const QColor rgb = c.toRgb();
    auto channel = [](float v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(rgb.redF()) + 0.7152 * channel(rgb.greenF()) + 0.0722 * channel(rgb.blueF());
}

// The text role the palette pairs with a background role.
QPalette::ColorRole textRoleOver(QPalette::ColorRole back, const QPalette& palette)
{
    switch (back) {
    case QPalette::Base:
    case QPalette::AlternateBase: return QPalette::Text;
    case QPalette::Button: return QPalette::ButtonText;
    case QPalette::Window: return QPalette::WindowText;
    case QPalette::Highlight: return QPalette::HighlightedText;
    case QPalette::ToolTipBase: return QPalette::ToolTipText;
    default: {
        const QColor b = palette.color(QPalette::Active, back);
        return contrast(palette.color(QPalette::Active, QPalette::Text), b)
                >= contrast(palette.color(QPalette::Active, QPalette::WindowText), b)
            ? QPalette::Text
            : QPalette::WindowText;
    }
    }
}
} // namespace

double contrast(const QColor& a, const QColor& b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor readableText(std::optional<OleColor> text, QPalette::ColorRole textRole, std::optional<OleColor> back,
                    QPalette::ColorRole backRole, const QPalette& palette)
{
    const QColor t = text ? toQColor(*text, palette) : palette.color(QPalette::Active, textRole);
    const QColor b = back ? toQColor(*back, palette) : palette.color(QPalette::Active, backRole);
    const bool themedText = !text || Colors::isSystemColor(*text);
    const bool themedBack = !back || Colors::isSystemColor(*back);
    if (themedText == themedBack || contrast(t, b) >= ReadableContrast)
        return t;
    if (themedBack)
        return palette.color(QPalette::Active, textRoleOver(back ? systemRole(*back) : backRole, palette));
    return contrast(Qt::black, b) >= contrast(Qt::white, b) ? QColor(Qt::black) : QColor(Qt::white);
}

void setBackground(QPalette& target, QPalette::ColorRole role, OleColor color, const QPalette& palette)
{
    if (!Colors::isSystemColor(color)) {
        target.setColor(role, toQColor(color, palette));
        return;
    }
    const QPalette::ColorRole own = systemRole(color);
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        target.setColor(group, role, palette.color(group, own));
}

void setText(QPalette& target, QPalette::ColorRole textRole, std::optional<OleColor> text, std::optional<OleColor> back,
             QPalette::ColorRole backRole, const QPalette& palette)
{
    const QColor colour = readableText(text, textRole, back, backRole, palette);
    const QPalette::ColorRole themed = text && Colors::isSystemColor(*text) ? systemRole(*text) : textRole;
    const bool fixed = (text && !Colors::isSystemColor(*text)) || colour != palette.color(QPalette::Active, themed);
    for (auto group : {QPalette::Active, QPalette::Inactive})
        target.setColor(group, textRole, fixed ? colour : palette.color(group, themed));
}

QPalette painted(const QPalette& from, const PartRoles& roles, std::optional<OleColor> back,
                 std::optional<OleColor> text)
{
    struct Kept {
        QPalette from, app, result;
        PartRoles roles;
        std::optional<OleColor> back, text;
    };
    static QtRecent<Kept> kept;
    const QPalette app = QGuiApplication::palette();
    if (const Kept* k = kept.find([&](const Kept& k) {
            return k.from.isCopyOf(from) && k.app.isCopyOf(app) && k.roles == roles && k.back == back
                && k.text == text;
        }))
        return k->result;
    QPalette p = from;
    if (back) {
        setBackground(p, roles.back, *back, app);
        if (roles.alsoBack != QPalette::NoRole)
            setBackground(p, roles.alsoBack, *back, app);
    }
    setText(p, roles.text, text, back, roles.readOver, app);
    if (roles.alsoText != QPalette::NoRole)
        setText(p, roles.alsoText, text, back, roles.readOver, app);
    kept.add(Kept{from, app, p, roles, back, text});
    return p;
}

} // namespace zev::QtColors
