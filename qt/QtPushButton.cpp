#include "qt/QtPushButton.h"

#include "qt/QtColors.h"
#include "qt/QtFonts.h"

#include <QGuiApplication>

namespace zev {

QtPushButton::QtPushButton(const WidgetDesign& design, const FontDesc& font, QWidget* parent, QtControlHost* host)
    : QtWidgetBase<PushButton, QPushButton>(design.name, new QPushButton(design.caption, parent), host), font_(font),
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
    QObject::connect(b, &QPushButton::clicked, context(), [this] { guarded([this] { raiseClick(); }); });
}

void QtPushButton::setAppearance(qint16 appearance)
{
    QWidget* w = widget();
    if (appearance == appearance_)
        return; // at its default a part has no zevAppearance property: making one per part is dear
    appearance_ = appearance;
    w->setProperty("zevAppearance", appearance);
}

void QtPushButton::applyColors()
{
    QWidget* w = qwidget();
    if (!w || (!foreColor_ && !backColor_))
        return;
    QPalette p = w->palette();
    const QPalette app = QGuiApplication::palette();
    if (backColor_)
        p.setColor(QPalette::Button, QtColors::toQColor(*backColor_, app));
    if (foreColor_ || backColor_) {
        const QColor text = QtColors::readableText(foreColor_, QPalette::ButtonText, backColor_, QPalette::Button, app);
        p.setColor(QPalette::Active, QPalette::ButtonText, text);
        p.setColor(QPalette::Inactive, QPalette::ButtonText, text);
    }
    writePalette(*w, p);
}

} // namespace zev
