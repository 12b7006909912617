#pragma once

#include "qt/ZEVControlWidget.h"

#include <QColor>

class QLineEdit;

namespace zev {

class ZEVNumeric;

// The numeric field as a QWidget. Text is the documented value: the plain
// number in the locale's notation ("1234,5" for a field showing "1.234,50");
// it is the USER property, so QDataWidgetMapper and item delegates bind it.
// value and valueChanged give the same number as a double.
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
    Q_PROPERTY(QString Text READ Text WRITE setText NOTIFY Change USER true)
    Q_PROPERTY(QString CustomFormat READ CustomFormat WRITE setCustomFormat NOTIFY CustomFormatChanged)
    Q_PROPERTY(double value READ value WRITE setValue NOTIFY valueChanged DESIGNABLE false STORED false)

public:
    // The display formats.
    enum eTipoFormatacao : qint32 {
        StandardFormatation = 0,
        CurrencyFormatation = 1,
        CustomFormatation = 2,
    };
    Q_ENUM(eTipoFormatacao)

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

    // The number of Text (0 for an empty field).
    double value() const;
    void setValue(double value);

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
