#pragma once

#include <QtGlobal>

namespace zev {

// A colour as the forms store it: 0x00BBGGRR, or 0x800000nn for system colour nn.
using OleColor = quint32;

namespace Colors {
constexpr OleColor White = 0x00FFFFFF;
constexpr OleColor Black = 0x00000000;
constexpr OleColor Red = 0x000000FF;
constexpr OleColor Blue = 0x00FF0000;
constexpr OleColor WindowBackground = 0x80000005;
constexpr OleColor WindowText = 0x80000008;
constexpr OleColor ButtonFace = 0x8000000F;
constexpr OleColor ButtonText = 0x80000012;

constexpr bool isSystemColor(OleColor c) { return (c & 0xFF000000u) == 0x80000000u; }
constexpr quint8 systemColorIndex(OleColor c) { return quint8(c & 0xFFu); }
} // namespace Colors

} // namespace zev
