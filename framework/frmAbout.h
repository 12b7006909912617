#pragma once

#include "framework/Form.h"
#include "framework/WidgetDesign.h"
#include "framework/ZEVCoreExport.h"

#include <memory>

namespace zev {

class ControlHost;
class Label;

// The library's about form: one instance for the whole library, made on first
// use by the widget layer of the host that first asks for it.
class ZEV_CORE_INTERNAL_EXPORT frmAbout {
public:
    static const FormDesign& Design();

    static frmAbout& Instance(ControlHost& host);
    static bool Exists();
    // Destroys the instance (when the library is unloaded, or a widget layer goes away).
    static void Unload();

    Form& form() { return *form_; }
    Label& lblDescription();

    // Shows the form modally with the calling control's class name.
    static void ShowFor(ControlHost& host, const QString& className);

private:
    explicit frmAbout(std::unique_ptr<Form> form);
    std::unique_ptr<Form> form_;
};

} // namespace zev
