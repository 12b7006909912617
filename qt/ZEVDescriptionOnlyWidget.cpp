#include "qt/ZEVDescriptionOnlyWidget.h"

namespace zev {

namespace {
using C = ZEVDescriptionOnly;
}

ZEVDescriptionOnlyWidget::ZEVDescriptionOnlyWidget(QWidget* parent, Start start)
    : ZEVControlWidget(C::descriptor(), parent, start)
{
    bindEvent(&ZEVDescriptionOnlyWidget::DescChange);
    bindEvent(&ZEVDescriptionOnlyWidget::Search);
    bindEvent(&ZEVDescriptionOnlyWidget::Load);
    bindEvent(&ZEVDescriptionOnlyWidget::Unload);
}

void ZEVDescriptionOnlyWidget::setAppearance(int eaValor)
{
    writeValue(QStringLiteral("Appearance"), &C::setAppearance, qint32(eaValor));
}

void ZEVDescriptionOnlyWidget::setBackColor(const QColor& cocValor)
{
    writeColor(QStringLiteral("BackColor"), cocValor, [this](OleColor c) { descriptionOnly().setBackColor(c); });
}

void ZEVDescriptionOnlyWidget::setDescription(const QString& sValor)
{
    writeValue(QStringLiteral("Description"), &C::setDescription, sValor);
}

void ZEVDescriptionOnlyWidget::setEnabled(bool bValor) { writeValue(QStringLiteral("Enabled"), &C::setEnabled, bValor); }

void ZEVDescriptionOnlyWidget::setFieldPkey(const QString& sValor)
{
    writeValue(QStringLiteral("FieldPkey"), &C::setFieldPkey, sValor);
}

void ZEVDescriptionOnlyWidget::setFont(const QFont& fValor)
{
    writeFont(QStringLiteral("Font"), fValor, [this]() -> const zev::Font& { return descriptionOnly().Font(); },
              [this](const FontDesc& f) { descriptionOnly().setFont(f); });
}

void ZEVDescriptionOnlyWidget::setFontBold(bool bValor) { writeValue(QStringLiteral("FontBold"), &C::setFontBold, bValor); }

void ZEVDescriptionOnlyWidget::setFontItalic(bool bValor)
{
    writeValue(QStringLiteral("FontItalic"), &C::setFontItalic, bValor);
}

void ZEVDescriptionOnlyWidget::setFontStrikethrough(bool bValor)
{
    writeValue(QStringLiteral("FontStrikethrough"), &C::setFontStrikethrough, bValor);
}

void ZEVDescriptionOnlyWidget::setFontUnderline(bool bValor)
{
    writeValue(QStringLiteral("FontUnderline"), &C::setFontUnderline, bValor);
}

void ZEVDescriptionOnlyWidget::setFontSize(int lValor)
{
    writeValue(QStringLiteral("FontSize"), &C::setFontSize, qint32(lValor));
}

void ZEVDescriptionOnlyWidget::setForeColor(const QColor& ocValor)
{
    writeColor(QStringLiteral("ForeColor"), ocValor, [this](OleColor c) { descriptionOnly().setForeColor(c); });
}

void ZEVDescriptionOnlyWidget::setLoaded(bool bValor) { writeValue(QStringLiteral("Loaded"), &C::setLoaded, bValor); }

void ZEVDescriptionOnlyWidget::setLocked(bool bValor) { writeValue(QStringLiteral("Locked"), &C::setLocked, bValor); }

void ZEVDescriptionOnlyWidget::setPrimaryKey(const QString& sValor)
{
    writeValue(QStringLiteral("PrimaryKey"), &C::setPrimaryKey, sValor);
}

void ZEVDescriptionOnlyWidget::setShowF3(bool bValor) { writeValue(QStringLiteral("ShowF3"), &C::setShowF3, bValor); }

void ZEVDescriptionOnlyWidget::About()
{
    call([this] { descriptionOnly().About(); });
}

void ZEVDescriptionOnlyWidget::Clear()
{
    call([this] { descriptionOnly().Clear(); });
}

void ZEVDescriptionOnlyWidget::ForceSearch(zev::eSource Source)
{
    call([this, Source]() mutable { descriptionOnly().ForceSearch(Source); });
}

} // namespace zev
