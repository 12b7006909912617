#pragma once

#include "framework/ControlError.h"
#include "framework/WidgetDesign.h"

namespace zev {

class TestHost;
class Widget;

/// The host's side of focus handling, for the widget templates below: the focus moves to @p widget.
void testHostMoveFocus(TestHost* host, Widget* widget);
/// @p widget can no longer hold the focus (hidden or disabled): the host lets it go.
void testHostNoLongerFocusable(TestHost* host, Widget* widget);

/// Geometry, visibility, enabling and focus shared by the in-memory widgets; @p Interface is the widget
/// contract implemented (FlatEdit, ComboBox...).
template <typename Interface>
class TestWidgetBase : public Interface {
public:
    /// A widget placed and shown as @p design says, enabled, served by @p host.
    TestWidgetBase(const WidgetDesign& design, TestHost* host)
        : host_(host), name_(design.name), left_(design.left), top_(design.top), width_(design.width),
          height_(design.height), visible_(design.visible)
    {
    }

    /// The design's name.
    QString Name() const override { return name_; }
    /// The distance from the control's left edge, in twips.
    float Left() const override { return left_; }
    /// Moves the widget.
    void setLeft(float twips) override { left_ = twips; }
    /// The distance from the control's top edge, in twips.
    float Top() const override { return top_; }
    /// Moves the widget.
    void setTop(float twips) override { top_ = twips; }
    /// The width in twips.
    float Width() const override { return width_; }
    /// Sets the width; a negative one fails with 380.
    void setWidth(float twips) override
    {
        if (twips < 0)
            throw ControlError(ErrInvalidPropertyValue);
        width_ = twips;
    }
    /// The height in twips.
    float Height() const override { return height_; }
    /// Sets the height; a negative one fails with 380.
    void setHeight(float twips) override
    {
        if (twips < 0)
            throw ControlError(ErrInvalidPropertyValue);
        height_ = twips;
    }
    /// Whether it is shown.
    bool Visible() const override { return visible_; }
    /// Shows or hides it; hidden, it lets the focus go.
    void setVisible(bool visible) override;
    /// Whether it takes input.
    bool Enabled() const override { return enabled_; }
    /// Enables or disables it; disabled, it lets the focus go.
    void setEnabled(bool enabled) override;
    /// Takes the focus; a hidden or disabled widget, or one that takes none, fails with 5.
    void SetFocus() override;

    /// Whether the user can put the focus here (and type or click).
    bool canTakeFocus() const { return visible_ && enabled_ && focusable(); }
    /// Whether the kind of widget takes the focus at all (labels and panels do not).
    virtual bool focusable() const { return true; }

protected:
    TestHost* host_; ///< The host it tells of focus changes.

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
