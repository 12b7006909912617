#include "qt/QtKeys.h"

#include "framework/KeyCodes.h"

#include <utility>

namespace zev::QtKeys {

namespace {
// Keys whose code does not follow from a range. Punctuation takes the codes of
// the US layout's keys, whichever character the key produces with Shift.
constexpr std::pair<int, qint16> Fixed[] = {
    {Qt::Key_Backspace, KeyCodes::Back},
    {Qt::Key_Tab, KeyCodes::Tab},
    {Qt::Key_Backtab, KeyCodes::Tab},
    {Qt::Key_Clear, 12},
    {Qt::Key_Return, KeyCodes::Return},
    {Qt::Key_Enter, KeyCodes::Return},
    {Qt::Key_Shift, 16},
    {Qt::Key_Control, 17},
    {Qt::Key_Alt, 18},
    {Qt::Key_AltGr, 18},
    {Qt::Key_Pause, 19},
    {Qt::Key_CapsLock, 20},
    {Qt::Key_Escape, KeyCodes::Escape},
    {Qt::Key_Space, KeyCodes::Space},
    {Qt::Key_PageUp, 33},
    {Qt::Key_PageDown, 34},
    {Qt::Key_End, KeyCodes::End},
    {Qt::Key_Home, KeyCodes::Home},
    {Qt::Key_Left, KeyCodes::Left},
    {Qt::Key_Up, KeyCodes::Up},
    {Qt::Key_Right, KeyCodes::Right},
    {Qt::Key_Down, KeyCodes::Down},
    {Qt::Key_Print, 44},
    {Qt::Key_Insert, 45},
    {Qt::Key_Delete, KeyCodes::Delete},
    {Qt::Key_Help, 47},
    {Qt::Key_Meta, 91},
    {Qt::Key_Menu, 93},
    {Qt::Key_NumLock, 144},
    {Qt::Key_ScrollLock, 145},
    // Shifted digits of the US layout.
    {Qt::Key_ParenRight, 48},
    {Qt::Key_Exclam, 49},
    {Qt::Key_At, 50},
    {Qt::Key_NumberSign, 51},
    {Qt::Key_Dollar, 52},
    {Qt::Key_Percent, 53},
    {Qt::Key_AsciiCircum, 54},
    {Qt::Key_Ampersand, 55},
    {Qt::Key_Asterisk, 56},
    {Qt::Key_ParenLeft, 57},
    // Punctuation.
    {Qt::Key_Semicolon, 186},
    {Qt::Key_Colon, 186},
    {Qt::Key_Equal, 187},
    {Qt::Key_Plus, 187},
    {Qt::Key_Comma, 188},
    {Qt::Key_Less, 188},
    {Qt::Key_Minus, 189},
    {Qt::Key_Underscore, 189},
    {Qt::Key_Period, 190},
    {Qt::Key_Greater, 190},
    {Qt::Key_Slash, 191},
    {Qt::Key_Question, 191},
    {Qt::Key_QuoteLeft, 192},
    {Qt::Key_AsciiTilde, 192},
    {Qt::Key_BracketLeft, 219},
    {Qt::Key_BraceLeft, 219},
    {Qt::Key_Backslash, 220},
    {Qt::Key_Bar, 220},
    {Qt::Key_BracketRight, 221},
    {Qt::Key_BraceRight, 221},
    {Qt::Key_Apostrophe, 222},
    {Qt::Key_QuoteDbl, 222},
    // Keys of the Brazilian (ABNT2) layout that the US layout lacks.
    {Qt::Key_Ccedilla, 186},
    {Qt::Key_Dead_Acute, 219},
    {Qt::Key_Dead_Tilde, 222},
    {Qt::Key_Dead_Circumflex, 222},
    {Qt::Key_Dead_Grave, 219},
    {Qt::Key_Dead_Diaeresis, 54},
};

// The key a code names when a handler hands back another code than it got.
constexpr std::pair<qint16, int> Reverse[] = {
    {KeyCodes::Back, Qt::Key_Backspace},   {KeyCodes::Tab, Qt::Key_Tab},
    {KeyCodes::Return, Qt::Key_Return},    {KeyCodes::Escape, Qt::Key_Escape},
    {KeyCodes::Space, Qt::Key_Space},      {33, Qt::Key_PageUp},
    {34, Qt::Key_PageDown},                {KeyCodes::End, Qt::Key_End},
    {KeyCodes::Home, Qt::Key_Home},        {KeyCodes::Left, Qt::Key_Left},
    {KeyCodes::Up, Qt::Key_Up},            {KeyCodes::Right, Qt::Key_Right},
    {KeyCodes::Down, Qt::Key_Down},        {45, Qt::Key_Insert},
    {KeyCodes::Delete, Qt::Key_Delete},
};
} // namespace

qint16 keyCode(int qtKey, Qt::KeyboardModifiers modifiers)
{
    const bool keypad = modifiers.testFlag(Qt::KeypadModifier);
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return qint16((keypad ? 96 : 48) + (qtKey - Qt::Key_0));
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)
        return qint16(qtKey);
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return qint16(KeyCodes::F1 + (qtKey - Qt::Key_F1));
    if (keypad) {
        switch (qtKey) {
        case Qt::Key_Asterisk: return 106;
        case Qt::Key_Plus: return 107;
        case Qt::Key_Minus: return 109;
        case Qt::Key_Period: case Qt::Key_Comma: return 110;
        case Qt::Key_Slash: return 111;
        default: break;
        }
    }
    for (const auto& [key, code] : Fixed)
        if (key == qtKey)
            return code;
    return 0;
}

qint16 shiftBits(Qt::KeyboardModifiers modifiers)
{
    qint16 bits = 0;
    if (modifiers.testFlag(Qt::ShiftModifier))
        bits |= ShiftBits::Shift;
    if (modifiers.testFlag(Qt::ControlModifier))
        bits |= ShiftBits::Ctrl;
    if (modifiers.testFlag(Qt::AltModifier))
        bits |= ShiftBits::Alt;
    return bits;
}

int qtKey(qint16 keyCode)
{
    if (keyCode >= 48 && keyCode <= 57)
        return Qt::Key_0 + (keyCode - 48);
    if (keyCode >= 65 && keyCode <= 90)
        return keyCode;
    if (keyCode >= KeyCodes::F1 && keyCode <= KeyCodes::F1 + 23)
        return Qt::Key_F1 + (keyCode - KeyCodes::F1);
    for (const auto& [code, key] : Reverse)
        if (code == keyCode)
            return key;
    return Qt::Key_unknown;
}

Qt::KeyboardModifiers modifiers(qint16 bits)
{
    Qt::KeyboardModifiers m;
    if (bits & ShiftBits::Shift)
        m |= Qt::ShiftModifier;
    if (bits & ShiftBits::Ctrl)
        m |= Qt::ControlModifier;
    if (bits & ShiftBits::Alt)
        m |= Qt::AltModifier;
    return m;
}

} // namespace zev::QtKeys
