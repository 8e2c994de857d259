// Byte masks of the canvas: shapes, outlines and text are first marked in a mask over their
// box, then drawn onto the picture in one pass through the pen mode.
#pragma once

#include "canvasraster.h"

#include <cstring>
#include <vector>

namespace canvasraster {

// The round tip of a wide pen as row spans: for dy = -r..r the columns dx in [von, bis].
// Odd widths are centred on the pixel; even widths reach one pixel further up and left.
struct Spitze {
    int r = 0;
    std::vector<std::pair<int, int>> zeilen;
    explicit Spitze(int breite)
    {
        const double c = breite % 2 == 0 ? 0.5 : 0.0, rr = breite / 2.0;
        r = (breite + 1) / 2;
        for (int dy = -r; dy <= r; ++dy) {
            int von = r + 1, bis = -r - 1;
            for (int dx = -r; dx <= r; ++dx)
                if ((dx + c) * (dx + c) + (dy + c) * (dy + c) <= rr * rr) {
                    von = std::min(von, dx);
                    bis = std::max(bis, dx);
                }
            zeilen.emplace_back(von, bis);
        }
    }
};

enum : std::uint8_t { MFlaeche = 1, MStift = 2, MLuecke = 4 };

// A byte mask over a box that never exceeds the picture plus a small margin.
struct Maske {
    Kasten k;
    i64 w = 0;
    std::vector<std::uint8_t> d;
    explicit Maske(Kasten kk) : k(kk)
    {
        if (k.leer())
            k = {};
        w = k.x1 - k.x0;
        d.assign(std::size_t(w * (k.y1 - k.y0)), 0);
    }
    std::uint8_t *zeile(i64 y) { return d.data() + (y - k.y0) * w; }
    std::uint8_t wert(i64 x, i64 y) const { return k.enthaelt(x, y) ? d[std::size_t((y - k.y0) * w + x - k.x0)] : 0; }
    void setze(i64 x, i64 y, std::uint8_t v)
    {
        if (k.enthaelt(x, y))
            d[std::size_t((y - k.y0) * w + x - k.x0)] |= v;
    }
    // Sets v on columns xa..xb (inclusive) of row y, clipped to the mask.
    void spanne(i64 y, i64 xa, i64 xb, std::uint8_t v)
    {
        if (y < k.y0 || y >= k.y1)
            return;
        xa = std::max(xa, k.x0);
        xb = std::min(xb, k.x1 - 1);
        std::uint8_t *z = zeile(y);
        for (i64 x = xa; x <= xb; ++x)
            z[x - k.x0] |= v;
    }
    void stempel(i64 x, i64 y, const Spitze &s)
    {
        for (int dy = -s.r; dy <= s.r; ++dy) {
            const auto [von, bis] = s.zeilen[std::size_t(dy + s.r)];
            if (von <= bis)
                spanne(y + dy, x + von, x + bis, MStift);
        }
    }
};

// Index of the first non-zero byte in mz[x..ende), or ende; eight bytes at a time.
inline i64 naechsterGesetzter(const std::uint8_t *mz, i64 x, i64 ende)
{
    while (x + 8 <= ende) {
        std::uint64_t acht;
        std::memcpy(&acht, mz + x, 8);
        if (acht)
            break;
        x += 8;
    }
    while (x < ende && !mz[x])
        ++x;
    return x;
}

// Draws a mask onto the picture through the pen mode: pen pixels in the pen colour, gap
// pixels of styled pens in the brush colour while the brush is solid, and (with fuellen)
// interior pixels in the brush colour where the brush pattern paints.
void zeichneMaske(const Raster &ras, Maske &m, PenModus modus, QRgb stift, const Pinsel &pinsel, bool fuellen);

// Puts the 1-pixel path of a line into the mask: pen pixels where the dash pattern is on,
// gap pixels elsewhere; with a wide tip, stamps the tip on every pixel of the line instead.
void linieInMaske(Maske &m, i64 x0, i64 y0, i64 x1, i64 y1, bool mitEnde, PenStil stil, i64 phase, const Spitze *spitze);

// Marks the outline of the region in the mask: region pixels with a 4-neighbour outside it
// (and accepted by auswahl) become pen pixels, or get the wide tip stamped on them.
template <class A>
void umriss(Maske &m, const Spitze *spitze, A &&auswahl)
{
    std::vector<std::pair<i64, i64>> punkte;
    const std::size_t w = std::size_t(m.w);
    const std::vector<std::uint8_t> leer(w, 0);
    std::vector<std::uint8_t> rand(w);
    for (i64 y = m.k.y0; y < m.k.y1; ++y) {
        std::uint8_t *z = m.zeile(y);
        const std::uint8_t *oben = y > m.k.y0 ? m.zeile(y - 1) : leer.data();
        const std::uint8_t *unten = y + 1 < m.k.y1 ? m.zeile(y + 1) : leer.data();
        // A region pixel is on the border unless all four neighbours are in the region.
        rand[0] = z[0] & MFlaeche;
        rand[w - 1] = z[w - 1] & MFlaeche;
        for (std::size_t i = 1; i + 1 < w; ++i)
            rand[i] = z[i] & ~(z[i - 1] & z[i + 1] & oben[i] & unten[i]) & MFlaeche;
        for (i64 i = naechsterGesetzter(rand.data(), 0, m.w); i < m.w; i = naechsterGesetzter(rand.data(), i + 1, m.w)) {
            if (!auswahl(m.k.x0 + i, y))
                continue;
            if (spitze)
                punkte.emplace_back(m.k.x0 + i, y);
            else
                z[i] |= MStift;
        }
    }
    for (const auto &[x, y] : punkte)
        m.stempel(x, y, *spitze);
}

}  // namespace canvasraster
