#pragma once

#include "framework/Font.h"
#include "framework/Widget.h"
#include "framework/ZEVCoreExport.h"

namespace zev {

class ZEV_CORE_EXPORT PushButton : public Widget {
public:
    WidgetKind Kind() const override { return WidgetKind::PushButton; }

    virtual QString Caption() const = 0;
    virtual void setCaption(const QString& caption) = 0;
    virtual qint16 Appearance() const = 0;
    virtual void setAppearance(qint16 appearance) = 0;
    virtual Font& font() = 0;

    std::function<void()> onClick;
    void clearHandlers() override
    {
        Widget::clearHandlers();
        onClick = nullptr;
    }
    void raiseClick() { if (onClick) onClick(); }
};

} // namespace zev
