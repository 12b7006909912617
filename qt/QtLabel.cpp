#include "qt/QtLabel.h"

#include "qt/QtColors.h"
#include "qt/QtFonts.h"

#include <QGuiApplication>

namespace zev {

QtLabel::QtLabel(const WidgetDesign& design, const FontDesc& font, QWidget* parent, QtControlHost* host)
    : QtWidgetBase<Label, QLabel>(design.name, new QLabel(parent), host)
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
    applyColors();
}

void QtLabel::setBackColor(OleColor color)
{
    backColor_ = color;
    applyColors();
}

void QtLabel::applyColors()
{
    QWidget* w = qwidget();
    if (!w)
        return;
    QPalette p = w->palette();
    p.setColor(QPalette::Window, QtColors::toQColor(backColor_, QGuiApplication::palette()));
    if (foreColor_)
        p.setColor(QPalette::WindowText, QtColors::toQColor(*foreColor_, QGuiApplication::palette()));
    w->setPalette(p);
}

} // namespace zev
