#pragma once

#include <QtGlobal>

namespace zev {

/// Key codes of KeyDown/KeyUp, as host code written for the original forms expects them.
namespace KeyCodes {
constexpr qint16 Back = 8; ///< Backspace.
constexpr qint16 Tab = 9; ///< Tab.
constexpr qint16 Return = 13; ///< Enter: searches in a lookup.
constexpr qint16 Escape = 27; ///< Escape.
constexpr qint16 Space = 32; ///< Space.
constexpr qint16 End = 35; ///< End.
constexpr qint16 Home = 36; ///< Home.
constexpr qint16 Left = 37; ///< Left arrow.
constexpr qint16 Up = 38; ///< Up arrow.
constexpr qint16 Right = 39; ///< Right arrow.
constexpr qint16 Down = 40; ///< Down arrow.
constexpr qint16 Delete = 46; ///< Delete.
constexpr qint16 F1 = 112; ///< F1.
constexpr qint16 F3 = 114; ///< F3: searches in a lookup.
constexpr qint16 F12 = 123; ///< F12.
} // namespace KeyCodes

/// Bits of the Shift argument of KeyDown/KeyUp.
namespace ShiftBits {
constexpr qint16 Shift = 1; ///< A Shift key is held.
constexpr qint16 Ctrl = 2; ///< A Ctrl key is held.
constexpr qint16 Alt = 4; ///< An Alt key is held.
} // namespace ShiftBits

} // namespace zev
