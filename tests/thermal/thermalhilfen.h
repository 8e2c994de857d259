// Helpers of the two thermal window tests.
#pragma once

#include "canvas.h"
#include "global.h"
#include "testhilfen.h"

#include <QImage>

// Topmost row of the colour right of the axis title (-1: none).
inline int ObersteZeile(const QImage &bild, TColor farbe)
{
    Canvas c(const_cast<QImage *>(&bild));
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 250; x < bild.width(); ++x)
            if (c.pixel(x, y) == farbe)
                return y;
    return -1;
}
