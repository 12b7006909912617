#pragma once

#include "framework/Label.h"
#include "testkit/TestWidgetBase.h"

namespace zev {

class TestLabel : public TestWidgetBase<Label> {
public:
    TestLabel(const WidgetDesign& design, TestHost* host) : TestWidgetBase<Label>(design, host), caption_(design.caption)
    {
        if (design.backColor)
            backColor_ = *design.backColor;
    }

    QString Caption() const override { return caption_; }
    void setCaption(const QString& caption) override { caption_ = caption; }
    OleColor BackColor() const override { return backColor_; }
    void setBackColor(OleColor color) override { backColor_ = color; }
    bool focusable() const override { return false; }

private:
    QString caption_;
    OleColor backColor_ = Colors::ButtonFace;
};

} // namespace zev
