#include "qt/QtLabel.h"

#include "qt/QtColors.h"
#include "qt/QtFonts.h"


namespace zev {

QtLabel::QtLabel(const WidgetDesign& design, const FontDesc& font, QWidget* parent, QtControlHost* host)
    : QtWidgetBase<Label, QLabel>(design.name, new QtPart<QLabel>(parent), host)
{
    QLabel* l = widget();
    l->setTextFormat(Qt::PlainText);
    l->setText(design.caption);
    l->setWordWrap(true);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    l->setAutoFillBackground(true);
    l->setFocusPolicy(Qt::NoFocus);
    l->setFont(QtFonts::toQFont(font));
    if (design.backColor)
        backColor_ = *design.backColor;
    foreColor_ = design.foreColor;
    recolor();
}

void QtLabel::setBackColor(OleColor color)
{
    backColor_ = color;
    recolor();
}

void QtLabel::applyColors()
{
    QWidget* w = qwidget();
    if (!w)
        return;
    // The theme's text stays the theme's unless it would not read on a fixed background.
    constexpr QtColors::PartRoles roles{QPalette::Window, QPalette::NoRole, QPalette::WindowText, QPalette::NoRole,
                                        QPalette::Window};
    writePalette(*w, QtColors::painted(w->palette(), roles, backColor_, foreColor_));
}

} // namespace zev
