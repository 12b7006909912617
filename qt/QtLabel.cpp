#include "qt/QtLabel.h"

#include "qt/QtColors.h"
#include "qt/QtFonts.h"

#include <QGuiApplication>

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
    QPalette p = w->palette();
    const QPalette app = QGuiApplication::palette();
    QtColors::setBackground(p, QPalette::Window, backColor_, app);
    // The theme's text stays the theme's unless it would not read on a fixed background.
    QtColors::setText(p, QPalette::WindowText, foreColor_, backColor_, QPalette::Window, app);
    writePalette(*w, p);
}

} // namespace zev
