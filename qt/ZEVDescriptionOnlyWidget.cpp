#include "qt/ZEVDescriptionOnlyWidget.h"

#include "descriptiononly/ZEVDescriptionOnly.h"
#include "qt/LookupWidgetParts.h"
#include "qt/QtFonts.h"

#include <QLineEdit>
#include <QPushButton>

namespace zev {

ZEVDescriptionOnlyWidget::ZEVDescriptionOnlyWidget(QWidget* parent) : ZEVControlWidget(ZEVDescriptionOnly::descriptor(), parent)
{
    ZEVControlWidgetPrivate& p = d();
    // The description takes the width a layout gives.
    lookup::bindLookup(this, p, &ZEVDescriptionOnlyWidget::descriptionOnly, {QStringLiteral("txtDescription")});
    p.applyFont = [this](const QFont& font) { descriptionOnly().setFont(QtFonts::fromQFont(font, descriptionOnly().Font().value())); };
    p.controlFont = [this] { return ZEVControlWidgetPrivate::toQFont(descriptionOnly().Font()); };
    p.showControlFont();
}

ZEVDescriptionOnly& ZEVDescriptionOnlyWidget::descriptionOnly() const { return static_cast<ZEVDescriptionOnly&>(control()); }

QLineEdit* ZEVDescriptionOnlyWidget::ControlDescription() const { return qobject_cast<QLineEdit*>(d().part(QStringLiteral("txtDescription"))); }

QPushButton* ZEVDescriptionOnlyWidget::ControlSearch() const { return qobject_cast<QPushButton*>(d().part(QStringLiteral("cmdSearch"))); }

// The Q_PROPERTY accessors and the methods that pass to the control (qt/LookupWidgetParts.h).
ZEV_LOOKUP_SHARED(ZEVDescriptionOnlyWidget, descriptionOnly)
ZEV_LOOKUP_COLOR(ZEVDescriptionOnlyWidget, descriptionOnly, BackColor)
ZEV_LOOKUP_COLOR(ZEVDescriptionOnlyWidget, descriptionOnly, ForeColor)
ZEV_LOOKUP_VALUE(ZEVDescriptionOnlyWidget, descriptionOnly, QString, PrimaryKey)
ZEV_LOOKUP_SUGGESTIONS(ZEVDescriptionOnlyWidget, descriptionOnly, QStringLiteral("txtDescription"), Qt::DisplayRole)

} // namespace zev
