#pragma once

#include "daterange/Clock.h"
#include "framework/Control.h"
#include "framework/ZEVCoreExport.h"

#include <memory>

namespace zev {

class ComboBox;
class DateTimePicker;
class Label;

// A period selector: the preset combo cboFiltro on top, the start picker
// dtpInicio and the end picker dtpFim below it with the label lblLabel ("a")
// between them. The host reads the period straight from the pickers. Choosing
// a preset overwrites both pickers; editing a picker by hand returns the combo
// to "<===== Customizado ====>". The control raises no events.
class ZEV_CORE_EXPORT ZEVDateRange : public Control {
public:
    explicit ZEVDateRange(ControlHost& host);
    ~ZEVDateRange() override;

    static const ClassDescriptor& descriptor();
    // The designed surface (3420 x 1470 twips, Tahoma 8.25) and its widgets, in tab order.
    static const ControlDesign& Design();
    const ClassDescriptor& Descriptor() const override { return descriptor(); }

    // The widgets, handed out to the host from Initialize to Terminate. The
    // host may put other objects here; the control never reads them back.
    DateTimePicker* Control_dtpInicio() const { return Control_dtpInicio_; }
    void setControl_dtpInicio(DateTimePicker* widget) { Control_dtpInicio_ = widget; }
    DateTimePicker* Control_dtpFim() const { return Control_dtpFim_; }
    void setControl_dtpFim(DateTimePicker* widget) { Control_dtpFim_ = widget; }
    ComboBox* Control_dtpCombo() const { return Control_dtpCombo_; }
    void setControl_dtpCombo(ComboBox* widget) { Control_dtpCombo_ = widget; }
    Label* Control_lblLabel() const { return Control_lblLabel_; }
    void setControl_lblLabel(Label* widget) { Control_lblLabel_ = widget; }

    // The combo's look; the pickers keep theirs. A value outside the 16 bits
    // the combo takes fails with 6 and changes nothing.
    qint32 Appearance() const;
    void setAppearance(qint32 eaValor);
    // The colour of the control's surface and of its label (not of the combo or the pickers).
    OleColor BackColor() const;
    void setBackColor(OleColor ocValor);

    // Where "today" comes from; the system's local clock unless the host
    // supplies another (nullptr restores the system's). Set it before
    // Initialize for the first preset to use it.
    void setClock(std::shared_ptr<const Clock> clock);
    const Clock& clock() const { return *clock_; }

    void Initialize() override;
    void InitProperties() override;
    void ReadProperties(PropertyBag& bag) override;
    void WriteProperties(PropertyBag& bag) override;
    void Resize() override;
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
