#pragma once

#include "framework/ClassDescriptor.h"
#include "framework/ControlHost.h"
#include "framework/PropertyBag.h"
#include "framework/ZEVCoreExport.h"

namespace zev {

// What the container sees of every control: its class and its lifecycle.
// A control talks to the outside only through its host and its widgets.
class ZEV_CORE_EXPORT Control {
public:
    explicit Control(ControlHost& host);
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    virtual const ClassDescriptor& Descriptor() const = 0;
    QString ClassName() const { return Descriptor().className; }

    virtual void Initialize() = 0;
    virtual void InitProperties() = 0;
    virtual void ReadProperties(PropertyBag& bag) = 0;
    virtual void WriteProperties(PropertyBag& bag) = 0;
    virtual void Resize() = 0;
    virtual void Terminate() = 0;

    ControlHost& host() const { return host_; }

    // Controls alive in the process (the library may unload only at zero).
    static int liveObjects();

protected:
    ControlHost& host_;
};

} // namespace zev
