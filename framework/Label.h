#pragma once

#include "framework/OleColor.h"
#include "framework/Widget.h"
#include "framework/ZEVCoreExport.h"

namespace zev {

/// A plain label.
class ZEV_CORE_EXPORT Label : public Widget {
public:
    /// WidgetKind::Label.
    WidgetKind Kind() const override { return WidgetKind::Label; }

    /// The text shown.
    virtual QString Caption() const = 0;
    /// Sets the text shown.
    virtual void setCaption(const QString& caption) = 0;
    /// The background colour.
    virtual OleColor BackColor() const = 0;
    /// Sets the background colour.
    virtual void setBackColor(OleColor color) = 0;
};

} // namespace zev
