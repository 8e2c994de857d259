// The program's colours (TColor, 0x00BBGGRR: red in the low byte) as Qt's colours and back:
// the one place where red and blue change places.
#pragma once

#include "global.h"

#include <QColor>
#include <QRgb>

// The opaque Qt pixel value (0xFFRRGGBB) of a colour; bits above the blue byte are dropped.
constexpr QRgb RgbAusFarbe(TColor farbe)
{
    return 0xFF000000u | ((farbe & 0xFFu) << 16) | (farbe & 0xFF00u) | ((farbe >> 16) & 0xFFu);
}

// The colour of a Qt pixel value; its alpha is dropped.
constexpr TColor FarbeAusRgb(QRgb pixel)
{
    return ((pixel >> 16) & 0xFFu) | (pixel & 0xFF00u) | ((pixel & 0xFFu) << 16);
}

inline QColor QFarbe(TColor farbe) { return QColor::fromRgb(RgbAusFarbe(farbe)); }
