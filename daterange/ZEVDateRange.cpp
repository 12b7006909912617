#include "daterange/ZEVDateRange.h"

#include "daterange/DateRangePresets.h"
#include "framework/ComboBox.h"
#include "framework/ControlError.h"
#include "framework/DateTimePicker.h"
#include "framework/Label.h"
#include "framework/VariantConvert.h"

#include <algorithm>
#include <limits>

namespace zev {

namespace {
constexpr qint32 DefaultAppearance = 0;
constexpr OleColor DefaultBackColor = Colors::ButtonFace;

const WidgetDesign& designOf(const QString& name)
{
    for (const auto& w : ZEVDateRange::Design().widgets)
        if (w.name == name)
            return w;
    throw ControlError(ErrInvalidProcedureCall, QStringLiteral("no widget %1 in the design").arg(name));
}
} // namespace

const ControlDesign& ZEVDateRange::Design()
{
    static const ControlDesign design = [] {
        ControlDesign d;
        d.width = 3420;
        d.height = 1470;
        d.font = FontDesc{QStringLiteral("Tahoma"), 8.25};
        const FontDesc fixedPitch{QStringLiteral("Courier New"), 8.25};
        // Lefts and the combo's width are what Resize gives at the designed width.
        const WidgetDesign combo = WidgetDesign::make(QStringLiteral("cboFiltro"), WidgetKind::ComboBox, 0, 0, 3420, 330, fixedPitch);
        const WidgetDesign start = WidgetDesign::make(QStringLiteral("dtpInicio"), WidgetKind::DateTimePicker, 0, 360, 1455, 315, d.font);
        const WidgetDesign end = WidgetDesign::make(QStringLiteral("dtpFim"), WidgetKind::DateTimePicker, 2205, 360, 1215, 315, d.font);
        const WidgetDesign label =
            WidgetDesign::make(QStringLiteral("lblLabel"), WidgetKind::Label, 1785, 420, 90, 195, d.font, QStringLiteral("a"));
        d.widgets = {combo, start, end, label};
        return d;
    }();
    return design;
}

const ClassDescriptor& ZEVDateRange::descriptor()
{
    static const ClassDescriptor d = [] {
        ClassDescriptor c;
        c.className = QStringLiteral("ZEVDateRange");
        c.designWidth = Design().width;
        c.designHeight = Design().height;
        c.members = buildMemberTable(
            {
                {QStringLiteral("Control_dtpInicio"), MemberKind::WidgetAccessor},
                {QStringLiteral("Control_dtpFim"), MemberKind::WidgetAccessor},
                {QStringLiteral("Control_dtpCombo"), MemberKind::WidgetAccessor},
                {QStringLiteral("Control_lblLabel"), MemberKind::WidgetAccessor},
                {QStringLiteral("Appearance"), MemberKind::Property},
                {QStringLiteral("BackColor"), MemberKind::Property},
            },
            {}, {});
        // The event interface declares no events, and so marks no default one.
        c.create = [](ControlHost& host) -> std::unique_ptr<Control> { return std::make_unique<ZEVDateRange>(host); };
        return c;
    }();
    return d;
}

ZEVDateRange::ZEVDateRange(ControlHost& host)
    : Control(host),
      cboFiltro(createWidget<ComboBox>(host, designOf(QStringLiteral("cboFiltro")))),
      dtpInicio(createWidget<DateTimePicker>(host, designOf(QStringLiteral("dtpInicio")))),
      dtpFim(createWidget<DateTimePicker>(host, designOf(QStringLiteral("dtpFim")))),
      lblLabel(createWidget<Label>(host, designOf(QStringLiteral("lblLabel")))),
      clock_(Clock::System())
{
    cboFiltro.onClick = [this] { cboFiltro_Click(); };
    dtpInicio.onChange = [this] { picker_Change(dtpInicio); };
    dtpFim.onChange = [this] { picker_Change(dtpFim); };
}

ZEVDateRange::~ZEVDateRange()
{
    // The host owns the widgets and may outlive this control: nothing of ours may answer them afterwards.
    for (Widget* w : std::initializer_list<Widget*>{&cboFiltro, &dtpInicio, &dtpFim})
        w->clearHandlers();
}

void ZEVDateRange::setClock(std::shared_ptr<const Clock> clock)
{
    clock_ = clock ? std::move(clock) : Clock::System();
}

qint32 ZEVDateRange::Appearance() const { return cboFiltro.Appearance(); }

void ZEVDateRange::setAppearance(qint32 eaValor)
{
    if (eaValor < std::numeric_limits<qint16>::min() || eaValor > std::numeric_limits<qint16>::max())
        throw ControlError(ErrOverflow, QStringLiteral("Appearance %1 is out of range").arg(eaValor));
    cboFiltro.setAppearance(qint16(eaValor));
    host_.PropertyChanged(QStringLiteral("Appearance"));
}

OleColor ZEVDateRange::BackColor() const { return host_.BackColor(); }

void ZEVDateRange::setBackColor(OleColor ocValor)
{
    host_.setBackColor(ocValor);
    lblLabel.setBackColor(ocValor);
    host_.PropertyChanged(QStringLiteral("BackColor"));
}

void ZEVDateRange::Initialize()
{
    Control_dtpInicio_ = &dtpInicio;
    Control_dtpFim_ = &dtpFim;
    Control_dtpCombo_ = &cboFiltro;
    Control_lblLabel_ = &lblLabel;

    const QDateTime now = clock_->Now();
    dtpInicio.setValue(now);
    dtpInicio.setValue(QDateTime()); // Null: no start until a preset or the user sets one
    dtpFim.setValue(now);
    // Selecting "<======== Hoje ========>" applies it when no widget has the focus.
    DateRangePresets::FillPresets(cboFiltro);
}

void ZEVDateRange::InitProperties()
{
    setAppearance(DefaultAppearance);
    setBackColor(DefaultBackColor);
}

void ZEVDateRange::ReadProperties(PropertyBag& bag)
{
    setAppearance(VariantConvert::toLong(bag.ReadProperty(QStringLiteral("Appearance"), DefaultAppearance)));
    // The colour goes straight to the label and the surface: loading a form is not a change.
    const QString key = QStringLiteral("BackColor");
    lblLabel.setBackColor(VariantConvert::toColor(bag.ReadProperty(key, qint32(DefaultBackColor))));
    host_.setBackColor(VariantConvert::toColor(bag.ReadProperty(key, qint32(DefaultBackColor))));
}

void ZEVDateRange::WriteProperties(PropertyBag& bag)
{
    bag.WriteProperty(QStringLiteral("Appearance"), Appearance(), DefaultAppearance);
    bag.WriteProperty(QStringLiteral("BackColor"), qint32(BackColor()), qint32(DefaultBackColor));
}

void ZEVDateRange::Resize()
{
    const float width = host_.ScaleWidth();
    cboFiltro.setTop(0);
    cboFiltro.setLeft(0);
    cboFiltro.setWidth(width);
    // May go negative on a narrow control: the end picker then slides off to the left.
    dtpFim.setLeft(width - dtpFim.Width());
    // The label sits centred in the gap between the pickers, never left of 0.
    const float gap = width - dtpInicio.Width() - dtpFim.Width();
    const float x = dtpInicio.Width() + gap / 2 - lblLabel.Width() / 2;
    lblLabel.setLeft(std::max(x, 0.0f));
}

void ZEVDateRange::Terminate()
{
    Control_dtpInicio_ = nullptr;
    Control_dtpFim_ = nullptr;
    Control_dtpCombo_ = nullptr;
    Control_lblLabel_ = nullptr;
}

void ZEVDateRange::cboFiltro_Click()
{
    // A selection counts when it is the combo's own: the user's, or one made
    // while none of our widgets has the focus. When the question cannot be
    // answered it counts too; a picker's write of index 0 (while the picker
    // has the focus) must not overwrite the user's dates.
    bool ours = true;
    try {
        if (Widget* active = host_.ActiveControl())
            ours = active->Name() == cboFiltro.Name();
    } catch (...) {
        ours = true;
    }
    if (ours)
        DateRangePresets::ApplyPreset(cboFiltro.Text(), dtpInicio, dtpFim, *clock_);
}

void ZEVDateRange::picker_Change(DateTimePicker& picker)
{
    Widget* active = host_.ActiveControl();
    if (!active || active->Name() == picker.Name())
        cboFiltro.setListIndex(DateRangePresets::CustomIndex);
}

} // namespace zev
