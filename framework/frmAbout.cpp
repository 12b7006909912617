#include "framework/frmAbout.h"

#include "framework/ControlError.h"
#include "framework/ControlHost.h"
#include "framework/Label.h"

namespace zev {

namespace {
std::unique_ptr<frmAbout>& instanceSlot()
{
    static std::unique_ptr<frmAbout> instance;
    return instance;
}
} // namespace

const FormDesign& frmAbout::Design()
{
    static const FormDesign design = [] {
        FormDesign d;
        d.name = QStringLiteral("frmAbout");
        d.caption = QStringLiteral("Form1");
        d.clientWidth = 5145;
        d.clientHeight = 3330;
        d.font = FontDesc{QStringLiteral("Tahoma"), 8.25};
        WidgetDesign label;
        label.name = QStringLiteral("lblDescription");
        label.kind = WidgetKind::Label;
        label.left = 660;
        label.top = 2340;
        label.width = 2235;
        label.height = 375;
        label.caption = QStringLiteral("Label1");
        d.widgets.push_back(label);
        return d;
    }();
    return design;
}

frmAbout::frmAbout(std::unique_ptr<Form> form) : form_(std::move(form)) {}

frmAbout& frmAbout::Instance(ControlHost& host)
{
    auto& slot = instanceSlot();
    if (!slot) {
        auto form = host.CreateForm(Design());
        if (!form)
            throw ControlError(ErrObjectRequired, QStringLiteral("the host made no about form"));
        slot.reset(new frmAbout(std::move(form)));
    }
    return *slot;
}

bool frmAbout::Exists() { return instanceSlot() != nullptr; }

void frmAbout::Unload() { instanceSlot().reset(); }

Label& frmAbout::lblDescription()
{
    auto* label = dynamic_cast<Label*>(&form_->widget(QStringLiteral("lblDescription")));
    if (!label)
        throw ControlError(ErrTypeMismatch);
    return *label;
}

void frmAbout::ShowFor(ControlHost& host, const QString& className)
{
    frmAbout& about = Instance(host);
    about.lblDescription().setCaption(className);
    host.ShowModal(about.form());
}

} // namespace zev
