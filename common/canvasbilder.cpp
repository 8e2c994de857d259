// Pictures on the canvas: draw, stretchDraw and copyRect, copied, xored or scaled.
#include "canvas.h"
#include "canvasraster.h"

#include <vector>

using namespace canvasraster;

namespace {

Kasten kastenVon(const QRect &r)
{
    return {r.left(), r.top(), i64(r.right()) + 1, i64(r.bottom()) + 1};
}

// Rows of a picture converted to RGB32 once, if needed.
const QImage &alsRgb32(const QImage &q, QImage &kopie)
{
    if (q.format() == QImage::Format_RGB32)
        return q;
    kopie = q.convertToFormat(QImage::Format_RGB32);
    return kopie;
}

// Places picture q (RGB32) with its top-left at (x, y): copied or xored; with a key, the
// pixels of that colour are skipped.
void blit(const Raster &ras, const QImage &q, i64 x, i64 y, KopierModus modus, bool mitSchluessel, QRgb schluessel)
{
    const Kasten k = Kasten{x, y, x + q.width(), y + q.height()}.mit(ras.kasten());
    if (k.leer())
        return;
    schluessel &= 0xFFFFFFu;
    for (i64 yy = k.y0; yy < k.y1; ++yy) {
        QRgb *z = ras.zeile(yy) + k.x0;
        const QRgb *s = reinterpret_cast<const QRgb *>(q.constScanLine(int(yy - y))) + (k.x0 - x);
        const i64 n = k.x1 - k.x0;
        if (mitSchluessel) {
            for (i64 i = 0; i < n; ++i)
                if ((s[i] & 0xFFFFFFu) != schluessel)
                    z[i] = s[i] | Opak;
        } else if (modus == KopierModus::SrcCopy) {
            for (i64 i = 0; i < n; ++i)
                z[i] = s[i] | Opak;
        } else {
            for (i64 i = 0; i < n; ++i)
                z[i] = (z[i] ^ s[i]) | Opak;
        }
    }
}

// Scales box s of picture q (RGB32) onto box d of the picture, nearest neighbour.
void dehne(const Raster &ras, const QImage &q, Kasten s, Kasten d, KopierModus modus)
{
    const Kasten k = d.mit(ras.kasten());
    if (k.leer() || s.leer())
        return;
    const i64 dw = d.x1 - d.x0, dh = d.y1 - d.y0, sw = s.x1 - s.x0, sh = s.y1 - s.y0;
    auto quelle = [](i64 i, i64 ziel, i64 quell, i64 anfang) {
        return anfang + TeileProdukt(u64(2 * i + 1), u64(quell), 0, u64(2 * ziel)).quotient;
    };
    std::vector<i64> spalten(std::size_t(k.x1 - k.x0));
    for (i64 x = k.x0; x < k.x1; ++x) {
        const i64 sx = quelle(x - d.x0, dw, sw, s.x0);
        spalten[std::size_t(x - k.x0)] = sx >= 0 && sx < q.width() ? sx : -1;
    }
    for (i64 y = k.y0; y < k.y1; ++y) {
        const i64 sy = quelle(y - d.y0, dh, sh, s.y0);
        if (sy < 0 || sy >= q.height())
            continue;
        const QRgb *sz = reinterpret_cast<const QRgb *>(q.constScanLine(int(sy)));
        QRgb *z = ras.zeile(y);
        for (i64 x = k.x0; x < k.x1; ++x) {
            const i64 sx = spalten[std::size_t(x - k.x0)];
            if (sx < 0)
                continue;
            z[x] = modus == KopierModus::SrcCopy ? (sz[sx] | Opak) : ((z[x] ^ sz[sx]) | Opak);
        }
    }
}

}  // namespace

