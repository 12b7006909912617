#pragma once

#include "framework/OleColor.h"
#include "framework/Widget.h"
#include "framework/ZEVCoreExport.h"

namespace zev {

class ZEV_CORE_EXPORT Label : public Widget {
public:
    WidgetKind Kind() const override { return WidgetKind::Label; }

    virtual QString Caption() const = 0;
    virtual void setCaption(const QString& caption) = 0;
    virtual OleColor BackColor() const = 0;
    virtual void setBackColor(OleColor color) = 0;
};

} // namespace zev
