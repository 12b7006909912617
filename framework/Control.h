#pragma once

#include "framework/ClassDescriptor.h"
#include "framework/ControlHost.h"
#include "framework/PropertyBag.h"
#include "framework/ZEVCoreExport.h"

namespace zev {

/// What the container sees of every control: its class and its lifecycle. A control talks to the outside only
/// through its host and its widgets.
///
/// A container calls, in this order: Initialize (the widgets exist, no property applied yet); InitProperties
/// for a new control or ReadProperties for a saved one; Resize whenever the size changes; WriteProperties
/// whenever the form is saved; Terminate before destroying it. Widget events arrive only between Initialize
/// and Terminate.
class ZEV_CORE_EXPORT Control {
public:
    /// A control served by @p host, which creates its widgets.
    explicit Control(ControlHost& host);
    /// Destroys the control.
    virtual ~Control();
    /// Not copyable.
    Control(const Control&) = delete;
    /// Not copyable.
    Control& operator=(const Control&) = delete;

    /// What the control's class publishes about itself.
    virtual const ClassDescriptor& Descriptor() const = 0;
    /// The class name ("ZEVNumeric"...).
    QString ClassName() const { return Descriptor().className; }

    /// First call after construction: the control takes its widgets in hand (its Control... accessors are
    /// set).
    virtual void Initialize() = 0;
    /// Gives a newly placed control its default properties.
    virtual void InitProperties() = 0;
    /// Loads a saved control's properties from @p bag, each through its setter; a missing key reads as its
    /// default.
    virtual void ReadProperties(PropertyBag& bag) = 0;
    /// Saves the control's properties into @p bag; a value equal to its default is not stored.
    virtual void WriteProperties(PropertyBag& bag) = 0;
    /// Lays the widgets out for the host's ScaleWidth and ScaleHeight.
    virtual void Resize() = 0;
    /// Last call before destruction: the Control... accessors are emptied.
    virtual void Terminate() = 0;

    /// The control's host.
    ControlHost& host() const { return host_; }

    /// Controls alive in the process (the library may unload only at zero).
    static int liveObjects();

protected:
    ControlHost& host_; ///< The control's host.
};

} // namespace zev
