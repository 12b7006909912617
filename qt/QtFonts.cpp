#include "qt/QtFonts.h"

#include "qt/QtDesignFonts.h"
#include "qt/QtRecent.h"

#include <QGuiApplication>
#include <algorithm>

namespace zev::QtFonts {

namespace {
QFont makeQFont(const FontDesc& font)
{
    QFont f;
    f.setFamily(font.name);
    f.setPointSizeF(font.size > 0 ? font.size : 8.25);
    // QFont takes weights 1 to 1000 on the same 100-900 scale. Where a stored
    // value has Bold and Weight disagree, Bold wins: it is what the controls set.
    int weight = std::clamp<int>(font.weight, 1, 1000);
    if (font.bold && weight < QFont::DemiBold)
        weight = QFont::Bold;
    else if (!font.bold && weight >= QFont::DemiBold)
        weight = QFont::Normal;
    f.setWeight(QFont::Weight(weight));
    f.setItalic(font.italic);
    f.setUnderline(font.underline);
    f.setStrikeOut(font.strikethrough);
    return f;
}
} // namespace

QFont toQFont(const FontDesc& font)
{
    // Every font the widgets show is made here, so the design faces are
    // there before the first one is used.
    QtDesignFonts::ensureLoaded();
    // A form's parts show a few fonts: the last ones made are kept (a QFont
    // is shared data). The unset attributes come from the application font.
    struct Kept {
        FontDesc desc;
        QFont appFont, font;
    };
    static QtRecent<Kept> kept;
    const QFont app = QGuiApplication::font();
    if (const Kept* k = kept.find([&](const Kept& k) { return k.desc == font && k.appFont == app; }))
        return k->font;
    QFont made = makeQFont(font);
    kept.add(Kept{font, app, made});
    return made;
}

} // namespace zev::QtFonts

namespace zev::QtFonts {

FontDesc fromQFont(const QFont& font, const FontDesc& base)
{
    FontDesc f = base;
    const uint mask = font.resolveMask();
    if ((mask & (QFont::FamilyResolved | QFont::FamiliesResolved)) && !font.family().isEmpty())
        f.name = font.family();
    if ((mask & QFont::SizeResolved) && font.pointSizeF() > 0)
        f.size = font.pointSizeF();
    if (mask & QFont::WeightResolved) {
        f.weight = qint16(font.weight());
        f.bold = font.bold();
    }
    if (mask & QFont::StyleResolved)
        f.italic = font.italic();
    if (mask & QFont::UnderlineResolved)
        f.underline = font.underline();
    if (mask & QFont::StrikeOutResolved)
        f.strikethrough = font.strikeOut();
    return f;
}

} // namespace zev::QtFonts
