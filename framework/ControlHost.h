#pragma once

#include "framework/OleColor.h"
#include "framework/WidgetDesign.h"

#include <QString>
#include <QVariantList>
#include <memory>

namespace zev {

class Control;
class Form;

/// The library's version, for the numeric field's about message.
struct LibraryVersion {
    qint16 major = 0; ///< Major number (1).
    qint16 minor = 0; ///< Minor number (0).
    qint16 revision = 0; ///< Revision number (21 for 1.0.21).
};

/// Everything a control needs from its container, one object per control instance. The test kit (TestHost)
/// and the Qt layer each provide one; a host for another toolkit implements it.
///
/// Lifecycle a container runs: construct the control (its widgets are created through CreateWidget);
/// Initialize; InitProperties (new) or ReadProperties (saved); Resize whenever the size changes;
/// WriteProperties whenever the form is saved; Terminate before destruction. Everything runs on one UI
/// thread; RaiseEvent, MsgBox, DoEvents and widget writes may run other handlers of the same control before
/// they return.
class ZEV_CORE_EXPORT ControlHost {
public:
    /// Destroys the host (and the widgets it made).
    virtual ~ControlHost() = default;

    /// Creates one widget of the control's design on the control's surface; the host owns it and keeps it
    /// alive as long as the host.
    virtual Widget& CreateWidget(const WidgetDesign& design) = 0;

    /// The instance is marked changed; @p key is the property's name. Called by a setter after it applied the
    /// value.
    virtual void PropertyChanged(const QString& key) = 0;
    /// Runs the host's handler of event @p number (1-based, the control's event list) before returning.
    /// By-reference arguments come back as the handler left them, in the same slots.
    virtual void RaiseEvent(int number, QVariantList& arguments) = 0;
    /// Raises event @p number with no arguments.
    void RaiseEvent(int number)
    {
        QVariantList none;
        RaiseEvent(number, none);
    }

    /// The control's own surface colour.
    virtual OleColor BackColor() const = 0;
    /// Sets the control's own surface colour.
    virtual void setBackColor(OleColor color) = 0;
    /// Inner width of the control in twips.
    virtual float ScaleWidth() const = 0;
    /// Inner height of the control in twips.
    virtual float ScaleHeight() const = 0;
    /// The widget of this control that has the focus, or nullptr.
    virtual Widget* ActiveControl() const = 0;
    /// The control's name on its form (the title of its warning message).
    virtual QString ControlName() const = 0;
    /// A modal message; @p buttons 48 (warning) or 64 (information), a single OK. Returns when the user
    /// closed it.
    virtual void MsgBox(const QString& prompt, int buttons, const QString& title) = 0;
    /// The library's version.
    virtual zev::LibraryVersion LibraryVersion() const = 0;
    /// Handles pending messages before returning.
    virtual void DoEvents() = 0;

    /// Makes a form of the library's own (the about form) from @p design.
    virtual std::unique_ptr<Form> CreateForm(const FormDesign& design) = 0;
    /// Shows @p form modally; returns when the user closes it.
    virtual void ShowModal(Form& form) = 0;

    /// The control this host serves; set by the control itself.
    Control* control() const { return control_; }

private:
    friend class Control;
    Control* control_ = nullptr;
};

/// The widget of a design, of the kind the caller expects; a widget of another kind fails with 13.
template <typename W>
W& createWidget(ControlHost& host, const WidgetDesign& design);

} // namespace zev

#include "framework/ControlError.h"
#include "framework/ZEVCoreExport.h"

template <typename W>
W& zev::createWidget(ControlHost& host, const WidgetDesign& design)
{
    auto* w = dynamic_cast<W*>(&host.CreateWidget(design));
    if (!w)
        throw ControlError(ErrTypeMismatch, QStringLiteral("widget %1 is not of the expected kind").arg(design.name));
    return *w;
}
