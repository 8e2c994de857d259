// Filling on the canvas: rectangles in the brush, whole frames of tiles (kacheln.h) and the
// flood fill.
#include "canvas.h"
#include "canvasmasken.h"
#include "kacheln.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <utility>
#include <vector>

using namespace canvasraster;

void Canvas::fillRect(int l, int t, int r, int b)
{
    if (!bereit())
        return;
    Raster ras(*img_);
    if (skala_ != 1.0) {
        const Skala sk = CanvasGeraet::skala(*this);
        maleKasten(ras, sk.kasten(normiert(l, t, r, b)), PenModus::Copy, zuRgb(brush.color), brush.style,
                   Schraffur(sk.s));
    } else {
        maleKasten(ras, normiert(l, t, r, b), PenModus::Copy, zuRgb(brush.color), brush.style);
    }
    geaendert();
}

// The canvas's own steps for drawings declared outside its header (kacheln.h).
class CanvasIntern {
public:
    static bool bereit(Canvas &c) { return c.bereit(); }
    static void geaendert(const Canvas &c) { c.geaendert(); }
};

namespace {

// The tiles at device pixels: tile (i, j) covers the device pixels of its logical box.
void kachelnGeraet(const Raster &ras, const Skala &sk, i64 l, i64 o, i64 b, i64 h, i64 spalten, i64 zeilen,
                   const TColor *farben)
{
    // the columns of tiles that reach into the picture
    i64 iVon = 0, iBis = spalten;
    while (iVon < spalten && sk.x(l + (iVon + 1) * b) <= 0)
        ++iVon;
    while (iBis > iVon && sk.x(l + (iBis - 1) * b) >= ras.w)
        --iBis;
    if (iVon >= iBis)
        return;
    for (i64 j = 0; j < zeilen; ++j) {
        const i64 y0 = std::max<i64>(0, sk.y(o + j * h)), y1 = std::min<i64>(ras.h, sk.y(o + (j + 1) * h));
        if (y0 >= y1)
            continue;
        QRgb *erste = ras.zeile(y0);
        const TColor *f = farben + j * spalten;
        for (i64 i = iVon; i < iBis; ++i) {
            const i64 x0 = std::max<i64>(0, sk.x(l + i * b)), x1 = std::min<i64>(ras.w, sk.x(l + (i + 1) * b));
            if (x0 < x1)
                std::fill(erste + x0, erste + x1, zuRgb(f[i]));
        }
        const i64 x0 = std::max<i64>(0, sk.x(l + iVon * b)), x1 = std::min<i64>(ras.w, sk.x(l + iBis * b));
        for (i64 y = y0 + 1; y < y1; ++y)
            std::copy(erste + x0, erste + x1, ras.zeile(y) + x0);
    }
}

}  // namespace

void FuelleKacheln(Canvas &c, int links, int oben, int breite, int hoehe, int spalten, int zeilen,
                   const TColor *farben)
{
    if (!CanvasIntern::bereit(c) || breite < 1 || hoehe < 1 || spalten < 1 || zeilen < 1 || !farben)
        return;
    Raster ras(*c.image());
    if (c.skala() != 1.0) {
        kachelnGeraet(ras, CanvasGeraet::skala(c), links, oben, breite, hoehe, spalten, zeilen, farben);
        return CanvasIntern::geaendert(c);
    }
    // the columns of tiles that reach into the picture, and their clipped pixel range
    const i64 l = links, b = breite;
    const i64 iVon = std::max<i64>(0, l >= 0 ? 0 : (-l) / b), iBis = std::min<i64>(spalten, (ras.w - l + b - 1) / b);
    if (iVon >= iBis)
        return;
    for (i64 j = 0; j < zeilen; ++j) {
        const i64 y0 = std::max<i64>(0, i64(oben) + j * hoehe), y1 = std::min<i64>(ras.h, i64(oben) + (j + 1) * hoehe);
        if (y0 >= y1)
            continue;
        QRgb *erste = ras.zeile(y0);
        const TColor *f = farben + j * spalten;
        for (i64 i = iVon; i < iBis; ++i) {
            const i64 x0 = std::max<i64>(0, l + i * b), x1 = std::min<i64>(ras.w, l + (i + 1) * b);
            std::fill(erste + x0, erste + x1, zuRgb(f[i]));
        }
        const i64 x0 = std::max<i64>(0, l + iVon * b), x1 = std::min<i64>(ras.w, l + iBis * b);
        for (i64 y = y0 + 1; y < y1; ++y)
            std::copy(erste + x0, erste + x1, ras.zeile(y) + x0);
    }
    CanvasIntern::geaendert(c);
}

void Canvas::floodFill(int x, int y, TColor farbe, FuellArt art)
{
    if (!bereit() || x < 0 || y < 0 || x >= width() || y >= height())
        return;
    Raster ras(*img_);
    // At device pixels the fill starts at the device pixel that stands for the logical one,
    // and hatches are those of the scale.
    std::optional<Schraffur> sch;
    if (skala_ != 1.0) {
        const Skala sk = CanvasGeraet::skala(*this);
        sch.emplace(sk.s);
        x = int(std::clamp<i64>(sk.mx(x), 0, ras.w - 1));
        y = int(std::clamp<i64>(sk.my(y), 0, ras.h - 1));
    }
    const QRgb schluessel = zuRgb(farbe) & 0xFFFFFFu, fuell = zuRgb(brush.color);
    const bool rand = art == FuellArt::Rand;
    auto innen = [&](QRgb p) { return ((p & 0xFFFFFFu) == schluessel) != rand; };
    if (!innen(ras.zeile(y)[x]))
        return;
    const i64 w = ras.w, h = ras.h;
    // Scanline fill with an explicit stack; visited pixels are never taken twice, so it
    // ends even when the brush colour itself counts as inside.
    std::vector<std::uint8_t> besucht(std::size_t(w * h), 0);
    const bool malen = brush.style != PinselStil::Clear, voll = brush.style == PinselStil::Solid;
    std::vector<std::pair<i64, i64>> stapel{{x, y}};
    while (!stapel.empty()) {
        const auto [sx, sy] = stapel.back();
        stapel.pop_back();
        std::uint8_t *b = besucht.data() + sy * w;
        QRgb *z = ras.zeile(sy);
        if (b[sx] || !innen(z[sx]))
            continue;
        i64 xl = sx, xr = sx;
        while (xl > 0 && !b[xl - 1] && innen(z[xl - 1]))
            --xl;
        while (xr + 1 < w && !b[xr + 1] && innen(z[xr + 1]))
            ++xr;
        std::memset(b + xl, 1, std::size_t(xr - xl + 1));
        if (voll)
            std::fill(z + xl, z + xr + 1, fuell);
        else if (malen)
            for (i64 xx = xl; xx <= xr; ++xx)
                if (sch ? sch->punkt(brush.style, xx, sy) : musterPunkt(brush.style, xx, sy))
                    z[xx] = fuell;
        for (const i64 ny : {sy - 1, sy + 1}) {
            if (ny < 0 || ny >= h)
                continue;
            const std::uint8_t *bn = besucht.data() + ny * w;
            const QRgb *zn = ras.zeile(ny);
            bool imLauf = false;
            for (i64 xx = xl; xx <= xr; ++xx) {
                const bool frei = !bn[xx] && innen(zn[xx]);
                if (frei && !imLauf)
                    stapel.emplace_back(xx, ny);
                imLauf = frei;
            }
        }
    }
    geaendert();
}
