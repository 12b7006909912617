#pragma once

#include "framework/PushButton.h"
#include "qt/QtAdapter.h"

#include <QPushButton>
#include <optional>

namespace zev {

// A PushButton over a QPushButton: a click, Space or Enter on the focused
// button raises Click. A button whose design says it leaves the focus where it
// is on a click (focusOnClick false) is reached by Tab only, so that the edit
// box the user was typing in keeps the focus, and its text, through the click.
class QtPushButton : public QtWidgetBase<PushButton, QPushButton> {
public:
    QtPushButton(const WidgetDesign& design, const FontDesc& font, QWidget* parent, QtControlHost* host);

    QString Caption() const override { return widget()->text(); }
    void setCaption(const QString& caption) override { widget()->setText(caption); }
    qint16 Appearance() const override { return appearance_; }
    void setAppearance(qint16 appearance) override;
    Font& font() override { return font_; }

    void applyColors() override;

private:
    Font font_;
    qint16 appearance_ = 0;
    // Colours a design gives; otherwise the theme's.
    std::optional<OleColor> foreColor_;
    std::optional<OleColor> backColor_;
};

} // namespace zev
