#pragma once

#include "framework/ControlError.h"
#include "qt/ZEVControlWidget.h"

#include <QColor>
#include <QVariant>

class QLineEdit;

namespace zev {

class ZEVNumeric;

// The numeric field as a QWidget. Text is the documented value: the plain
// number in the locale's notation ("1234,5" for a field showing "1.234,50").
// value and valueChanged give the same number as a double. The USER property,
// which QDataWidgetMapper and item delegates bind, is `value` as a QVariant:
// a model's 1234.5 shows as 1234,5 in any locale and goes back as the double
// the user typed; an empty field reads as a null QVariant and a null QVariant
// empties the field whatever StartZero says, so a NULL column stays NULL. (A
// user who enters and leaves the empty field gets the formatted zero the
// control always shows then, and that zero goes back.)
//
// Format takes zev::eTipoFormatacao; ZEVNumericWidget::CurrencyFormatation
// and zev::CurrencyFormatation are the same value of the same type. Designer
// and .ui files name the values with this class's scope.
//
// Failures: a write throws ControlError, or with setReportsFailures(true)
// goes to errorRaised instead and leaves the property as it was. A colour
// that is not valid (QColor()) fails with 380; an Appearance beyond the
// 16-bit range with 6. Text, value and CustomFormat never fail: text that is
// no number leaves the last number, one too large for the field gives 0, and
// a pattern the value cannot take is ignored. A font over 2048 points, set
// with QWidget::setFont (which cannot fail), goes to errorRaised with 380.
//
// Enabled and Font are QWidget's `enabled` and `font`. Colours are QColors
// (0x00BBGGRR values reach the control; a system colour reads as the
// palette's colour); numeric() is the control with its exact values.
//
// Enter reaches the window (a dialog's default button) after KeyDown,
// KeyPress and KeyUp, unless a KeyPress handler set KeyAscii to 0.
class ZEV_QT_EXPORT ZEVNumericWidget : public ZEVControlWidget {
    Q_OBJECT
    // In the order the control reads its saved properties (see ZEVControlWidget).
    Q_PROPERTY(zev::ZEVControlWidget::AppearanceStyle Appearance READ Appearance WRITE setAppearance NOTIFY AppearanceChanged)
    Q_PROPERTY(bool AllowNegative READ AllowNegative WRITE setAllowNegative)
    Q_PROPERTY(QColor BackColor READ BackColor WRITE setBackColor)
    Q_PROPERTY(QColor ForeColorPositive READ ForeColorPositive WRITE setForeColorPositive)
    Q_PROPERTY(QColor ForeColorNegative READ ForeColorNegative WRITE setForeColorNegative)
    Q_PROPERTY(QColor ForeColorZero READ ForeColorZero WRITE setForeColorZero)
    Q_PROPERTY(eTipoFormatacao Format READ Format WRITE setFormat NOTIFY FormatChanged)
    Q_PROPERTY(bool Locked READ Locked WRITE setLocked)
    Q_PROPERTY(bool StartZero READ StartZero WRITE setStartZero)
    Q_PROPERTY(QString Text READ Text WRITE setText NOTIFY Change)
    Q_PROPERTY(QString CustomFormat READ CustomFormat WRITE setCustomFormat NOTIFY CustomFormatChanged)
    Q_PROPERTY(QVariant value READ boundValue WRITE setBoundValue NOTIFY valueChanged USER true DESIGNABLE false STORED false)

public:
    // The display formats: the core's zev::eTipoFormatacao, named in this
    // class as well.
    using eTipoFormatacao = zev::eTipoFormatacao;
    static constexpr eTipoFormatacao StandardFormatation = zev::StandardFormatation;
    static constexpr eTipoFormatacao CurrencyFormatation = zev::CurrencyFormatation;
    static constexpr eTipoFormatacao CustomFormatation = zev::CustomFormatation;
#ifdef Q_MOC_RUN
    // What moc reads in their place (its code takes the values from the
    // constants above): the meta-enum keeps this class's scope, as Designer's
    // property sheet and every .ui file written so far name the values
    // (zev::ZEVNumericWidget::CurrencyFormatation).
    enum eTipoFormatacao { StandardFormatation, CurrencyFormatation, CustomFormatation };
    Q_ENUM(eTipoFormatacao)
#endif

    explicit ZEVNumericWidget(QWidget* parent = nullptr);

    ZEVNumeric& numeric() const;
    // The edit box the user types in.
    QLineEdit* ControlText() const;

    AppearanceStyle Appearance() const;
    void setAppearance(AppearanceStyle appearance);
    bool AllowNegative() const;
    void setAllowNegative(bool allow);
    QColor BackColor() const;
    void setBackColor(const QColor& color);
    QColor ForeColorPositive() const;
    void setForeColorPositive(const QColor& color);
    QColor ForeColorNegative() const;
    void setForeColorNegative(const QColor& color);
    QColor ForeColorZero() const;
    void setForeColorZero(const QColor& color);
    eTipoFormatacao Format() const;
    void setFormat(eTipoFormatacao format);
    bool Locked() const;
    void setLocked(bool locked);
    bool StartZero() const;
    void setStartZero(bool startZero);
    QString Text() const;
    void setText(const QString& text);
    // A pattern the value shown cannot take is ignored, as the control does.
    QString CustomFormat() const;
    void setCustomFormat(const QString& pattern);

    // The number of Text (0 for an empty field). A value that is not finite is ignored.
    double value() const;
    void setValue(double value);
    // The `value` property: the number as a double, or a null QVariant for an
    // empty field. Writing null (or an empty text) empties the field; anything
    // else is taken as a number (a text in C notation, "1234.5"), and what
    // does not convert to a finite number is ignored.
    QVariant boundValue() const;
    void setBoundValue(const QVariant& value);

    Q_INVOKABLE void AboutBox();

Q_SIGNALS:
    void Change();
    void KeyDown(qint16& KeyCode, qint16& Shift);
    void KeyPress(qint16& KeyAscii);
    void KeyUp(qint16& KeyCode, qint16& Shift);

    void AppearanceChanged();
    void CustomFormatChanged();
    void FormatChanged();
    // The number changed (typed, or written by the program).
    void valueChanged(double value);
};

} // namespace zev
