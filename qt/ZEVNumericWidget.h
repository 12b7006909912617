#pragma once

#include "numeric/ZEVNumeric.h"
#include "qt/ZEVControlWidget.h"

namespace zev {

// The numeric field as a QWidget. Its USER property is Text (the plain number
// text, "1234,5" for a field showing "1.234,50"), so QDataWidgetMapper and
// item delegates bind it. Colours are QColors (0x00BBGGRR values reach the
// control; a system colour the control holds reads as the palette's colour);
// the control itself, with its exact colour values, is numeric().
//
// Not kept by the control's saved properties: Font (a .ui file's Font is
// applied all the same, after the others).
//
// Design-time writes are applied in the control's reading order (see
// ZEVControlWidget): a .ui file that sets CustomFormat before Text loads as
// one that sets it after.
class ZEVNumericWidget : public ZEVControlWidget {
    Q_OBJECT
    Q_PROPERTY(int Appearance READ Appearance WRITE setAppearance NOTIFY AppearanceChanged)
    Q_PROPERTY(bool AllowNegative READ AllowNegative WRITE setAllowNegative)
    Q_PROPERTY(QFont Font READ Font WRITE setFont NOTIFY FontChanged)
    Q_PROPERTY(bool StartZero READ StartZero WRITE setStartZero)
    Q_PROPERTY(QColor BackColor READ BackColor WRITE setBackColor)
    Q_PROPERTY(QString CustomFormat READ CustomFormat WRITE setCustomFormat NOTIFY CustomFormatChanged)
    Q_PROPERTY(bool Enabled READ Enabled WRITE setEnabled)
    Q_PROPERTY(QColor ForeColorNegative READ ForeColorNegative WRITE setForeColorNegative)
    Q_PROPERTY(QColor ForeColorPositive READ ForeColorPositive WRITE setForeColorPositive)
    Q_PROPERTY(QColor ForeColorZero READ ForeColorZero WRITE setForeColorZero)
    Q_PROPERTY(eTipoFormatacao Format READ Format WRITE setFormat NOTIFY FormatChanged)
    Q_PROPERTY(bool Locked READ Locked WRITE setLocked)
    Q_PROPERTY(QString Text READ Text WRITE setText NOTIFY Change USER true)

public:
    // The control's format kinds, for the property sheet and .ui files.
    enum eTipoFormatacao : qint32 {
        StandardFormatation = zev::StandardFormatation,
        CurrencyFormatation = zev::CurrencyFormatation,
        CustomFormatation = zev::CustomFormatation,
    };
    Q_ENUM(eTipoFormatacao)

    explicit ZEVNumericWidget(QWidget* parent = nullptr, Start start = Start::Fresh);

    ZEVNumeric& numeric() const { return static_cast<ZEVNumeric&>(control()); }

    FlatEdit* ControlText() const { return numeric().ControlText(); }
    void setControlText(FlatEdit* widget) { numeric().setControlText(widget); }

    int Appearance() const { return numeric().Appearance(); }
    void setAppearance(int eaValor);
    bool AllowNegative() const { return numeric().AllowNegative(); }
    void setAllowNegative(bool bValor);
    QFont Font() const { return toQFont(numeric().Font()); }
    void setFont(const QFont& vData);
    bool StartZero() const { return numeric().StartZero(); }
    void setStartZero(bool bValor);
    QColor BackColor() const { return toQColor(numeric().BackColor()); }
    void setBackColor(const QColor& ocValor);
    QString CustomFormat() const { return numeric().CustomFormat(); }
    void setCustomFormat(const QString& sValor);
    bool Enabled() const { return numeric().Enabled(); }
    void setEnabled(bool bValor);
    QColor ForeColorNegative() const { return toQColor(numeric().ForeColorNegative()); }
    void setForeColorNegative(const QColor& ocValor);
    QColor ForeColorPositive() const { return toQColor(numeric().ForeColorPositive()); }
    void setForeColorPositive(const QColor& ocValor);
    QColor ForeColorZero() const { return toQColor(numeric().ForeColorZero()); }
    void setForeColorZero(const QColor& ocValor);
    eTipoFormatacao Format() const { return eTipoFormatacao(numeric().Format()); }
    void setFormat(eTipoFormatacao etfValor);
    bool Locked() const { return numeric().Locked(); }
    void setLocked(bool bValor);
    QString Text() const { return numeric().Text(); }
    void setText(const QString& s);

    Q_INVOKABLE void AboutBox();

Q_SIGNALS:
    void Change();
    void KeyDown(qint16& KeyCode, qint16& Shift);
    void KeyPress(qint16& KeyAscii);
    void KeyUp(qint16& KeyCode, qint16& Shift);

    void AppearanceChanged();
    void FontChanged();
    void CustomFormatChanged();
    void FormatChanged();
};

} // namespace zev
