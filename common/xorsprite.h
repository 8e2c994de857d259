// Pictures drawn by XOR (copy mode SrcInvert): drawing one a second time at the same place
// erases it. The canvas keeps the copy mode it had before.
#pragma once

#include "canvas.h"

#include <QImage>
#include <QPoint>
#include <QRect>

// Draws the picture by XOR with its top-left corner at (x, y), then restores the canvas's
// previous copy mode; returns the (logical) rectangle the picture covers.
QRect ZeichneXor(Canvas &c, int x, int y, const QImage &bild);

// A picture drawn by XOR, centred on a point; it remembers where it was drawn so that
// it is erased only when it is shown, at the very place it was drawn.
class XorSprite {
public:
    QImage bild;
    void zeigen(Canvas &c, QPoint mitte);
    void verbergen(Canvas &c);
    void vergessen() { gezeigt_ = false; }  // the picture under it was redrawn
    bool gezeigt() const { return gezeigt_; }
    QPoint ort() const { return ort_; }

private:
    bool gezeigt_ = false;
    QPoint ort_;
};
