#include "qt/QtSSPanel.h"

#include "qt/QtColors.h"
#include "qt/QtControlHost.h"
#include "qt/QtFonts.h"


namespace zev {

QtSSPanel::QtSSPanel(const WidgetDesign& design, const FontDesc& font, QWidget* parent, QtControlHost* host)
    : QtWidgetBase<SSPanel, QLabel>(design.name, new QtPart<QLabel>(parent), host), font_(font)
{
    QLabel* l = widget();
    l->setTextFormat(Qt::PlainText);
    l->setText(design.caption);
    l->setFrameShape(QFrame::Panel);
    l->setFrameShadow(QFrame::Raised);
    l->setLineWidth(1);
    l->setIndent(3);
    l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    l->setAutoFillBackground(true);
    l->setFocusPolicy(Qt::NoFocus);
    if (design.foreColor)
        foreColor_ = *design.foreColor;
    if (design.backColor)
        backColor_ = *design.backColor;
    recolor();
    l->setFont(QtFonts::toQFont(font_.value()));
    font_.onChanged = [this] {
        if (QWidget* w = qwidget())
            w->setFont(QtFonts::toQFont(font_.value()));
    };
}

void QtSSPanel::setCaption(const QString& caption)
{
    widget()->setText(caption);
    if (QtControlHost* host = controlHost())
        host->tellPartContentChanged();
}

void QtSSPanel::setBackColor(OleColor color)
{
    backColor_ = color;
    recolor();
}

void QtSSPanel::setForeColor(OleColor color)
{
    foreColor_ = color;
    recolor();
}

void QtSSPanel::applyColors()
{
    QWidget* w = qwidget();
    if (!w)
        return;
    constexpr QtColors::PartRoles roles{QPalette::Window, QPalette::NoRole, QPalette::WindowText, QPalette::NoRole,
                                        QPalette::Window};
    writePalette(*w, QtColors::painted(w->palette(), roles, backColor_, foreColor_));
}

} // namespace zev
