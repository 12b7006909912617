#include "qt/QtWidgetFactory.h"

#include "framework/ControlError.h"
#include "qt/QtComboBox.h"
#include "qt/QtDateTimePicker.h"
#include "qt/QtFlatEdit.h"
#include "qt/QtLabel.h"
#include "qt/QtPushButton.h"
#include "qt/QtSSPanel.h"

namespace zev {

namespace {
template <typename Adapter>
std::unique_ptr<Widget> make(const WidgetDesign& design, QWidget* parent, const FontDesc& font, QtControlHost* host)
{
    auto adapter = std::make_unique<Adapter>(design, font, parent, host);
    adapter->place(design.left, design.top, design.width, design.height);
    adapter->setVisible(design.visible);
    return adapter;
}
} // namespace

std::unique_ptr<Widget> makeQtWidget(const WidgetDesign& design, QWidget* parent, const FontDesc& defaultFont,
                                     QtControlHost* host)
{
    const FontDesc font = design.font.value_or(defaultFont);
    switch (design.kind) {
    case WidgetKind::FlatEdit: return make<QtFlatEdit>(design, parent, font, host);
    case WidgetKind::PushButton: return make<QtPushButton>(design, parent, font, host);
    case WidgetKind::ComboBox: return make<QtComboBox>(design, parent, font, host);
    case WidgetKind::DateTimePicker: return make<QtDateTimePicker>(design, parent, font, host);
    case WidgetKind::SSPanel: return make<QtSSPanel>(design, parent, font, host);
    case WidgetKind::Label: return make<QtLabel>(design, parent, font, host);
    }
    throw ControlError(ErrInvalidProcedureCall, QStringLiteral("unknown widget kind for %1").arg(design.name));
}

} // namespace zev
