#pragma once

#include "framework/Font.h"
#include "framework/OleColor.h"
#include "framework/Widget.h"

#include <QString>
#include <optional>
#include <vector>

namespace zev {

// One widget of a control's (or form's) design layout, in twips. Fields left
// empty take the widget layer's defaults. Widgets are listed in tab order.
struct WidgetDesign {
    QString name;
    WidgetKind kind = WidgetKind::FlatEdit;
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;
    QString caption;                       // button, panel and label captions
    std::optional<FontDesc> font;          // the control's font when empty
    std::optional<OleColor> foreColor;
    std::optional<OleColor> backColor;
    bool visible = true;
    // False for a button that leaves the focus where it is when clicked (it is
    // reached by Tab only), so that a code typed just before survives the click.
    bool focusOnClick = true;

    // One entry of a design layout.
    static WidgetDesign make(const QString& name, WidgetKind kind, float left, float top, float width, float height,
                             const FontDesc& font = FontDesc(), const QString& caption = QString())
    {
        WidgetDesign d;
        d.name = name;
        d.kind = kind;
        d.left = left;
        d.top = top;
        d.width = width;
        d.height = height;
        d.font = font;
        d.caption = caption;
        return d;
    }
};

// A control's design: its surface and its widgets.
struct ControlDesign {
    float width = 0;
    float height = 0;
    FontDesc font;
    std::vector<WidgetDesign> widgets;
};

// A form of the library's own (the about form).
struct FormDesign {
    QString name;
    QString caption;
    float clientWidth = 0;
    float clientHeight = 0;
    FontDesc font;
    std::vector<WidgetDesign> widgets;
};

} // namespace zev
