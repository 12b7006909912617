#include "qt/ZEVCodeDescriptionWidget.h"

#include "codedescription/ZEVCodeDescription.h"
#include "qt/QtFonts.h"
#include "qt/ZEVControlWidget_p.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace zev {

ZEVCodeDescriptionWidget::ZEVCodeDescriptionWidget(QWidget* parent) : ZEVControlWidget(ZEVCodeDescription::descriptor(), parent)
{
    ZEVControlWidgetPrivate& p = d();
    p.bindEvent(this, &ZEVCodeDescriptionWidget::CodeChange);
    p.bindEvent(this, &ZEVCodeDescriptionWidget::DescChange);
    p.bindEvent(this, &ZEVCodeDescriptionWidget::Search);
    p.bindEvent(this, &ZEVCodeDescriptionWidget::Load);
    p.bindEvent(this, &ZEVCodeDescriptionWidget::Unload);
    p.applyEnabled = [this](bool enabled) { codeDescription().setEnabled(enabled); };
    p.controlEnabled = [this] { return codeDescription().Enabled(); };
    p.stretchingParts = {QStringLiteral("panDescription")};
    // The description (and the list) take the width a layout gives.
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

ZEVCodeDescription& ZEVCodeDescriptionWidget::codeDescription() const { return static_cast<ZEVCodeDescription&>(control()); }

QLineEdit* ZEVCodeDescriptionWidget::ControlCode() const { return qobject_cast<QLineEdit*>(d().part(QStringLiteral("txtCode"))); }

QLabel* ZEVCodeDescriptionWidget::ControlDescription() const { return qobject_cast<QLabel*>(d().part(QStringLiteral("panDescription"))); }

QPushButton* ZEVCodeDescriptionWidget::ControlSearch() const { return qobject_cast<QPushButton*>(d().part(QStringLiteral("cmdSearch"))); }

ZEVControlWidget::AppearanceStyle ZEVCodeDescriptionWidget::Appearance() const { return AppearanceStyle(codeDescription().Appearance()); }

void ZEVCodeDescriptionWidget::setAppearance(AppearanceStyle appearance)
{
    d().attempt([&] { codeDescription().setAppearance(qint32(appearance)); });
}

QString ZEVCodeDescriptionWidget::Code() const { return codeDescription().Code(); }

void ZEVCodeDescriptionWidget::setCode(const QString& code)
{
    d().attempt([&] { codeDescription().setCode(code); });
}

QColor ZEVCodeDescriptionWidget::CodeBackColor() const { return ZEVControlWidgetPrivate::toQColor(codeDescription().CodeBackColor()); }

void ZEVCodeDescriptionWidget::setCodeBackColor(const QColor& codeBackColor)
{
    d().writeColor(QStringLiteral("CodeBackColor"), codeBackColor, [this](OleColor c) { codeDescription().setCodeBackColor(c); });
}

QFont ZEVCodeDescriptionWidget::CodeFont() const { return ZEVControlWidgetPrivate::toQFont(codeDescription().CodeFont()); }

void ZEVCodeDescriptionWidget::setCodeFont(const QFont& codeFont)
{
    d().writeFont(codeFont, codeDescription().CodeFont(), [this](const FontDesc& f) { codeDescription().setCodeFont(f); });
}

QColor ZEVCodeDescriptionWidget::CodeForeColor() const { return ZEVControlWidgetPrivate::toQColor(codeDescription().CodeForeColor()); }

void ZEVCodeDescriptionWidget::setCodeForeColor(const QColor& codeForeColor)
{
    d().writeColor(QStringLiteral("CodeForeColor"), codeForeColor, [this](OleColor c) { codeDescription().setCodeForeColor(c); });
}

int ZEVCodeDescriptionWidget::CodeMaxLength() const { return codeDescription().CodeMaxLength(); }

void ZEVCodeDescriptionWidget::setCodeMaxLength(int codeMaxLength)
{
    d().attempt([&] { codeDescription().setCodeMaxLength(ZEVControlWidgetPrivate::toInteger(codeMaxLength)); });
}

int ZEVCodeDescriptionWidget::CodeSize() const { return codeDescription().CodeSize(); }

void ZEVCodeDescriptionWidget::setCodeSize(int codeSize)
{
    d().attempt([&] { codeDescription().setCodeSize(ZEVControlWidgetPrivate::toInteger(codeSize)); });
}

QString ZEVCodeDescriptionWidget::Description() const { return codeDescription().Description(); }

void ZEVCodeDescriptionWidget::setDescription(const QString& description)
{
    d().attempt([&] { codeDescription().setDescription(description); });
}

QColor ZEVCodeDescriptionWidget::DescriptionBackColor() const { return ZEVControlWidgetPrivate::toQColor(codeDescription().DescriptionBackColor()); }

void ZEVCodeDescriptionWidget::setDescriptionBackColor(const QColor& descriptionBackColor)
{
    d().writeColor(QStringLiteral("DescriptionBackColor"), descriptionBackColor, [this](OleColor c) { codeDescription().setDescriptionBackColor(c); });
}

QFont ZEVCodeDescriptionWidget::DescriptionFont() const { return ZEVControlWidgetPrivate::toQFont(codeDescription().DescriptionFont()); }

void ZEVCodeDescriptionWidget::setDescriptionFont(const QFont& descriptionFont)
{
    d().writeFont(descriptionFont, codeDescription().DescriptionFont(), [this](const FontDesc& f) { codeDescription().setDescriptionFont(f); });
}

QColor ZEVCodeDescriptionWidget::DescriptionForeColor() const { return ZEVControlWidgetPrivate::toQColor(codeDescription().DescriptionForeColor()); }

void ZEVCodeDescriptionWidget::setDescriptionForeColor(const QColor& descriptionForeColor)
{
    d().writeColor(QStringLiteral("DescriptionForeColor"), descriptionForeColor, [this](OleColor c) { codeDescription().setDescriptionForeColor(c); });
}

QString ZEVCodeDescriptionWidget::FieldPkey() const { return codeDescription().FieldPkey(); }

void ZEVCodeDescriptionWidget::setFieldPkey(const QString& fieldPkey)
{
    d().attempt([&] { codeDescription().setFieldPkey(fieldPkey); });
}

bool ZEVCodeDescriptionWidget::FillZeros() const { return codeDescription().FillZeros(); }

void ZEVCodeDescriptionWidget::setFillZeros(bool fillZeros)
{
    d().attempt([&] { codeDescription().setFillZeros(fillZeros); });
}

bool ZEVCodeDescriptionWidget::FontBold() const { return codeDescription().FontBold(); }

void ZEVCodeDescriptionWidget::setFontBold(bool fontBold)
{
    d().attempt([&] { codeDescription().setFontBold(fontBold); });
}

bool ZEVCodeDescriptionWidget::FontItalic() const { return codeDescription().FontItalic(); }

void ZEVCodeDescriptionWidget::setFontItalic(bool fontItalic)
{
    d().attempt([&] { codeDescription().setFontItalic(fontItalic); });
}

bool ZEVCodeDescriptionWidget::FontStrikethrough() const { return codeDescription().FontStrikethrough(); }

void ZEVCodeDescriptionWidget::setFontStrikethrough(bool fontStrikethrough)
{
    d().attempt([&] { codeDescription().setFontStrikethrough(fontStrikethrough); });
}

int ZEVCodeDescriptionWidget::FontSize() const { return codeDescription().FontSize(); }

void ZEVCodeDescriptionWidget::setFontSize(int fontSize)
{
    d().attempt([&] { codeDescription().setFontSize(qint32(fontSize)); });
}

bool ZEVCodeDescriptionWidget::FontUnderline() const { return codeDescription().FontUnderline(); }

void ZEVCodeDescriptionWidget::setFontUnderline(bool fontUnderline)
{
    d().attempt([&] { codeDescription().setFontUnderline(fontUnderline); });
}

bool ZEVCodeDescriptionWidget::Loaded() const { return codeDescription().Loaded(); }

void ZEVCodeDescriptionWidget::setLoaded(bool loaded)
{
    d().attempt([&] { codeDescription().setLoaded(loaded); });
}

bool ZEVCodeDescriptionWidget::Locked() const { return codeDescription().Locked(); }

void ZEVCodeDescriptionWidget::setLocked(bool locked)
{
    d().attempt([&] { codeDescription().setLocked(locked); });
}

QString ZEVCodeDescriptionWidget::PrimaryKey() const { return codeDescription().PrimaryKey(); }

void ZEVCodeDescriptionWidget::setPrimaryKey(const QString& primaryKey)
{
    d().attempt([&] { codeDescription().setPrimaryKey(primaryKey); });
}

bool ZEVCodeDescriptionWidget::ShowF3() const { return codeDescription().ShowF3(); }

void ZEVCodeDescriptionWidget::setShowF3(bool showF3)
{
    d().attempt([&] { codeDescription().setShowF3(showF3); });
}

void ZEVCodeDescriptionWidget::About()
{
    d().attempt([this] { codeDescription().About(); });
}

void ZEVCodeDescriptionWidget::Clear()
{
    d().attempt([this] { codeDescription().Clear(); });
}

void ZEVCodeDescriptionWidget::ForceSearch(zev::eSource source)
{
    d().attempt([this, source]() mutable { codeDescription().ForceSearch(source); });
}

} // namespace zev
