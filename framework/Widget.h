#pragma once

#include "framework/ZEVCoreExport.h"

#include <QString>
#include <functional>

namespace zev {

enum class WidgetKind { FlatEdit, PushButton, ComboBox, DateTimePicker, SSPanel, Label };

// What every widget of a control offers. Positions and sizes are twips.
// Implementations refuse a negative Width or Height with error 380.
class ZEV_CORE_EXPORT Widget {
public:
    virtual ~Widget() = default;

    virtual WidgetKind Kind() const = 0;
    virtual QString Name() const = 0;

    virtual float Left() const = 0;
    virtual void setLeft(float twips) = 0;
    virtual float Top() const = 0;
    virtual void setTop(float twips) = 0;
    virtual float Width() const = 0;
    virtual void setWidth(float twips) = 0;
    virtual float Height() const = 0;
    virtual void setHeight(float twips) = 0;
    virtual bool Visible() const = 0;
    virtual void setVisible(bool visible) = 0;
    virtual bool Enabled() const = 0;
    virtual void setEnabled(bool enabled) = 0;
    virtual void SetFocus() = 0;

    // Focus events, raised by the widget layer when the focus arrives or leaves.
    std::function<void()> onGotFocus;
    std::function<void()> onLostFocus;

    // Drops every handler: a control that goes before the host's widgets leaves nothing of its own on them.
    virtual void clearHandlers()
    {
        onGotFocus = nullptr;
        onLostFocus = nullptr;
    }

    void raiseGotFocus() { if (onGotFocus) onGotFocus(); }
    void raiseLostFocus() { if (onLostFocus) onLostFocus(); }
};

} // namespace zev
