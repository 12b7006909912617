#pragma once

#include "framework/Font.h"
#include "framework/Widget.h"

namespace zev {

class PushButton : public Widget {
public:
    WidgetKind Kind() const override { return WidgetKind::PushButton; }

    virtual QString Caption() const = 0;
    virtual void setCaption(const QString& caption) = 0;
    virtual qint16 Appearance() const = 0;
    virtual void setAppearance(qint16 appearance) = 0;
    virtual Font& font() = 0;

    std::function<void()> onClick;
    void raiseClick() { if (onClick) onClick(); }
};

} // namespace zev
