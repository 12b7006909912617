#pragma once

#include "daterange/Clock.h"
#include "framework/Control.h"
#include "framework/ZEVCoreExport.h"

#include <memory>

namespace zev {

class ComboBox;
class DateTimePicker;
class Label;

/// A period selector: the preset combo cboFiltro on top, the start picker dtpInicio and the end picker dtpFim
/// below it with the label lblLabel ("a") between them. The host reads the period straight from the pickers.
/// Choosing a preset overwrites both pickers; editing a picker by hand returns the combo to "<=====
/// Customizado ====>". The control raises no events. It starts on the preset "Hoje" (today). The Qt face is
/// ZEVDateRangeWidget.
class ZEV_CORE_EXPORT ZEVDateRange : public Control {
public:
    /// A date range served by @p host, which creates its widgets.
    explicit ZEVDateRange(ControlHost& host);
    /// Destroys the control.
    ~ZEVDateRange() override;

    /// The class's members ("ZEVDateRange"; no events).
    static const ClassDescriptor& descriptor();
    /// The designed surface (3420 x 1470 twips, Tahoma 8.25) and its widgets, in tab order.
    static const ControlDesign& Design();
    const ClassDescriptor& Descriptor() const override { return descriptor(); }

    /** @{ */
    /// The start picker, handed out to the host from Initialize to Terminate. The host may put other objects
    /// here; the control never reads them back.
    DateTimePicker* Control_dtpInicio() const { return Control_dtpInicio_; }
    void setControl_dtpInicio(DateTimePicker* widget) { Control_dtpInicio_ = widget; }
    /** @} */
    /** @{ */
    /// The end picker, from Initialize to Terminate.
    DateTimePicker* Control_dtpFim() const { return Control_dtpFim_; }
    void setControl_dtpFim(DateTimePicker* widget) { Control_dtpFim_ = widget; }
    /** @} */
    /** @{ */
    /// The preset combo, from Initialize to Terminate.
    ComboBox* Control_dtpCombo() const { return Control_dtpCombo_; }
    void setControl_dtpCombo(ComboBox* widget) { Control_dtpCombo_ = widget; }
    /** @} */
    /** @{ */
    /// The label between the pickers, from Initialize to Terminate.
    Label* Control_lblLabel() const { return Control_lblLabel_; }
    void setControl_lblLabel(Label* widget) { Control_lblLabel_ = widget; }
    /** @} */

    /** @{ */
    /// The combo's look; the pickers keep theirs. Default 0 (flat). A value outside the 16 bits the combo
    /// takes fails with 6 and changes nothing.
    qint32 Appearance() const;
    void setAppearance(qint32 eaValor);
    /** @} */
    /** @{ */
    /// The colour of the control's surface and of its label (not of the combo or the pickers); default the
    /// button face.
    OleColor BackColor() const;
    void setBackColor(OleColor ocValor);
    /** @} */

    /// Where "today" comes from; the system's local clock unless the host supplies another (nullptr restores
    /// the system's). Set it before Initialize for the first preset to use it.
    void setClock(std::shared_ptr<const Clock> clock);
    /// The clock in use.
    const Clock& clock() const { return *clock_; }

    /// The Control... accessors are set; the combo is filled with the 18 presets and "Hoje" applied, by the
    /// clock.
    void Initialize() override;
    /// Appearance 0, BackColor the button face.
    void InitProperties() override;
    /// Reads Appearance and BackColor.
    void ReadProperties(PropertyBag& bag) override;
    /// Writes Appearance and BackColor, when not the defaults. The period is not saved.
    void WriteProperties(PropertyBag& bag) override;
    /// Lays the combo, the pickers and the label out for the control's width.
    void Resize() override;
    /// The Control... accessors are emptied.
    void Terminate() override;

private:
    void cboFiltro_Click();
    void picker_Change(DateTimePicker& picker);

    ComboBox& cboFiltro;
    DateTimePicker& dtpInicio;
    DateTimePicker& dtpFim;
    Label& lblLabel;

    DateTimePicker* Control_dtpInicio_ = nullptr;
    DateTimePicker* Control_dtpFim_ = nullptr;
    ComboBox* Control_dtpCombo_ = nullptr;
    Label* Control_lblLabel_ = nullptr;

    std::shared_ptr<const Clock> clock_;
};

} // namespace zev
