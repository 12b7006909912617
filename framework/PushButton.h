#pragma once

#include "framework/Font.h"
#include "framework/Widget.h"
#include "framework/ZEVCoreExport.h"

namespace zev {

/// A push button.
class ZEV_CORE_EXPORT PushButton : public Widget {
public:
    /// WidgetKind::PushButton.
    WidgetKind Kind() const override { return WidgetKind::PushButton; }

    /// The button's text ("F3").
    virtual QString Caption() const = 0;
    /// Sets the button's text.
    virtual void setCaption(const QString& caption) = 0;
    /// The look: 0 flat, 1 three-dimensional.
    virtual qint16 Appearance() const = 0;
    /// Sets the look.
    virtual void setAppearance(qint16 appearance) = 0;
    /// The button's font object: changing it changes the button at once.
    virtual Font& font() = 0;

    /// Run when the button is clicked; set by the control.
    std::function<void()> onClick;
    /// Drops every handler, the click one too.
    void clearHandlers() override
    {
        Widget::clearHandlers();
        onClick = nullptr;
    }
    /// Runs onClick, if set: the widget layer calls it on a click.
    void raiseClick() { if (onClick) onClick(); }
};

} // namespace zev
