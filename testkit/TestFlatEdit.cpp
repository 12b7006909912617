#include "testkit/TestFlatEdit.h"

#include "framework/KeyCodes.h"

#include <algorithm>

namespace zev {

namespace {
// The key code a character's key sends, and whether Shift is down for it.
std::pair<qint16, qint16> keyForCharacter(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= 'a' && u <= 'z')
        return {qint16(u - 'a' + 'A'), 0};
    if (u >= 'A' && u <= 'Z')
        return {qint16(u), ShiftBits::Shift};
    if ((u >= '0' && u <= '9') || u == ' ')
        return {qint16(u), 0};
    switch (u) {
    case ',': return {188, 0};
    case '-': return {189, 0};
    case '.': return {190, 0};
    case '+': return {187, ShiftBits::Shift};
    case '=': return {187, 0};
    case '/': return {191, 0};
    case ';': return {186, 0};
    default: return {0, 0};
    }
}
} // namespace

TestFlatEdit::TestFlatEdit(const WidgetDesign& design, const FontDesc& font, TestHost* host)
    : TestWidgetBase<FlatEdit>(design, host), font_(font)
{
    if (design.foreColor)
        foreColor_ = *design.foreColor;
    if (design.backColor)
        backColor_ = *design.backColor;
}

void TestFlatEdit::setText(const QString& text)
{
    // Any write puts the caret at 0; only a different text is a Change.
    selStart_ = 0;
    selLength_ = 0;
    if (text == text_)
        return;
    text_ = text;
    raiseChange();
}

void TestFlatEdit::setMaxLength(qint32 length)
{
    if (length < 0)
        throw ControlError(ErrInvalidPropertyValue);
    maxLength_ = length;
}

void TestFlatEdit::setSelStart(qint32 start)
{
    if (start < 0)
        throw ControlError(ErrInvalidPropertyValue);
    selStart_ = std::min<qint32>(start, qint32(text_.size()));
    selLength_ = 0;
}

void TestFlatEdit::setSelLength(qint32 length)
{
    if (length < 0)
        throw ControlError(ErrInvalidPropertyValue);
    selLength_ = std::min<qint32>(length, qint32(text_.size()) - selStart_);
}

void TestFlatEdit::userTypeChar(QChar c)
{
    auto [keyCode, shift] = keyForCharacter(c);
    raiseKeyDown(keyCode, shift);
    qint16 keyAscii = qint16(c.unicode());
    raiseKeyPress(keyAscii);
    applyCharacter(keyAscii);
    raiseKeyUp(keyCode, shift);
}

void TestFlatEdit::userPressKey(qint16 keyCode, qint16 shift)
{
    raiseKeyDown(keyCode, shift);
    qint16 keyAscii = 0;
    if (keyCode == KeyCodes::Back || keyCode == KeyCodes::Return || keyCode == KeyCodes::Escape
        || keyCode == KeyCodes::Space || (keyCode >= '0' && keyCode <= '9'))
        keyAscii = keyCode;
    else if (keyCode >= 'A' && keyCode <= 'Z')
        keyAscii = (shift & ShiftBits::Shift) ? keyCode : qint16(keyCode - 'A' + 'a');
    if (keyAscii != 0) {
        raiseKeyPress(keyAscii);
        applyCharacter(keyAscii);
    } else {
        applyKey(keyCode);
    }
    raiseKeyUp(keyCode, shift);
}

void TestFlatEdit::applyCharacter(qint16 keyAscii)
{
    if (keyAscii == 0 || keyAscii == KeyCodes::Return || keyAscii == KeyCodes::Escape
        || keyAscii == KeyCodes::Tab || locked_)
        return;
    if (keyAscii == KeyCodes::Back) {
        if (selLength_ > 0)
            replaceSelection(QString());
        else if (selStart_ > 0)
            userEdit(text_.left(selStart_ - 1) + text_.mid(selStart_), selStart_ - 1);
        return;
    }
    if (maxLength_ > 0 && text_.size() - selLength_ + 1 > maxLength_)
        return;
    replaceSelection(QString(QChar(char16_t(quint16(keyAscii)))));
}

void TestFlatEdit::applyKey(qint16 keyCode)
{
    const qint32 length = qint32(text_.size());
    switch (keyCode) {
    case KeyCodes::Delete:
        if (locked_)
            return;
        if (selLength_ > 0)
            replaceSelection(QString());
        else if (selStart_ < length)
            userEdit(text_.left(selStart_) + text_.mid(selStart_ + 1), selStart_);
        return;
    case KeyCodes::Left: selStart_ = std::max(0, selStart_ - 1); selLength_ = 0; return;
    case KeyCodes::Right: selStart_ = std::min(length, selStart_ + selLength_ + 1); selLength_ = 0; return;
    case KeyCodes::Home: selStart_ = 0; selLength_ = 0; return;
    case KeyCodes::End: selStart_ = length; selLength_ = 0; return;
    default: return;
    }
}

void TestFlatEdit::replaceSelection(const QString& with)
{
    userEdit(text_.left(selStart_) + with + text_.mid(selStart_ + selLength_), selStart_ + qint32(with.size()));
}

void TestFlatEdit::userEdit(const QString& newText, qint32 caret)
{
    // The caret stands after the edit before Change runs, as a handler reads it.
    const bool changed = newText != text_;
    text_ = newText;
    selStart_ = std::min<qint32>(caret, qint32(text_.size()));
    selLength_ = 0;
    if (changed)
        raiseChange();
}

} // namespace zev
