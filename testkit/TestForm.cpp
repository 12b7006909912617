#include "testkit/TestForm.h"

#include "framework/ControlError.h"
#include "testkit/TestComboBox.h"
#include "testkit/TestDateTimePicker.h"
#include "testkit/TestFlatEdit.h"
#include "testkit/TestLabel.h"
#include "testkit/TestPushButton.h"
#include "testkit/TestSSPanel.h"

namespace zev {

std::unique_ptr<Widget> makeTestWidget(const WidgetDesign& design, TestHost* host)
{
    const FontDesc font = design.font.value_or(FontDesc());
    switch (design.kind) {
    case WidgetKind::FlatEdit: return std::make_unique<TestFlatEdit>(design, font, host);
    case WidgetKind::PushButton: return std::make_unique<TestPushButton>(design, font, host);
    case WidgetKind::ComboBox: return std::make_unique<TestComboBox>(design, font, host);
    case WidgetKind::DateTimePicker: return std::make_unique<TestDateTimePicker>(design, host);
    case WidgetKind::SSPanel: return std::make_unique<TestSSPanel>(design, font, host);
    case WidgetKind::Label: return std::make_unique<TestLabel>(design, host);
    }
    throw ControlError(ErrInvalidProcedureCall);
}

TestForm::TestForm(const FormDesign& design) : name_(design.name), caption_(design.caption)
{
    for (const auto& w : design.widgets)
        widgets_.push_back(makeTestWidget(w, nullptr));
}

Widget& TestForm::widget(const QString& name)
{
    for (auto& w : widgets_)
        if (w->Name() == name)
            return *w;
    throw ControlError(ErrInvalidProcedureCall, QStringLiteral("no widget %1 on %2").arg(name, name_));
}

} // namespace zev
