#pragma once

#include <Qt>
#include <QtGlobal>

namespace zev {

// Qt key values and modifiers as the key codes and Shift bits that host code
// written for the original forms expects (Enter 13, F3 114, letters 65-90...).
namespace QtKeys {
// The key code of a Qt key, 0 when the key has none. Keypad digits and
// operators get the codes of the numeric keypad (96-111) except Enter, which is 13.
qint16 keyCode(int qtKey, Qt::KeyboardModifiers modifiers);
// Shift bits: 1 Shift, 2 Ctrl, 4 Alt.
qint16 shiftBits(Qt::KeyboardModifiers modifiers);
// The way back, for a key that a handler replaced: the Qt key and modifiers,
// or Qt::Key_unknown when the code names no key.
int qtKey(qint16 keyCode);
Qt::KeyboardModifiers modifiers(qint16 shiftBits);
} // namespace QtKeys

} // namespace zev
