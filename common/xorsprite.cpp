#include "xorsprite.h"

QRect ZeichneXor(Canvas &c, int x, int y, const QImage &bild)
{
    const KopierModus alt = c.copyMode;
    c.copyMode = KopierModus::SrcInvert;
    c.draw(x, y, bild);
    c.copyMode = alt;
    return QRect(QPoint(x, y), LogischeGroesse(bild));
}

void XorSprite::zeigen(Canvas &c, QPoint mitte)
{
    if (gezeigt_)
        verbergen(c);
    const QSize g = LogischeGroesse(bild);
    ort_ = QPoint(mitte.x() - g.width() / 2, mitte.y() - g.height() / 2);
    ZeichneXor(c, ort_.x(), ort_.y(), bild);
    gezeigt_ = true;
}

void XorSprite::verbergen(Canvas &c)
{
    if (!gezeigt_)
        return;
    ZeichneXor(c, ort_.x(), ort_.y(), bild);
    gezeigt_ = false;
}
