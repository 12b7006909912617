#pragma once

#include "framework/Font.h"
#include "framework/OleColor.h"
#include "framework/Widget.h"
#include "framework/ZEVCoreExport.h"

namespace zev {

// A framed, read-only text panel.
class ZEV_CORE_EXPORT SSPanel : public Widget {
public:
    WidgetKind Kind() const override { return WidgetKind::SSPanel; }

    virtual QString Caption() const = 0;
    virtual void setCaption(const QString& caption) = 0;
    virtual OleColor BackColor() const = 0;
    virtual void setBackColor(OleColor color) = 0;
    virtual OleColor ForeColor() const = 0;
    virtual void setForeColor(OleColor color) = 0;
    virtual Font& font() = 0;
};

} // namespace zev
