#pragma once

#include "framework/SSPanel.h"
#include "testkit/TestWidgetBase.h"

namespace zev {

/// An in-memory text panel; it never takes the focus.
class TestSSPanel : public TestWidgetBase<SSPanel> {
public:
    /// The panel of @p design, in @p font, served by @p host.
    TestSSPanel(const WidgetDesign& design, const FontDesc& font, TestHost* host)
        : TestWidgetBase<SSPanel>(design, host), caption_(design.caption), font_(font)
    {
        if (design.foreColor)
            foreColor_ = *design.foreColor;
        if (design.backColor)
            backColor_ = *design.backColor;
    }

    QString Caption() const override { return caption_; }
    void setCaption(const QString& caption) override { caption_ = caption; }
    OleColor BackColor() const override { return backColor_; }
    void setBackColor(OleColor color) override { backColor_ = color; }
    OleColor ForeColor() const override { return foreColor_; }
    void setForeColor(OleColor color) override { foreColor_ = color; }
    Font& font() override { return font_; }
    /// False: a panel takes no focus.
    bool focusable() const override { return false; }

private:
    QString caption_;
    Font font_;
    OleColor foreColor_ = Colors::ButtonText;
    OleColor backColor_ = Colors::ButtonFace;
};

} // namespace zev
