#include "qt/ZEVCodeDescriptionWidget.h"

#include "codedescription/ZEVCodeDescription.h"
#include "qt/LookupWidgetParts.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace zev {

ZEVCodeDescriptionWidget::ZEVCodeDescriptionWidget(QWidget* parent) : ZEVControlWidget(ZEVCodeDescription::descriptor(), parent)
{
    // The description takes the width a layout gives.
    lookup::bindLookup(this, d(), &ZEVCodeDescriptionWidget::codeDescription, {QStringLiteral("panDescription")});
    d().bindEvent(this, &ZEVCodeDescriptionWidget::CodeChange);
}

ZEVCodeDescription& ZEVCodeDescriptionWidget::codeDescription() const { return static_cast<ZEVCodeDescription&>(control()); }

QLineEdit* ZEVCodeDescriptionWidget::ControlCode() const { return qobject_cast<QLineEdit*>(d().part(QStringLiteral("txtCode"))); }

QLabel* ZEVCodeDescriptionWidget::ControlDescription() const { return qobject_cast<QLabel*>(d().part(QStringLiteral("panDescription"))); }

QPushButton* ZEVCodeDescriptionWidget::ControlSearch() const { return qobject_cast<QPushButton*>(d().part(QStringLiteral("cmdSearch"))); }

// The Q_PROPERTY accessors and the methods that pass to the control (qt/LookupWidgetParts.h).
ZEV_LOOKUP_SHARED(ZEVCodeDescriptionWidget, codeDescription)
ZEV_LOOKUP_CODE_ROW(ZEVCodeDescriptionWidget, codeDescription)
ZEV_LOOKUP_VALUE(ZEVCodeDescriptionWidget, codeDescription, QString, PrimaryKey)
ZEV_LOOKUP_SUGGESTIONS(ZEVCodeDescriptionWidget, codeDescription, QStringLiteral("txtCode"), SuggestionCodeRole)

} // namespace zev
