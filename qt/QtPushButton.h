#pragma once

#include "framework/PushButton.h"
#include "qt/QtAdapter.h"

#include <QPushButton>

namespace zev {

// A PushButton over a QPushButton: a click, Space or Enter on the focused
// button raises Click.
class QtPushButton : public QtWidgetBase<PushButton, QPushButton> {
public:
    QtPushButton(const WidgetDesign& design, const FontDesc& font, QWidget* parent, QtControlHost* host);

    QString Caption() const override { return widget()->text(); }
    void setCaption(const QString& caption) override { widget()->setText(caption); }
    qint16 Appearance() const override { return appearance_; }
    void setAppearance(qint16 appearance) override;
    Font& font() override { return font_; }

private:
    Font font_;
    qint16 appearance_ = 0;
};

} // namespace zev
