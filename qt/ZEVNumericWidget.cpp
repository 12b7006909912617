#include "qt/ZEVNumericWidget.h"

namespace zev {

static_assert(int(ZEVNumericWidget::StandardFormatation) == int(zev::StandardFormatation)
              && int(ZEVNumericWidget::CurrencyFormatation) == int(zev::CurrencyFormatation)
              && int(ZEVNumericWidget::CustomFormatation) == int(zev::CustomFormatation));

ZEVNumericWidget::ZEVNumericWidget(QWidget* parent, Start start)
    : ZEVControlWidget(ZEVNumeric::descriptor(), parent, start)
{
    bindEvent(&ZEVNumericWidget::Change);
    bindEvent(&ZEVNumericWidget::KeyDown);
    bindEvent(&ZEVNumericWidget::KeyPress);
    bindEvent(&ZEVNumericWidget::KeyUp);
}

void ZEVNumericWidget::setAppearance(int eaValor)
{
    writeValue(QStringLiteral("Appearance"), &ZEVNumeric::setAppearance, qint32(eaValor));
}

void ZEVNumericWidget::setAllowNegative(bool bValor)
{
    writeValue(QStringLiteral("AllowNegative"), &ZEVNumeric::setAllowNegative, bValor);
}

void ZEVNumericWidget::setFont(const QFont& vData)
{
    writeFont(QStringLiteral("Font"), vData, [this]() -> const zev::Font& { return numeric().Font(); },
              [this](const FontDesc& f) { numeric().setFont(f); });
}

void ZEVNumericWidget::setStartZero(bool bValor)
{
    writeValue(QStringLiteral("StartZero"), &ZEVNumeric::setStartZero, bValor);
}

void ZEVNumericWidget::setBackColor(const QColor& ocValor)
{
    writeColor(QStringLiteral("BackColor"), ocValor, [this](OleColor c) { numeric().setBackColor(c); });
}

void ZEVNumericWidget::setCustomFormat(const QString& sValor)
{
    writeValue(QStringLiteral("CustomFormat"), &ZEVNumeric::setCustomFormat, sValor);
}

void ZEVNumericWidget::setEnabled(bool bValor) { writeValue(QStringLiteral("Enabled"), &ZEVNumeric::setEnabled, bValor); }

void ZEVNumericWidget::setForeColorNegative(const QColor& ocValor)
{
    writeColor(QStringLiteral("ForeColorNegative"), ocValor, [this](OleColor c) { numeric().setForeColorNegative(c); });
}

void ZEVNumericWidget::setForeColorPositive(const QColor& ocValor)
{
    writeColor(QStringLiteral("ForeColorPositive"), ocValor, [this](OleColor c) { numeric().setForeColorPositive(c); });
}

void ZEVNumericWidget::setForeColorZero(const QColor& ocValor)
{
    writeColor(QStringLiteral("ForeColorZero"), ocValor, [this](OleColor c) { numeric().setForeColorZero(c); });
}

void ZEVNumericWidget::setFormat(eTipoFormatacao etfValor)
{
    writeValue(QStringLiteral("Format"), &ZEVNumeric::setFormat, qint32(etfValor));
}

void ZEVNumericWidget::setLocked(bool bValor) { writeValue(QStringLiteral("Locked"), &ZEVNumeric::setLocked, bValor); }

void ZEVNumericWidget::setText(const QString& s) { writeValue(QStringLiteral("Text"), &ZEVNumeric::setText, s); }

void ZEVNumericWidget::AboutBox()
{
    call([this] { numeric().AboutBox(); });
}

} // namespace zev
