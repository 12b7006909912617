#include "qt/QtFonts.h"

#include <algorithm>

namespace zev::QtFonts {

QFont toQFont(const FontDesc& font)
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

} // namespace zev::QtFonts
