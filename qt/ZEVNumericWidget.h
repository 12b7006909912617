#pragma once

#include "framework/ControlError.h"
#include "qt/ZEVControlWidget.h"

#include <QColor>
#include <QVariant>

class QLineEdit;

namespace zev {

class ZEVNumeric;

/**
 * The numeric field (`ZEVNumeric`) as a QWidget: one edit box that keeps its
 * text readable as a number, formats it when the user leaves it and colours
 * it by sign.
 *
 * #Text is the documented value: the plain number in the locale's notation
 * ("1234,5" for a field showing "1.234,50"). value() and valueChanged() give
 * the same number as a double. The USER property, which QDataWidgetMapper and
 * item delegates bind, is #value as a QVariant: a model's 1234.5 shows as
 * 1234,5 in any locale and goes back as the double the user typed; an empty
 * field reads as a null QVariant and a null QVariant empties the field
 * whatever #StartZero says, so a NULL column stays NULL. (A user who enters and
 * leaves the empty field gets the formatted zero the control always shows
 * then, and that zero goes back.)
 *
 * #Format takes zev::eTipoFormatacao; ZEVNumericWidget::CurrencyFormatation
 * and zev::CurrencyFormatation are the same value of the same type. Designer
 * and .ui files name the values with this class's scope.
 *
 * Failures: a write throws ControlError, or with setReportsFailures(true)
 * goes to errorRaised() instead and leaves the property as it was. A colour
 * that is not valid (QColor()) fails with 380; an #Appearance beyond the
 * 16-bit range with 6. #Text, #value and #CustomFormat never fail: text that is
 * no number leaves the last number, one too large for the field gives 0, and
 * a pattern the value cannot take is ignored. A font over 2048 points, set
 * with QWidget::setFont (which cannot fail), goes to errorRaised() with 380.
 *
 * `Enabled` and `Font` are QWidget's `enabled` and `font`. Colours are QColors
 * (0x00BBGGRR values reach the control; a system colour reads as the
 * palette's colour); numeric() is the control with its exact values.
 *
 * Keys: KeyDown(), KeyPress() and KeyUp() come for each key in the box, in
 * that order. Enter reaches the window (a dialog's default button) after
 * them, unless a KeyPress handler set `KeyAscii` to 0. Text pasted or dropped
 * in another common notation ("USD 1,234.50") goes in converted to the
 * field's, as one edit with one Change().
 */
class ZEV_QT_EXPORT ZEVNumericWidget : public ZEVControlWidget {
    Q_OBJECT
    // In the order the control reads its saved properties (see ZEVControlWidget).
    /// The look of the edit box; default ZEVControlWidget::Flat. A value beyond the 16-bit range fails with 6.
    Q_PROPERTY(zev::ZEVControlWidget::AppearanceStyle Appearance READ Appearance WRITE setAppearance NOTIFY AppearanceChanged)
    /// Whether a negative number may stand in the field; default true. A
    /// number already shown stays; with false, the next text written (by the
    /// program, or on leaving the field) loses its minus sign.
    Q_PROPERTY(bool AllowNegative READ AllowNegative WRITE setAllowNegative)
    /// The edit box's background; default white (0xFFFFFF).
    Q_PROPERTY(QColor BackColor READ BackColor WRITE setBackColor)
    /// The text colour of a number above zero; default blue (0xFF0000).
    /// It shows at once when the field holds such a number, else with the next one.
    Q_PROPERTY(QColor ForeColorPositive READ ForeColorPositive WRITE setForeColorPositive)
    /// The text colour of a number below zero; default red (0x0000FF).
    /// It shows at once when the field holds such a number, else with the next one.
    Q_PROPERTY(QColor ForeColorNegative READ ForeColorNegative WRITE setForeColorNegative)
    /// The text colour of zero; default black (0).
    /// It shows at once when the field holds zero, else with the next zero.
    Q_PROPERTY(QColor ForeColorZero READ ForeColorZero WRITE setForeColorZero)
    /// How the number is shown outside editing; default #StandardFormatation
    /// (the locale's grouping, two decimals: "1.234,50"). #CurrencyFormatation
    /// adds the locale's currency symbol ("R$ 1.234,50"); #CustomFormatation
    /// uses #CustomFormat. Writing it reformats the field at once; any kind but
    /// #CustomFormatation empties #CustomFormat.
    Q_PROPERTY(eTipoFormatacao Format READ Format WRITE setFormat NOTIFY FormatChanged)
    /// Whether the user is kept from changing the text; default false.
    Q_PROPERTY(bool Locked READ Locked WRITE setLocked)
    /// Whether an emptied field shows 0; default true. Writing it replaces the
    /// value: true shows a formatted zero, false empties the field.
    Q_PROPERTY(bool StartZero READ StartZero WRITE setStartZero)
    /// The plain number in the locale's notation, never formatted ("1234,5"
    /// for a field showing "1.234,50"); default "0", "" for an empty field.
    /// A written text that is no number leaves the last number; one too large
    /// for a double gives 0. Every change of the field's text raises Change().
    Q_PROPERTY(QString Text READ Text WRITE setText NOTIFY Change)
    /// The pattern the field is shown with under #CustomFormatation; default
    /// empty. A pattern is taken only while the field holds a number and only
    /// when its output still reads as a number; else it is ignored (no
    /// failure). Taking one sets #Format to #CustomFormatation and reformats:
    /// FormatChanged(), then CustomFormatChanged().
    Q_PROPERTY(QString CustomFormat READ CustomFormat WRITE setCustomFormat NOTIFY CustomFormatChanged)
    /// The USER property: the number as a double, or a null QVariant for an
    /// empty field (see boundValue()). Not saved with the control.
    Q_PROPERTY(QVariant value READ boundValue WRITE setBoundValue NOTIFY valueChanged USER true DESIGNABLE false STORED false)

public:
    /// The display formats: the core's zev::eTipoFormatacao, named in this
    /// class as well.
    using eTipoFormatacao = zev::eTipoFormatacao;
    /// zev::StandardFormatation: the locale's grouping and two decimals.
    static constexpr eTipoFormatacao StandardFormatation = zev::StandardFormatation;
    /// zev::CurrencyFormatation: the locale's currency format.
    static constexpr eTipoFormatacao CurrencyFormatation = zev::CurrencyFormatation;
    /// zev::CustomFormatation: the pattern in #CustomFormat.
    static constexpr eTipoFormatacao CustomFormatation = zev::CustomFormatation;
#ifdef Q_MOC_RUN
    // What moc reads in their place (its code takes the values from the
    // constants above): the meta-enum keeps this class's scope, as Designer's
    // property sheet and every .ui file written so far name the values
    // (zev::ZEVNumericWidget::CurrencyFormatation).
    enum eTipoFormatacao { StandardFormatation, CurrencyFormatation, CustomFormatation };
    Q_ENUM(eTipoFormatacao)
#endif

