#include "qt/QtPushButton.h"

#include "qt/QtColors.h"
#include "qt/QtFonts.h"


namespace zev {

QtPushButton::QtPushButton(const WidgetDesign& design, const FontDesc& font, QWidget* parent, QtControlHost* host)
    : QtWidgetBase<PushButton, QPushButton>(design.name, new QtPart<QPushButton>(design.caption, parent), host), font_(font),
      foreColor_(design.foreColor), backColor_(design.backColor)
{
    QPushButton* b = widget();
    b->setAutoDefault(true); // Enter on the focused button clicks it
    if (!design.focusOnClick)
        b->setFocusPolicy(Qt::TabFocus);
    recolor();
    b->setFont(QtFonts::toQFont(font_.value()));
    font_.onChanged = [this] {
        if (QWidget* w = qwidget())
            w->setFont(QtFonts::toQFont(font_.value()));
    };
    connectPart(b, &QPushButton::clicked, [this] { guarded([this] { raiseClick(); }); });
}

void QtPushButton::setAppearance(qint16 appearance)
{
    widget(); // fails as a write to a destroyed widget does
    // Kept, not drawn: the Qt style draws a part alike, flat or 3D.
    appearance_ = appearance;
}

void QtPushButton::applyColors()
{
    QWidget* w = qwidget();
    if (!w || (!foreColor_ && !backColor_))
        return;
    constexpr QtColors::PartRoles roles{QPalette::Button, QPalette::NoRole, QPalette::ButtonText, QPalette::NoRole,
                                        QPalette::Button};
    writePalette(*w, QtColors::painted(w->palette(), roles, backColor_, foreColor_));
}

} // namespace zev
