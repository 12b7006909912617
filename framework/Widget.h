#pragma once

#include "framework/ZEVCoreExport.h"

#include <QString>
#include <functional>

namespace zev {

/// The kinds of widget a control is made of.
enum class WidgetKind {
    FlatEdit,       ///< A one-line edit box (FlatEdit).
    PushButton,     ///< A button (PushButton).
    ComboBox,       ///< A drop-down list (ComboBox).
    DateTimePicker, ///< A date picker (DateTimePicker).
    SSPanel,        ///< A framed read-only text panel (SSPanel).
    Label           ///< A plain label (Label).
};

/// What every widget of a control offers. Positions and sizes are twips. Implementations refuse a negative
/// Width or Height with error 380.
class ZEV_CORE_EXPORT Widget {
public:
    /// Destroys the widget.
    virtual ~Widget() = default;

    /// The widget's kind.
    virtual WidgetKind Kind() const = 0;
    /// The widget's name in the control's design ("txtCode").
    virtual QString Name() const = 0;

    /// The distance from the control's left edge, in twips.
    virtual float Left() const = 0;
    /// Moves the widget to @p twips from the control's left edge.
    virtual void setLeft(float twips) = 0;
    /// The distance from the control's top edge, in twips.
    virtual float Top() const = 0;
    /// Moves the widget to @p twips from the control's top edge.
    virtual void setTop(float twips) = 0;
    /// The width in twips.
    virtual float Width() const = 0;
    /// Sets the width in twips; a negative width fails with 380.
    virtual void setWidth(float twips) = 0;
    /// The height in twips.
    virtual float Height() const = 0;
    /// Sets the height in twips; a negative height fails with 380.
    virtual void setHeight(float twips) = 0;
    /// Whether the widget is shown.
    virtual bool Visible() const = 0;
    /// Shows or hides the widget.
    virtual void setVisible(bool visible) = 0;
    /// Whether the widget takes input.
    virtual bool Enabled() const = 0;
    /// Enables or disables the widget.
    virtual void setEnabled(bool enabled) = 0;
    /// Gives the widget the focus; a hidden or disabled widget fails with 5.
    virtual void SetFocus() = 0;

    /// Run when the focus arrives (set by the control).
    std::function<void()> onGotFocus;
    /// Run when the focus leaves (set by the control).
    std::function<void()> onLostFocus;

    /// Drops every handler: a control that goes before the host's widgets leaves nothing of its own on them.
    virtual void clearHandlers()
    {
        onGotFocus = nullptr;
        onLostFocus = nullptr;
    }

    /// Runs onGotFocus, if set: the widget layer calls it when the focus arrives.
    void raiseGotFocus() { if (onGotFocus) onGotFocus(); }
    /// Runs onLostFocus, if set: the widget layer calls it when the focus leaves.
    void raiseLostFocus() { if (onLostFocus) onLostFocus(); }
};

} // namespace zev