void Canvas::draw(int x, int y, const QImage &bild, bool transparent, std::int64_t transparentColor)
{
    if (!bereit() || bild.isNull())
        return;
    QImage kopie;
    const QImage *q = &alsRgb32(bild, kopie);
    Raster ras(*img_);
    if (q->constBits() == ras.bits) {  // drawing the picture onto itself
        kopie = q->copy();
        q = &kopie;
    }
    QRgb schluessel = 0;
    if (transparent)
        schluessel = transparentColor < 0 ? q->pixel(0, q->height() - 1) : zuRgb(TColor(transparentColor));
    blit(ras, *q, x, y, copyMode, transparent, schluessel);
    geaendert();
}

void Canvas::stretchDraw(const QRect &ziel, const QImage &bild)
{
    if (!bereit() || bild.isNull())
        return;
    const Kasten d = kastenVon(ziel);
    if (d.leer())
        return;
    const i64 dw = d.x1 - d.x0, dh = d.y1 - d.y0;
    QImage kopie;
    const QImage *q = &alsRgb32(bild, kopie);
    Raster ras(*img_);
    if (q->constBits() == ras.bits) {
        kopie = q->copy();
        q = &kopie;
    }
    if (dw == q->width() && dh == q->height()) {
        blit(ras, *q, d.x0, d.y0, copyMode, false, 0);
    } else if (dw <= 8192 && dh <= 8192 && !d.mit(ras.kasten()).leer()) {
        // Smooth scaling for pictures of sensible size.
        const QImage skaliert =
            q->scaled(int(dw), int(dh), Qt::IgnoreAspectRatio, Qt::SmoothTransformation).convertToFormat(QImage::Format_RGB32);
        blit(ras, skaliert, d.x0, d.y0, copyMode, false, 0);
    } else {
        dehne(ras, *q, Kasten{0, 0, q->width(), q->height()}, d, copyMode);
    }
    geaendert();
}

void Canvas::copyRect(const QRect &dest, const Canvas &src, const QRect &srcRect)
{
    src.gebrauchen();
    if (!bereit() || !src.img_ || src.img_->isNull())
        return;
    const Kasten d = kastenVon(dest), s = kastenVon(srcRect);
    if (d.leer() || s.leer())
        return;
    Raster ras(*img_);  // detaches first, so a shared copy of the source stays intact
    QImage kopie;
    const QImage *q = &alsRgb32(*src.img_, kopie);
    const bool selbes = q->constBits() == ras.bits;
    const Kasten quellKasten{0, 0, q->width(), q->height()};
    if (d.x1 - d.x0 == s.x1 - s.x0 && d.y1 - d.y0 == s.y1 - s.y0) {
        const i64 ox = d.x0 - s.x0, oy = d.y0 - s.y0;
        const Kasten k = s.mit(quellKasten).mit(Kasten{-ox, -oy, ras.w - ox, ras.h - oy});
        if (k.leer())
            return;
        QImage block;
        const QRgb *basis;
        qsizetype bpl;
        i64 bx = 0, by = 0;  // origin of basis in source coordinates
        if (selbes) {        // overlapping copy within one picture: take the block first
            block = q->copy(int(k.x0), int(k.y0), int(k.x1 - k.x0), int(k.y1 - k.y0));
            basis = reinterpret_cast<const QRgb *>(block.constBits());
            bpl = block.bytesPerLine();
            bx = k.x0;
            by = k.y0;
        } else {
            basis = reinterpret_cast<const QRgb *>(q->constBits());
            bpl = q->bytesPerLine();
        }
        const i64 n = k.x1 - k.x0;
        for (i64 y = k.y0; y < k.y1; ++y) {
            const QRgb *sz =
                reinterpret_cast<const QRgb *>(reinterpret_cast<const uchar *>(basis) + (y - by) * bpl) + (k.x0 - bx);
            QRgb *z = ras.zeile(y + oy) + (k.x0 + ox);
            if (copyMode == KopierModus::SrcCopy)
                for (i64 i = 0; i < n; ++i)
                    z[i] = sz[i] | Opak;
            else
                for (i64 i = 0; i < n; ++i)
                    z[i] = (z[i] ^ sz[i]) | Opak;
        }
    } else {
        if (selbes) {
            kopie = q->copy();
            q = &kopie;
        }
        dehne(ras, *q, s, d, copyMode);
    }
    geaendert();
}
