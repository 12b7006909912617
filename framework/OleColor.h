#pragma once

#include <QtGlobal>

namespace zev {

/// A colour as the forms store it: 0x00BBGGRR, or 0x800000nn for system colour nn (which follows the theme).
using OleColor = quint32;

/// Colours the controls use.
namespace Colors {
constexpr OleColor White = 0x00FFFFFF; ///< White.
constexpr OleColor Black = 0x00000000; ///< Black.
constexpr OleColor Red = 0x000000FF; ///< Red.
constexpr OleColor Blue = 0x00FF0000; ///< Blue.
constexpr OleColor WindowBackground = 0x80000005; ///< The system colour of a window's (and a box's) background.
constexpr OleColor WindowText = 0x80000008; ///< The system colour of a window's text.
constexpr OleColor ButtonFace = 0x8000000F; ///< The system colour of a button's face.
constexpr OleColor ButtonText = 0x80000012; ///< The system colour of a button's text.

/// Whether @p c is a system colour (0x800000nn).
constexpr bool isSystemColor(OleColor c) { return (c & 0xFF000000u) == 0x80000000u; }
/// The system colour number nn of @p c.
constexpr quint8 systemColorIndex(OleColor c) { return quint8(c & 0xFFu); }
} // namespace Colors

} // namespace zev
