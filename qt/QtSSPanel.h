#pragma once

#include "framework/SSPanel.h"
#include "qt/QtAdapter.h"

#include <QLabel>

namespace zev {

// An SSPanel over a framed QLabel (a raised one-pixel bevel); the caption is
// plain text, never markup.
class QtSSPanel : public QtWidgetBase<SSPanel, QLabel> {
public:
    QtSSPanel(const WidgetDesign& design, const FontDesc& font, QWidget* parent, QtControlHost* host);

    QString Caption() const override { return widget()->text(); }
    void setCaption(const QString& caption) override;
    OleColor BackColor() const override { return backColor_; }
    void setBackColor(OleColor color) override;
    OleColor ForeColor() const override { return foreColor_; }
    void setForeColor(OleColor color) override;
    Font& font() override { return font_; }

    void applyColors() override;

private:
    Font font_;
    OleColor foreColor_ = Colors::ButtonText;
    OleColor backColor_ = Colors::ButtonFace;
};

} // namespace zev
