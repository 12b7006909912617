#pragma once

#include "framework/Label.h"
#include "testkit/TestWidgetBase.h"

namespace zev {

/// An in-memory label; it never takes the focus.
class TestLabel : public TestWidgetBase<Label> {
public:
    /// The label of @p design, served by @p host.
    TestLabel(const WidgetDesign& design, TestHost* host) : TestWidgetBase<Label>(design, host), caption_(design.caption)
    {
        if (design.backColor)
            backColor_ = *design.backColor;
    }

    QString Caption() const override { return caption_; }
    void setCaption(const QString& caption) override { caption_ = caption; }
    OleColor BackColor() const override { return backColor_; }
    void setBackColor(OleColor color) override { backColor_ = color; }
    /// False: a label takes no focus.
    bool focusable() const override { return false; }

private:
    QString caption_;
    OleColor backColor_ = Colors::ButtonFace;
};

} // namespace zev
