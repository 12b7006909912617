#pragma once

#include "framework/Widget.h"
#include "framework/ZEVCoreExport.h"

#include <QString>

namespace zev {

/// A form of the library's own (the about form), made by the widget layer from a FormDesign.
class ZEV_CORE_EXPORT Form {
public:
    /// Destroys the form and its widgets.
    virtual ~Form() = default;
    /// The form's name ("frmAbout").
    virtual QString Name() const = 0;
    /// The form's window title.
    virtual QString Caption() const = 0;
    /// The widget of the design with this name; fails with 5 when there is none.
    virtual Widget& widget(const QString& name) = 0;
};

} // namespace zev
