#include "qt/ZEVDescriptionOnlyWidget.h"

#include "descriptiononly/ZEVDescriptionOnly.h"
#include "qt/QtFonts.h"
#include "qt/ZEVControlWidget_p.h"

#include <QLineEdit>
#include <QPushButton>

namespace zev {

ZEVDescriptionOnlyWidget::ZEVDescriptionOnlyWidget(QWidget* parent) : ZEVControlWidget(ZEVDescriptionOnly::descriptor(), parent)
{
    ZEVControlWidgetPrivate& p = d();
    p.bindEvent(this, &ZEVDescriptionOnlyWidget::DescChange);
    p.bindEvent(this, &ZEVDescriptionOnlyWidget::Search);
    p.bindEvent(this, &ZEVDescriptionOnlyWidget::Load);
    p.bindEvent(this, &ZEVDescriptionOnlyWidget::Unload);
    p.applyEnabled = [this](bool enabled) { descriptionOnly().setEnabled(enabled); };
    p.controlEnabled = [this] { return descriptionOnly().Enabled(); };
    p.applyFont = [this](const QFont& font) { descriptionOnly().setFont(QtFonts::fromQFont(font, descriptionOnly().Font().value())); };
    p.controlFont = [this] { return ZEVControlWidgetPrivate::toQFont(descriptionOnly().Font()); };
    p.showControlFont();
    p.stretchingParts = {QStringLiteral("txtDescription")};
    // The description (and the list) take the width a layout gives.
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

ZEVDescriptionOnly& ZEVDescriptionOnlyWidget::descriptionOnly() const { return static_cast<ZEVDescriptionOnly&>(control()); }

QLineEdit* ZEVDescriptionOnlyWidget::ControlDescription() const { return qobject_cast<QLineEdit*>(d().part(QStringLiteral("txtDescription"))); }

QPushButton* ZEVDescriptionOnlyWidget::ControlSearch() const { return qobject_cast<QPushButton*>(d().part(QStringLiteral("cmdSearch"))); }

ZEVControlWidget::AppearanceStyle ZEVDescriptionOnlyWidget::Appearance() const { return AppearanceStyle(descriptionOnly().Appearance()); }

void ZEVDescriptionOnlyWidget::setAppearance(AppearanceStyle appearance)
{
    d().attempt([&] { descriptionOnly().setAppearance(qint32(appearance)); });
}

QColor ZEVDescriptionOnlyWidget::BackColor() const { return ZEVControlWidgetPrivate::toQColor(descriptionOnly().BackColor()); }

void ZEVDescriptionOnlyWidget::setBackColor(const QColor& backColor)
{
    d().writeColor(QStringLiteral("BackColor"), backColor, [this](OleColor c) { descriptionOnly().setBackColor(c); });
}

QString ZEVDescriptionOnlyWidget::Description() const { return descriptionOnly().Description(); }

void ZEVDescriptionOnlyWidget::setDescription(const QString& description)
{
    d().attempt([&] { descriptionOnly().setDescription(description); });
}

QString ZEVDescriptionOnlyWidget::FieldPkey() const { return descriptionOnly().FieldPkey(); }

void ZEVDescriptionOnlyWidget::setFieldPkey(const QString& fieldPkey)
{
    d().attempt([&] { descriptionOnly().setFieldPkey(fieldPkey); });
}

bool ZEVDescriptionOnlyWidget::FontBold() const { return descriptionOnly().FontBold(); }

void ZEVDescriptionOnlyWidget::setFontBold(bool fontBold)
{
    d().attempt([&] { descriptionOnly().setFontBold(fontBold); });
}

bool ZEVDescriptionOnlyWidget::FontItalic() const { return descriptionOnly().FontItalic(); }

void ZEVDescriptionOnlyWidget::setFontItalic(bool fontItalic)
{
    d().attempt([&] { descriptionOnly().setFontItalic(fontItalic); });
}

bool ZEVDescriptionOnlyWidget::FontStrikethrough() const { return descriptionOnly().FontStrikethrough(); }

void ZEVDescriptionOnlyWidget::setFontStrikethrough(bool fontStrikethrough)
{
    d().attempt([&] { descriptionOnly().setFontStrikethrough(fontStrikethrough); });
}

int ZEVDescriptionOnlyWidget::FontSize() const { return descriptionOnly().FontSize(); }

void ZEVDescriptionOnlyWidget::setFontSize(int fontSize)
{
    d().attempt([&] { descriptionOnly().setFontSize(qint32(fontSize)); });
}

bool ZEVDescriptionOnlyWidget::FontUnderline() const { return descriptionOnly().FontUnderline(); }

void ZEVDescriptionOnlyWidget::setFontUnderline(bool fontUnderline)
{
    d().attempt([&] { descriptionOnly().setFontUnderline(fontUnderline); });
}

QColor ZEVDescriptionOnlyWidget::ForeColor() const { return ZEVControlWidgetPrivate::toQColor(descriptionOnly().ForeColor()); }

void ZEVDescriptionOnlyWidget::setForeColor(const QColor& foreColor)
{
    d().writeColor(QStringLiteral("ForeColor"), foreColor, [this](OleColor c) { descriptionOnly().setForeColor(c); });
}

bool ZEVDescriptionOnlyWidget::Loaded() const { return descriptionOnly().Loaded(); }

void ZEVDescriptionOnlyWidget::setLoaded(bool loaded)
{
    d().attempt([&] { descriptionOnly().setLoaded(loaded); });
}

bool ZEVDescriptionOnlyWidget::Locked() const { return descriptionOnly().Locked(); }

void ZEVDescriptionOnlyWidget::setLocked(bool locked)
{
    d().attempt([&] { descriptionOnly().setLocked(locked); });
}

QString ZEVDescriptionOnlyWidget::PrimaryKey() const { return descriptionOnly().PrimaryKey(); }

void ZEVDescriptionOnlyWidget::setPrimaryKey(const QString& primaryKey)
{
    d().attempt([&] { descriptionOnly().setPrimaryKey(primaryKey); });
}

bool ZEVDescriptionOnlyWidget::ShowF3() const { return descriptionOnly().ShowF3(); }

void ZEVDescriptionOnlyWidget::setShowF3(bool showF3)
{
    d().attempt([&] { descriptionOnly().setShowF3(showF3); });
}

void ZEVDescriptionOnlyWidget::About()
{
    d().attempt([this] { descriptionOnly().About(); });
}

void ZEVDescriptionOnlyWidget::Clear()
{
    d().attempt([this] { descriptionOnly().Clear(); });
}

void ZEVDescriptionOnlyWidget::ForceSearch(zev::eSource source)
{
    d().attempt([this, source]() mutable { descriptionOnly().ForceSearch(source); });
}

} // namespace zev
