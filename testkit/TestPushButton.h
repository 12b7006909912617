#pragma once

#include "framework/PushButton.h"
#include "testkit/TestWidgetBase.h"

namespace zev {

/// An in-memory button, clicked with TestHost::click().
class TestPushButton : public TestWidgetBase<PushButton> {
public:
    /// The button of @p design, in @p font, served by @p host.
    TestPushButton(const WidgetDesign& design, const FontDesc& font, TestHost* host)
        : TestWidgetBase<PushButton>(design, host), caption_(design.caption), font_(font),
          focusOnClick_(design.focusOnClick)
    {
    }

    QString Caption() const override { return caption_; }
    void setCaption(const QString& caption) override { caption_ = caption; }
    qint16 Appearance() const override { return appearance_; }
    void setAppearance(qint16 appearance) override { appearance_ = appearance; }
    Font& font() override { return font_; }
    /// Whether a click moves the focus to the button (WidgetDesign::focusOnClick).
    bool focusOnClick() const { return focusOnClick_; }

private:
    QString caption_;
    qint16 appearance_ = 0;
    Font font_;
    bool focusOnClick_;
};

} // namespace zev
