#pragma once

#include "framework/Font.h"
#include "framework/OleColor.h"
#include "framework/Widget.h"

#include <QString>
#include <optional>
#include <vector>

namespace zev {

/// One widget of a control's (or form's) design layout, in twips. Fields left empty take the widget layer's
/// defaults. Widgets are listed in tab order.
struct WidgetDesign {
    QString name; ///< The widget's name ("txtCode").
    WidgetKind kind = WidgetKind::FlatEdit; ///< Its kind.
    float left = 0; ///< Its distance from the left edge.
    float top = 0; ///< Its distance from the top edge.
    float width = 0; ///< Its width.
    float height = 0; ///< Its height.
    QString caption;                       ///< Button, panel and label captions.
    std::optional<FontDesc> font;          ///< The control's font when empty.
    std::optional<OleColor> foreColor; ///< Its text colour, if not the widget layer's.
    std::optional<OleColor> backColor; ///< Its background colour, if not the widget layer's.
    bool visible = true; ///< Whether it is shown at first.
    /// False for a button that leaves the focus where it is when clicked (it is reached by Tab only), so that
    /// a code typed just before survives the click.
    bool focusOnClick = true;

    /// One entry of a design layout.
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

/// A control's design: its surface and its widgets.
struct ControlDesign {
    float width = 0; ///< The surface's width in twips.
    float height = 0; ///< The surface's height in twips.
    FontDesc font; ///< The control's font.
    std::vector<WidgetDesign> widgets; ///< Its widgets, in tab order.
};

/// A form of the library's own (the about form).
struct FormDesign {
    QString name; ///< The form's name.
    QString caption; ///< Its window title.
    float clientWidth = 0; ///< Its client area's width in twips.
    float clientHeight = 0; ///< Its client area's height in twips.
    FontDesc font; ///< The form's font.
    std::vector<WidgetDesign> widgets; ///< Its widgets, in tab order.
};

} // namespace zev
