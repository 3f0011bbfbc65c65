// Colour values of the drawings: 24-bit RGB with red in the low byte, and their Qt equivalents.
#pragma once

#include <QRgb>
#include <cstdint>

namespace zeph {

// Red in bits 0-7, green in bits 8-15, blue in bits 16-23; higher bits are ignored.
using TColor = uint32_t;

constexpr TColor clBlack = 0x000000;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clGreen = 0x008000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clWhite = 0xFFFFFF;

// Opaque Qt colour of c.
constexpr QRgb ToQRgb(TColor c)
{
    return 0xFF000000u | ((c & 0xFFu) << 16) | (c & 0xFF00u) | ((c >> 16) & 0xFFu);
}

// Colour of a Qt pixel; the alpha channel is dropped.
constexpr TColor FromQRgb(QRgb q)
{
    return ((q >> 16) & 0xFFu) | (q & 0xFF00u) | ((q & 0xFFu) << 16);
}

}  // namespace zeph
