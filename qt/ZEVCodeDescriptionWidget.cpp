#include "qt/ZEVCodeDescriptionWidget.h"

namespace zev {

namespace {
using C = ZEVCodeDescription;
}

ZEVCodeDescriptionWidget::ZEVCodeDescriptionWidget(QWidget* parent, Start start)
    : ZEVControlWidget(C::descriptor(), parent, start)
{
    bindEvent(&ZEVCodeDescriptionWidget::CodeChange);
    bindEvent(&ZEVCodeDescriptionWidget::DescChange);
    bindEvent(&ZEVCodeDescriptionWidget::Search);
    bindEvent(&ZEVCodeDescriptionWidget::Load);
    bindEvent(&ZEVCodeDescriptionWidget::Unload);
}

void ZEVCodeDescriptionWidget::setAppearance(int eaValor)
{
    writeValue(QStringLiteral("Appearance"), &C::setAppearance, qint32(eaValor));
}

void ZEVCodeDescriptionWidget::setCode(const QString& sValor) { writeValue(QStringLiteral("Code"), &C::setCode, sValor); }

void ZEVCodeDescriptionWidget::setCodeBackColor(const QColor& ocValor)
{
    writeColor(QStringLiteral("CodeBackColor"), ocValor, [this](OleColor c) { codeDescription().setCodeBackColor(c); });
}

void ZEVCodeDescriptionWidget::setCodeFont(const QFont& tfValor)
{
    writeFont(QStringLiteral("CodeFont"), tfValor, [this]() -> const zev::Font& { return codeDescription().CodeFont(); },
              [this](const FontDesc& f) { codeDescription().setCodeFont(f); });
}

void ZEVCodeDescriptionWidget::setCodeForeColor(const QColor& ocValor)
{
    writeColor(QStringLiteral("CodeForeColor"), ocValor, [this](OleColor c) { codeDescription().setCodeForeColor(c); });
}

void ZEVCodeDescriptionWidget::setCodeMaxLength(int iValor)
{
    attempt([&] { writeValue(QStringLiteral("CodeMaxLength"), &C::setCodeMaxLength, toInteger(iValor)); });
}

void ZEVCodeDescriptionWidget::setCodeSize(int iValor)
{
    attempt([&] { writeValue(QStringLiteral("CodeSize"), &C::setCodeSize, toInteger(iValor)); });
}

void ZEVCodeDescriptionWidget::setDescription(const QString& sValor)
{
    writeValue(QStringLiteral("Description"), &C::setDescription, sValor);
}

void ZEVCodeDescriptionWidget::setDescriptionBackColor(const QColor& ocValor)
{
    writeColor(QStringLiteral("DescriptionBackColor"), ocValor,
               [this](OleColor c) { codeDescription().setDescriptionBackColor(c); });
}

void ZEVCodeDescriptionWidget::setDescriptionFont(const QFont& fValor)
{
    writeFont(QStringLiteral("DescriptionFont"), fValor,
              [this]() -> const zev::Font& { return codeDescription().DescriptionFont(); },
              [this](const FontDesc& f) { codeDescription().setDescriptionFont(f); });
}

void ZEVCodeDescriptionWidget::setDescriptionForeColor(const QColor& ocValor)
{
    writeColor(QStringLiteral("DescriptionForeColor"), ocValor,
               [this](OleColor c) { codeDescription().setDescriptionForeColor(c); });
}

void ZEVCodeDescriptionWidget::setEnabled(bool bValor) { writeValue(QStringLiteral("Enabled"), &C::setEnabled, bValor); }

void ZEVCodeDescriptionWidget::setFieldPkey(const QString& sValor)
{
    writeValue(QStringLiteral("FieldPkey"), &C::setFieldPkey, sValor);
}

void ZEVCodeDescriptionWidget::setFontBold(bool bValor) { writeValue(QStringLiteral("FontBold"), &C::setFontBold, bValor); }

void ZEVCodeDescriptionWidget::setFontItalic(bool bValor)
{
    writeValue(QStringLiteral("FontItalic"), &C::setFontItalic, bValor);
}

void ZEVCodeDescriptionWidget::setFontStrikethrough(bool bValor)
{
    writeValue(QStringLiteral("FontStrikethrough"), &C::setFontStrikethrough, bValor);
}

void ZEVCodeDescriptionWidget::setFontUnderline(bool bValor)
{
    writeValue(QStringLiteral("FontUnderline"), &C::setFontUnderline, bValor);
}

void ZEVCodeDescriptionWidget::setFontSize(int lValor) { writeValue(QStringLiteral("FontSize"), &C::setFontSize, qint32(lValor)); }

void ZEVCodeDescriptionWidget::setFillZeros(bool bValor) { writeValue(QStringLiteral("FillZeros"), &C::setFillZeros, bValor); }

void ZEVCodeDescriptionWidget::setLoaded(bool bValor) { writeValue(QStringLiteral("Loaded"), &C::setLoaded, bValor); }

void ZEVCodeDescriptionWidget::setLocked(bool bValor) { writeValue(QStringLiteral("Locked"), &C::setLocked, bValor); }

void ZEVCodeDescriptionWidget::setPrimaryKey(const QString& sValor)
{
    writeValue(QStringLiteral("PrimaryKey"), &C::setPrimaryKey, sValor);
}

void ZEVCodeDescriptionWidget::setShowF3(bool bValor) { writeValue(QStringLiteral("ShowF3"), &C::setShowF3, bValor); }

void ZEVCodeDescriptionWidget::About()
{
    call([this] { codeDescription().About(); });
}

void ZEVCodeDescriptionWidget::Clear()
{
    call([this] { codeDescription().Clear(); });
}

void ZEVCodeDescriptionWidget::ForceSearch(zev::eSource Source)
{
    call([this, Source]() mutable { codeDescription().ForceSearch(Source); });
}

} // namespace zev
