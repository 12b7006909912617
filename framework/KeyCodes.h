#pragma once

#include <QtGlobal>

namespace zev {

// Key codes of KeyDown/KeyUp, as host code written for the original forms expects them.
namespace KeyCodes {
constexpr qint16 Back = 8;
constexpr qint16 Tab = 9;
constexpr qint16 Return = 13;
constexpr qint16 Escape = 27;
constexpr qint16 Space = 32;
constexpr qint16 End = 35;
constexpr qint16 Home = 36;
constexpr qint16 Left = 37;
constexpr qint16 Up = 38;
constexpr qint16 Right = 39;
constexpr qint16 Down = 40;
constexpr qint16 Delete = 46;
constexpr qint16 F1 = 112;
constexpr qint16 F3 = 114;
constexpr qint16 F12 = 123;
} // namespace KeyCodes

// Bits of the Shift argument.
namespace ShiftBits {
constexpr qint16 Shift = 1;
constexpr qint16 Ctrl = 2;
constexpr qint16 Alt = 4;
} // namespace ShiftBits

} // namespace zev
