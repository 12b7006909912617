#pragma once

#include "framework/Font.h"
#include "framework/OleColor.h"
#include "framework/Widget.h"
#include "framework/ZEVCoreExport.h"

namespace zev {

/// A framed, read-only text panel.
class ZEV_CORE_EXPORT SSPanel : public Widget {
public:
    /// WidgetKind::SSPanel.
    WidgetKind Kind() const override { return WidgetKind::SSPanel; }

    /// The text shown.
    virtual QString Caption() const = 0;
    /// Sets the text shown.
    virtual void setCaption(const QString& caption) = 0;
    /// The background colour.
    virtual OleColor BackColor() const = 0;
    /// Sets the background colour.
    virtual void setBackColor(OleColor color) = 0;
    /// The text colour.
    virtual OleColor ForeColor() const = 0;
    /// Sets the text colour.
    virtual void setForeColor(OleColor color) = 0;
    /// The panel's font object: changing it changes the panel at once.
    virtual Font& font() = 0;
};

} // namespace zev
