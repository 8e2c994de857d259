// Pictures on the canvas: draw, stretchDraw and copyRect, copied, xored or scaled; pieces of
// the picture (ausschnitt).
#include "canvas.h"
#include "canvasmasken.h"

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

// Scales box s of picture q (RGB32) onto box d of the picture, nearest neighbour; with a key,
// the pixels of that colour are skipped.
void dehne(const Raster &ras, const QImage &q, Kasten s, Kasten d, KopierModus modus, bool mitSchluessel = false,
           QRgb schluessel = 0)
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
    schluessel &= 0xFFFFFFu;
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
            if (mitSchluessel) {
                if ((sz[sx] & 0xFFFFFFu) != schluessel)
                    z[x] = sz[sx] | Opak;
                continue;
            }
            z[x] = modus == KopierModus::SrcCopy ? (sz[sx] | Opak) : ((z[x] ^ sz[sx]) | Opak);
        }
    }
}

// Copies box s of picture q (RGB32) 1:1 to the picture with its top-left at (dx, dy), clipped
// to both; selbes: q is the picture itself (the block is taken first).
void kopiereBlock(const Raster &ras, const QImage &q, bool selbes, const Kasten &s, i64 dx, i64 dy, KopierModus modus)
{
    const i64 ox = dx - s.x0, oy = dy - s.y0;
    const Kasten k = s.mit(Kasten{0, 0, q.width(), q.height()}).mit(Kasten{-ox, -oy, ras.w - ox, ras.h - oy});
    if (k.leer())
        return;
    QImage block;
    const QRgb *basis;
    qsizetype bpl;
    i64 bx = 0, by = 0;  // origin of basis in source coordinates
    if (selbes) {        // overlapping copy within one picture: take the block first
        block = q.copy(int(k.x0), int(k.y0), int(k.x1 - k.x0), int(k.y1 - k.y0));
        basis = reinterpret_cast<const QRgb *>(block.constBits());
        bpl = block.bytesPerLine();
        bx = k.x0;
        by = k.y0;
    } else {
        basis = reinterpret_cast<const QRgb *>(q.constBits());
        bpl = q.bytesPerLine();
    }
    const i64 n = k.x1 - k.x0;
    for (i64 y = k.y0; y < k.y1; ++y) {
        const QRgb *sz =
            reinterpret_cast<const QRgb *>(reinterpret_cast<const uchar *>(basis) + (y - by) * bpl) + (k.x0 - bx);
        QRgb *z = ras.zeile(y + oy) + (k.x0 + ox);
        if (modus == KopierModus::SrcCopy)
            for (i64 i = 0; i < n; ++i)
                z[i] = sz[i] | Opak;
        else
            for (i64 i = 0; i < n; ++i)
                z[i] = (z[i] ^ sz[i]) | Opak;
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
    const double qs = q->devicePixelRatio();
    if (skala_ == 1.0 && qs == 1.0) {
        blit(ras, *q, x, y, copyMode, transparent, schluessel);
    } else {
        // At device pixels: a picture of the same ratio 1:1, any other scaled to its logical size.
        const Skala sk = CanvasGeraet::skala(*this);
        const QSize lg = LogischeGroesse(*q);
        const Kasten d = sk.kasten({x, y, i64(x) + lg.width(), i64(y) + lg.height()});
        if (qs == skala_)
            blit(ras, *q, d.x0, d.y0, copyMode, transparent, schluessel);
        else
            dehne(ras, *q, Kasten{0, 0, q->width(), q->height()}, d, copyMode, transparent, schluessel);
    }
    geaendert();
}

void Canvas::stretchDraw(const QRect &ziel, const QImage &bild)
{
    if (!bereit() || bild.isNull())
        return;
    const Kasten d = skala_ == 1.0 ? kastenVon(ziel) : CanvasGeraet::skala(*this).kasten(kastenVon(ziel));
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
    Kasten d = kastenVon(dest), s = kastenVon(srcRect);
    if (d.leer() || s.leer())
        return;
    Raster ras(*img_);  // detaches first, so a shared copy of the source stays intact
    QImage kopie;
    const QImage *q = &alsRgb32(*src.img_, kopie);
    const bool selbes = q->constBits() == ras.bits;
    bool gleichGross = d.x1 - d.x0 == s.x1 - s.x0 && d.y1 - d.y0 == s.y1 - s.y0;
    const double qs = src.img_->devicePixelRatio();
    if (skala_ != 1.0 || qs != 1.0) {
        // At device pixels: equal logical boxes at equal ratios are copied 1:1 (the target's
        // device box from the source's device corner), anything else is scaled.
        d = CanvasGeraet::skala(*this).kasten(d);
        s = CanvasGeraet::skala(src).kasten(s);
        if (gleichGross && qs == skala_)
            s = {s.x0, s.y0, s.x0 + (d.x1 - d.x0), s.y0 + (d.y1 - d.y0)};
        else if (gleichGross)
            gleichGross = false;
    }
    if (gleichGross) {
        kopiereBlock(ras, *q, selbes, s, d.x0, d.y0, copyMode);
    } else {
        if (selbes) {
            kopie = q->copy();
            q = &kopie;
        }
        dehne(ras, *q, s, d, copyMode);
    }
    geaendert();
}

QImage Canvas::ausschnitt(const QRect &r) const
{
    gebrauchen();
    if (!img_ || img_->isNull())
        return {};
    if (img_->devicePixelRatio() == 1.0)
        return img_->copy(r);
    const Skala sk = CanvasGeraet::skala(*this);
    const Kasten g = sk.kasten(kastenVon(r));
    QImage teil = img_->copy(int(g.x0), int(g.y0), int(g.x1 - g.x0), int(g.y1 - g.y0));
    teil.setOffset(img_->offset() + r.topLeft());  // the logical origin of the piece
    return teil;
}

QSize LogischeGroesse(const QImage &bild)
{
    if (bild.devicePixelRatio() == 1.0)
        return bild.size();
    const Skala sk(bild.devicePixelRatio(), QPoint());
    return {klemme(sk.logischX(bild.width())), klemme(sk.logischY(bild.height()))};
}

int GeraetKante(int x, double s)
{
    return s == 1.0 ? x : klemme(Skala::kante(x, s));
}
