#pragma once

#include "framework/FlatEdit.h"
#include "testkit/TestWidgetBase.h"

namespace zev {

/// An in-memory edit box that keeps the widget contract (FlatEdit) to the letter and can be typed into as a
/// user would.
class TestFlatEdit : public TestWidgetBase<FlatEdit> {
public:
    /// The box of @p design, in @p font, served by @p host.
    TestFlatEdit(const WidgetDesign& design, const FontDesc& font, TestHost* host);

    QString Text() const override { return text_; }
    void setText(const QString& text) override;
    qint16 Appearance() const override { return appearance_; }
    void setAppearance(qint16 appearance) override { appearance_ = appearance; }
    bool Locked() const override { return locked_; }
    void setLocked(bool locked) override { locked_ = locked; }
    qint32 MaxLength() const override { return maxLength_; }
    void setMaxLength(qint32 length) override;
    qint32 SelStart() const override { return selStart_; }
    void setSelStart(qint32 start) override;
    qint32 SelLength() const override { return selLength_; }
    void setSelLength(qint32 length) override;
    qint16 Alignment() const override { return alignment_; }
    void setAlignment(qint16 alignment) override { alignment_ = alignment; }
    Font& font() override { return font_; }
    OleColor ForeColor() const override { return foreColor_; }
    void setForeColor(OleColor color) override { foreColor_ = color; }
    OleColor BackColor() const override { return backColor_; }
    void setBackColor(OleColor color) override { backColor_ = color; }

    /// The selected text, for tests.
    QString selectedText() const { return text_.mid(selStart_, selLength_); }

    /// The user types @p c: KeyDown, KeyPress (whose KeyAscii may change or cancel it), the edit with its
    /// Change, KeyUp. TestHost::type() calls it after giving the box the focus.
    void userTypeChar(QChar c);
    /// The user presses a key (zev::KeyCodes, zev::ShiftBits): KeyDown; then, for a key that types a
    /// character (a digit, a letter, Space, Backspace, Enter, Escape), KeyPress and its edit, else the key's
    /// own effect (Delete, the arrows, Home, End); then KeyUp. TestHost::pressKey() calls it after giving the
    /// box the focus.
    void userPressKey(qint16 keyCode, qint16 shift);

private:
    void applyCharacter(qint16 keyAscii);
    void applyKey(qint16 keyCode);
    void replaceSelection(const QString& with);
    void userEdit(const QString& newText, qint32 caret);

    QString text_;
    qint16 appearance_ = 1;
    bool locked_ = false;
    qint32 maxLength_ = 0;
    qint32 selStart_ = 0;
    qint32 selLength_ = 0;
    qint16 alignment_ = 0;
    Font font_;
    OleColor foreColor_ = Colors::WindowText;
    OleColor backColor_ = Colors::WindowBackground;
};

} // namespace zev
