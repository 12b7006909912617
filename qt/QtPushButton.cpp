#include "qt/QtPushButton.h"

#include "qt/QtFonts.h"

namespace zev {

QtPushButton::QtPushButton(const WidgetDesign& design, const FontDesc& font, QWidget* parent, QtControlHost* host)
    : QtWidgetBase<PushButton, QPushButton>(design.name, new QPushButton(design.caption, parent), host), font_(font)
{
    QPushButton* b = widget();
    b->setAutoDefault(true); // Enter on the focused button clicks it
    b->setProperty("zevAppearance", appearance_);
    b->setFont(QtFonts::toQFont(font_.value()));
    font_.onChanged = [this] {
        if (QWidget* w = qwidget())
            w->setFont(QtFonts::toQFont(font_.value()));
    };
    QObject::connect(b, &QPushButton::clicked, context(), [this] { guarded([this] { raiseClick(); }); });
}

void QtPushButton::setAppearance(qint16 appearance)
{
    appearance_ = appearance;
    widget()->setProperty("zevAppearance", appearance);
}

} // namespace zev
