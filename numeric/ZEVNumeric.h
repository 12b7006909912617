#pragma once

#include "framework/Control.h"
#include "framework/Enumerations.h"
#include "framework/FlatEdit.h"
#include "framework/ZEVCoreExport.h"

namespace zev {

class NumberEngine;

/// A one-line numeric field: keeps its text readable as a number, shows it in the Standard, Currency or a
/// custom format, colours it by sign, can refuse negative numbers and can show a zero whenever it is emptied.
///
/// One edit box, `txtValue`, covers the whole control (design size 1140 x 525 twips, Tahoma 8.25). Entering
/// the field shows the bare number left-aligned and selected; leaving it shows the formatted number
/// right-aligned. A keystroke that makes the text unreadable is undone. The Qt face is ZEVNumericWidget.
class ZEV_CORE_EXPORT ZEVNumeric : public Control {
public:
    /// Event numbers, for ControlHost::RaiseEvent.
    enum Event {
        Change = 1,   ///< The text changed (not while SuppressChangeEvent).
        KeyDown = 2,  ///< A key went down in the box (KeyCode, Shift by reference).
        KeyPress = 3, ///< A character was typed (KeyAscii by reference; 0 cancels it).
        KeyUp = 4     ///< A key came up (KeyCode, Shift by reference).
    };

    /// A field served by @p host, which creates its edit box.
    explicit ZEVNumeric(ControlHost& host);
    /// Destroys the control.
    ~ZEVNumeric() override;

    /// The class's members and events ("ZEVNumeric").
    static const ClassDescriptor& descriptor();
    const ClassDescriptor& Descriptor() const override { return descriptor(); }

    /** @{ */
    /// The edit box `txtValue`, from Initialize to Terminate, for the host to reach directly; the control
    /// never reads it.
    FlatEdit* ControlText() const { return controlText_; }
    void setControlText(FlatEdit* widget) { controlText_ = widget; }
    /** @} */

    /** @{ */
    /// The edit box's look: 0 flat (default), 1 three-dimensional; beyond the 16-bit range fails with 6.
    qint32 Appearance() const;
    void setAppearance(qint32 eaValor);
    /** @} */
    /** @{ */
    /// Whether a negative number may stand in the field; default true. The next text written obeys it; a
    /// number shown stays.
    bool AllowNegative() const { return allowNegative_; }
    void setAllowNegative(bool bValor) { allowNegative_ = bValor; }
    /** @} */
    /// The edit box's font object; default Tahoma 8.25.
    zev::Font& Font() { return txtValue_.font(); }
    /// Copies @p vData into the edit box's font.
    void setFont(const FontDesc& vData);
    /** @{ */
    /// Whether an emptied field shows 0; default true. Writing it replaces the value: true shows a formatted
    /// zero, false empties the field.
    bool StartZero() const { return startZero_; }
    void setStartZero(bool bValor);
    /** @} */
    /** @{ */
    /// The edit box's background; default white.
    OleColor BackColor() const { return txtValue_.BackColor(); }
    void setBackColor(OleColor ocValor) { txtValue_.setBackColor(ocValor); }
    /** @} */
    /** @{ */
    /// The pattern used under CustomFormatation; default empty. A pattern is taken only while the field holds
    /// a number and when its output still reads as a number; taking one sets Format to CustomFormatation and
    /// reformats.
    QString CustomFormat() const { return customFormat_; }
    void setCustomFormat(const QString& sValor);
    /** @} */
    /** @{ */
    /// Whether the field takes input; default true.
    bool Enabled() const { return txtValue_.Enabled(); }
    void setEnabled(bool bValor) { txtValue_.setEnabled(bValor); }
    /** @} */
    /** @{ */
    /// The text colour of a number below zero; default red. Shown at once when the field holds such a number.
    OleColor ForeColorNegative() const { return foreColorNegative_; }
    void setForeColorNegative(OleColor ocValor);
    /** @} */
    /** @{ */
    /// The text colour of a number above zero; default blue. Shown at once when the field holds such a
    /// number.
    OleColor ForeColorPositive() const { return foreColorPositive_; }
    void setForeColorPositive(OleColor ocValor);
    /** @} */
    /** @{ */
    /// The text colour of zero; default black. Shown at once when the field holds zero.
    OleColor ForeColorZero() const { return foreColorZero_; }
    void setForeColorZero(OleColor ocValor);
    /** @} */
    /** @{ */
    /// The display format (eTipoFormatacao); default StandardFormatation. Any value is kept; only the three
    /// eTipoFormatacao values format. Writing it reformats the field; any value but CustomFormatation empties
    /// CustomFormat.
    qint32 Format() const { return format_; }
    void setFormat(qint32 etfValor);
    /** @} */
    /** @{ */
    /// Whether the user is kept from changing the text; default false.
    bool Locked() const { return txtValue_.Locked(); }
    void setLocked(bool bValor) { txtValue_.setLocked(bValor); }
    /** @} */
    /** @{ */
    /// The plain number in the locale's notation, never formatted ("1234,5"); default "0". A written text is
    /// checked, coloured and formatted; one that is no number leaves the last number, one too large gives 0.
    /// Change follows each change of the text.
    QString Text() const;
    void setText(const QString& s);
    /** @} */
    /// Empties the field whatever StartZero says, as a data source's null is shown (an empty Text assigned
    /// under StartZero shows 0). Change as for any assignment; leaving the field still shows a formatted
    /// zero.
    void clearValue();
    /// Shows the library's name and version ("ZEV Suite Controls v1.0.21", from the host's LibraryVersion)
    /// in an information message box (the host's MsgBox).
    void AboutBox();

    /// The number the text had the last time it read as a number; what an unreadable keystroke or assignment
    /// falls back to.
    double LastNumericValue() const { return lastNumericValue_; }
    /// True only while the focus handlers rewrite the text, which then raises no Change.
    bool SuppressChangeEvent() const { return suppressChangeEvent_; }

    /// ControlText becomes the edit box.
    void Initialize() override;
    /// The defaults, in this order: Appearance 0, AllowNegative true, BackColor white, CustomFormat empty,
    /// Enabled true, ForeColorPositive blue, ForeColorNegative red, ForeColorZero black, Format
    /// StandardFormatation, Locked false, StartZero true, Text "0"; then Resize.
    void InitProperties() override;
    /// Reads the saved keys through their setters; CustomFormat last, after Text, since a pattern is taken
    /// only while the field holds a number. Runs no Resize.
    void ReadProperties(PropertyBag& bag) override;
    /// Writes the twelve keys: Appearance, AllowNegative, BackColor, CustomFormat, Enabled,
    /// ForeColorPositive, ForeColorNegative, ForeColorZero, Format, Locked, StartZero, Text (the plain
    /// number); values equal to their defaults are not stored.
    void WriteProperties(PropertyBag& bag) override;
    /// The edit box takes the control's whole inner size.
    void Resize() override;
    /// ControlText is emptied.
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
