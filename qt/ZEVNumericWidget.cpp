#include "qt/ZEVNumericWidget.h"

#include "numeric/NumberEngine.h"
#include "numeric/ZEVNumeric.h"
#include "qt/QtAdapter.h"
#include "qt/QtFlatEdit.h"
#include "qt/QtFonts.h"
#include "qt/QtNumberPaste.h"
#include "qt/ZEVControlWidget_p.h"

#include <QLineEdit>
#include <cmath>
#include <memory>

namespace zev {

ZEVNumericWidget::ZEVNumericWidget(QWidget* parent) : ZEVControlWidget(ZEVNumeric::descriptor(), parent)
{
    ZEVControlWidgetPrivate& p = d();
    p.bindEvent(this, &ZEVNumericWidget::Change);
    p.bindEvent(this, &ZEVNumericWidget::KeyDown);
    p.bindEvent(this, &ZEVNumericWidget::KeyPress);
    p.bindEvent(this, &ZEVNumericWidget::KeyUp);
    p.applyEnabled = [this](bool enabled) { numeric().setEnabled(enabled); };
    p.controlEnabled = [this] { return numeric().Enabled(); };
    p.applyFont = [this](const QFont& font) { numeric().setFont(QtFonts::fromQFont(font, numeric().Font().value())); };
    p.controlFont = [this] { return ZEVControlWidgetPrivate::toQFont(numeric().Font()); };
    p.showControlFont();
    p.hintHeight = ZEVControlWidgetPrivate::HintHeight::LineEdit;
    if (QtFlatEdit* edit = p.flatEdit(QStringLiteral("txtValue"))) {
        edit->setEnterReachesWindow(true);
        // As in a spreadsheet: the keypad's decimal key types the decimal mark the field reads.
        edit->setKeypadDecimalMark([] { return NumberEngine::current().locale().decimalSeparator(); });
        // A pasted or dropped amount in another notation goes in converted to the field's.
        new QtNumberPaste(*edit, [this] { return numeric().AllowNegative(); });
    }
    // valueChanged follows the number, not each Change (a reformatting raises Change too).
    auto last = std::make_shared<double>(value());
    connect(this, &ZEVNumericWidget::Change, this, [this, last] {
        const double now = value();
        if (now != *last) {
            *last = now;
            Q_EMIT valueChanged(now);
        }
    });
}

ZEVNumeric& ZEVNumericWidget::numeric() const { return static_cast<ZEVNumeric&>(control()); }

QLineEdit* ZEVNumericWidget::ControlText() const { return qobject_cast<QLineEdit*>(d().part(QStringLiteral("txtValue"))); }

ZEVControlWidget::AppearanceStyle ZEVNumericWidget::Appearance() const { return AppearanceStyle(numeric().Appearance()); }

void ZEVNumericWidget::setAppearance(AppearanceStyle appearance)
{
    d().attempt([&] { numeric().setAppearance(qint32(appearance)); });
}

bool ZEVNumericWidget::AllowNegative() const { return numeric().AllowNegative(); }

void ZEVNumericWidget::setAllowNegative(bool allow)
{
    d().attempt([&] { numeric().setAllowNegative(allow); });
}

QColor ZEVNumericWidget::BackColor() const { return ZEVControlWidgetPrivate::toQColor(numeric().BackColor()); }

void ZEVNumericWidget::setBackColor(const QColor& color)
{
    d().writeColor(QStringLiteral("BackColor"), color, [this](OleColor c) { numeric().setBackColor(c); });
}

QColor ZEVNumericWidget::ForeColorPositive() const
{
    return ZEVControlWidgetPrivate::toQColor(numeric().ForeColorPositive());
}

void ZEVNumericWidget::setForeColorPositive(const QColor& color)
{
    d().writeColor(QStringLiteral("ForeColorPositive"), color, [this](OleColor c) { numeric().setForeColorPositive(c); });
}

QColor ZEVNumericWidget::ForeColorNegative() const
{
    return ZEVControlWidgetPrivate::toQColor(numeric().ForeColorNegative());
}

void ZEVNumericWidget::setForeColorNegative(const QColor& color)
{
    d().writeColor(QStringLiteral("ForeColorNegative"), color, [this](OleColor c) { numeric().setForeColorNegative(c); });
}

QColor ZEVNumericWidget::ForeColorZero() const { return ZEVControlWidgetPrivate::toQColor(numeric().ForeColorZero()); }

void ZEVNumericWidget::setForeColorZero(const QColor& color)
{
    d().writeColor(QStringLiteral("ForeColorZero"), color, [this](OleColor c) { numeric().setForeColorZero(c); });
}

eTipoFormatacao ZEVNumericWidget::Format() const { return eTipoFormatacao(numeric().Format()); }

void ZEVNumericWidget::setFormat(eTipoFormatacao format)
{
    d().attempt([&] { numeric().setFormat(qint32(format)); });
}

bool ZEVNumericWidget::Locked() const { return numeric().Locked(); }

void ZEVNumericWidget::setLocked(bool locked)
{
    d().attempt([&] { numeric().setLocked(locked); });
}

bool ZEVNumericWidget::StartZero() const { return numeric().StartZero(); }

void ZEVNumericWidget::setStartZero(bool startZero)
{
    d().attempt([&] { numeric().setStartZero(startZero); });
}

QString ZEVNumericWidget::Text() const { return numeric().Text(); }

void ZEVNumericWidget::setText(const QString& text)
{
    d().attempt([&] { numeric().setText(text); });
}

QString ZEVNumericWidget::CustomFormat() const { return numeric().CustomFormat(); }

void ZEVNumericWidget::setCustomFormat(const QString& pattern)
{
    d().attempt([&] { numeric().setCustomFormat(pattern); });
}

double ZEVNumericWidget::value() const
{
    double n = 0;
    return NumberEngine::current().tryRead(numeric().Text(), n) ? n : 0;
}

void ZEVNumericWidget::setValue(double value)
{
    if (!std::isfinite(value))
        return; // no text reads as it
    setText(NumberEngine::current().general(value));
}

QVariant ZEVNumericWidget::boundValue() const
{
    double n = 0;
    if (!NumberEngine::current().tryRead(numeric().Text(), n))
        return QVariant(); // an empty field: a NULL column
    return n;
}

void ZEVNumericWidget::setBoundValue(const QVariant& value)
{
    // A model's null (QVariant(), or a typed null from an SQL driver) or empty text.
    if (value.isNull() || (value.metaType().id() == QMetaType::QString && value.toString().trimmed().isEmpty())) {
        d().attempt([this] { numeric().clearValue(); });
        return;
    }
    // A model holds machine numbers: text is read in C notation, not the locale's.
    bool ok = false;
    const double n = value.toDouble(&ok);
    if (ok)
        setValue(n);
}

void ZEVNumericWidget::AboutBox()
{
    d().attempt([this] { numeric().AboutBox(); });
}

} // namespace zev
