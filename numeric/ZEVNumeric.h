#pragma once

#include "framework/Control.h"
#include "framework/Enumerations.h"
#include "framework/FlatEdit.h"
#include "framework/ZEVCoreExport.h"

namespace zev {

class NumberEngine;

// A one-line numeric field: keeps its text readable as a number, shows it in
// the Standard, Currency or a custom format, colours it by sign, can refuse
// negative numbers and can show a zero whenever it is emptied.
class ZEV_CORE_EXPORT ZEVNumeric : public Control {
public:
    enum Event { Change = 1, KeyDown = 2, KeyPress = 3, KeyUp = 4 };

    explicit ZEVNumeric(ControlHost& host);
    ~ZEVNumeric() override;

    static const ClassDescriptor& descriptor();
    const ClassDescriptor& Descriptor() const override { return descriptor(); }

    FlatEdit* ControlText() const { return controlText_; }
    void setControlText(FlatEdit* widget) { controlText_ = widget; }

    qint32 Appearance() const;
    void setAppearance(qint32 eaValor);
    bool AllowNegative() const { return allowNegative_; }
    void setAllowNegative(bool bValor) { allowNegative_ = bValor; }
    zev::Font& Font() { return txtValue_.font(); }
    void setFont(const FontDesc& vData);
    bool StartZero() const { return startZero_; }
    void setStartZero(bool bValor);
    OleColor BackColor() const { return txtValue_.BackColor(); }
    void setBackColor(OleColor ocValor) { txtValue_.setBackColor(ocValor); }
    QString CustomFormat() const { return customFormat_; }
    void setCustomFormat(const QString& sValor);
    bool Enabled() const { return txtValue_.Enabled(); }
    void setEnabled(bool bValor) { txtValue_.setEnabled(bValor); }
    OleColor ForeColorNegative() const { return foreColorNegative_; }
    void setForeColorNegative(OleColor ocValor);
    OleColor ForeColorPositive() const { return foreColorPositive_; }
    void setForeColorPositive(OleColor ocValor);
    OleColor ForeColorZero() const { return foreColorZero_; }
    void setForeColorZero(OleColor ocValor);
    // Any value is kept; only the three eTipoFormatacao values format.
    qint32 Format() const { return format_; }
    void setFormat(qint32 etfValor);
    bool Locked() const { return txtValue_.Locked(); }
    void setLocked(bool bValor) { txtValue_.setLocked(bValor); }
    QString Text() const;
    void setText(const QString& s);
    // Empties the field whatever StartZero says, as a data source's null is
    // shown (an empty Text assigned under StartZero shows 0). Change as for
    // any assignment; leaving the field still shows a formatted zero.
    void clearValue();
    void AboutBox();

    double LastNumericValue() const { return lastNumericValue_; }
    bool SuppressChangeEvent() const { return suppressChangeEvent_; }

    void Initialize() override;
    void InitProperties() override;
    void ReadProperties(PropertyBag& bag) override;
    void WriteProperties(PropertyBag& bag) override;
    void Resize() override;
    void Terminate() override;

private:
    enum class SignTest { Negative, Positive, Zero };

    static const NumberEngine& engine();
    QString displayed(const QString& text) const;
    void setSignColor(OleColor& slot, OleColor ocValor, SignTest test);
    void colourBySign(double n);
    // leaving: the leave-field reformatting, which shows a refused negative
    // as its formatted positive instead of leaving it bare.
    void assignCaught(const QString& s, bool leaving);
    void assignText(const QString& s, bool leaving);
    void onChange();
    void onGotFocus();
    void onLostFocus();
    void leaveField();
    void raiseKeyEvent(int event, qint16& keyCode, qint16& shift);

    FlatEdit& txtValue_;
    FlatEdit* controlText_ = nullptr;
    bool allowNegative_ = false;
    QString customFormat_;
    qint32 format_ = StandardFormatation;
    OleColor foreColorPositive_ = 0;
    OleColor foreColorNegative_ = 0;
    OleColor foreColorZero_ = 0;
    bool startZero_ = false;
    double lastNumericValue_ = 0;
    bool suppressChangeEvent_ = false;
    // True while the control writes its own formatted display, which a pattern
    // with literal text may make unreadable: the change handling must not undo it.
    bool writingDisplay_ = false;
};

} // namespace zev