    /// A working field with the default properties, as newly placed on a form.
    explicit ZEVNumericWidget(QWidget* parent = nullptr);

    /// The control, with the documented names and types.
    ZEVNumeric& numeric() const;
    /// The edit box the user types in (`txtValue`).
    QLineEdit* ControlText() const;

    /** @{ */
    /// Reads and writes #Appearance.
    AppearanceStyle Appearance() const;
    void setAppearance(AppearanceStyle appearance);
    /** @} */
    /** @{ */
    /// Reads and writes #AllowNegative.
    bool AllowNegative() const;
    void setAllowNegative(bool allow);
    /** @} */
    /** @{ */
    /// Reads and writes #BackColor.
    QColor BackColor() const;
    void setBackColor(const QColor& color);
    /** @} */
    /** @{ */
    /// Reads and writes #ForeColorPositive.
    QColor ForeColorPositive() const;
    void setForeColorPositive(const QColor& color);
    /** @} */
    /** @{ */
    /// Reads and writes #ForeColorNegative.
    QColor ForeColorNegative() const;
    void setForeColorNegative(const QColor& color);
    /** @} */
    /** @{ */
    /// Reads and writes #ForeColorZero.
    QColor ForeColorZero() const;
    void setForeColorZero(const QColor& color);
    /** @} */
    /** @{ */
    /// Reads and writes #Format.
    eTipoFormatacao Format() const;
    void setFormat(eTipoFormatacao format);
    /** @} */
    /** @{ */
    /// Reads and writes #Locked.
    bool Locked() const;
    void setLocked(bool locked);
    /** @} */
    /** @{ */
    /// Reads and writes #StartZero.
    bool StartZero() const;
    void setStartZero(bool startZero);
    /** @} */
    /** @{ */
    /// Reads and writes #Text.
    QString Text() const;
    void setText(const QString& text);
    /** @} */
    /** @{ */
    /// Reads and writes #CustomFormat. A pattern the value shown cannot take
    /// is ignored, as the control does.
    QString CustomFormat() const;
    void setCustomFormat(const QString& pattern);
    /** @} */

    /** @{ */
    /// The number of #Text as a double (0 for an empty field). Writing a value
    /// that is not finite is ignored.
    double value() const;
    void setValue(double value);
    /** @} */
    /** @{ */
    /// The #value property: the number as a double, or a null QVariant for an
    /// empty field. Writing null (or an empty text) empties the field; anything
    /// else is taken as a number (a text in C notation, "1234.5"), and what
    /// does not convert to a finite number is ignored.
    QVariant boundValue() const;
    void setBoundValue(const QVariant& value);
    /** @} */

    /// Shows the library's name and version ("ZEV Suite Controls v1.0.21") in
    /// an information message box; returns when it is closed.
    Q_INVOKABLE void AboutBox();

Q_SIGNALS:
    /// The text of the field changed: a key, a paste, a write of #Text or
    /// #value, or the field's own reformatting (on entering and leaving it no
    /// Change is raised). valueChanged() follows when the number changed.
    void Change();
    /// A key went down in the box. @p KeyCode (zev::KeyCodes) and @p Shift
    /// (zev::ShiftBits) go on to the box as the handlers leave them.
    void KeyDown(qint16& KeyCode, qint16& Shift);
    /// A character was typed, after KeyDown(). Setting @p KeyAscii to 0
    /// cancels it (and keeps Enter from the window).
    void KeyPress(qint16& KeyAscii);
    /// A key came up in the box, after KeyPress().
    void KeyUp(qint16& KeyCode, qint16& Shift);

    /// @name Property notifications
    /// @{

    /// The property of the same name changed through its setter (a write by the program or a saved form);
    /// each follows propertyChanged().
    void AppearanceChanged();
    void CustomFormatChanged();
    void FormatChanged();
    /// @}
    /// The number changed (typed, or written by the program), right after the Change() that changed it.
    void valueChanged(double value);
};

} // namespace zev
