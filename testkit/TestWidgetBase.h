#pragma once

#include "framework/ControlError.h"
#include "framework/WidgetDesign.h"

namespace zev {

class TestHost;
class Widget;

// The host's side of focus handling, for the widget templates below.
void testHostMoveFocus(TestHost* host, Widget* widget);
void testHostNoLongerFocusable(TestHost* host, Widget* widget);

// Geometry, visibility, enabling and focus shared by the in-memory widgets.
template <typename Interface>
class TestWidgetBase : public Interface {
public:
    TestWidgetBase(const WidgetDesign& design, TestHost* host)
        : host_(host), name_(design.name), left_(design.left), top_(design.top), width_(design.width),
          height_(design.height), visible_(design.visible)
    {
    }

    QString Name() const override { return name_; }
    float Left() const override { return left_; }
    void setLeft(float twips) override { left_ = twips; }
    float Top() const override { return top_; }
    void setTop(float twips) override { top_ = twips; }
    float Width() const override { return width_; }
    void setWidth(float twips) override
    {
        if (twips < 0)
            throw ControlError(ErrInvalidPropertyValue);
        width_ = twips;
    }
    float Height() const override { return height_; }
    void setHeight(float twips) override
    {
        if (twips < 0)
            throw ControlError(ErrInvalidPropertyValue);
        height_ = twips;
    }
    bool Visible() const override { return visible_; }
    void setVisible(bool visible) override;
    bool Enabled() const override { return enabled_; }
    void setEnabled(bool enabled) override;
    void SetFocus() override;

    // Whether the user can put the focus here (and type or click).
    bool canTakeFocus() const { return visible_ && enabled_ && focusable(); }
    virtual bool focusable() const { return true; }

protected:
    TestHost* host_;

private:
    QString name_;
    float left_, top_, width_, height_;
    bool visible_;
    bool enabled_ = true;
};

template <typename Interface>
void TestWidgetBase<Interface>::setVisible(bool visible)
{
    visible_ = visible;
    if (!visible && host_)
        testHostNoLongerFocusable(host_, this);
}

template <typename Interface>
void TestWidgetBase<Interface>::setEnabled(bool enabled)
{
    enabled_ = enabled;
    if (!enabled && host_)
        testHostNoLongerFocusable(host_, this);
}

template <typename Interface>
void TestWidgetBase<Interface>::SetFocus()
{
    // As on real forms, a hidden or disabled widget cannot take the focus.
    if (!canTakeFocus())
        throw ControlError(ErrInvalidProcedureCall, QStringLiteral("%1 cannot take the focus").arg(name_));
    if (host_)
        testHostMoveFocus(host_, this);
}

} // namespace zev
