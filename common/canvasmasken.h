// Byte masks of the canvas: shapes, outlines and text are first marked in a mask over their
// box, then drawn onto the picture in one pass through the pen mode.
#pragma once

#include "canvasraster.h"

#include <cmath>
#include <cstring>
#include <vector>

namespace canvasraster {

constexpr double ZweiPi = 6.283185307179586476925286766559;
constexpr int MaxStiftBreite = 64;  // wider pens are drawn this wide

inline int stiftBreite(const Stift &s)
{
    return std::clamp(s.width, 1, MaxStiftBreite);
}

// Pattern that actually applies: styles only at width 1.
inline PenStil wirksamerStil(const Stift &s)
{
    if (s.style == PenStil::Clear)
        return PenStil::Clear;
    return stiftBreite(s) > 1 ? PenStil::Solid : s.style;
}

// Columns [xa, xb] of row y inside the ellipse of box [l, r) x [t, b); false if none.
// A pixel belongs when rounding either its row's or its column's extent of the ellipse
// through the outermost pixel centres reaches it, so the ellipse touches all four sides.
inline bool ellipsenZeile(i64 l, i64 t, i64 r, i64 b, i64 y, i64 &xa, i64 &xb)
{
    if (y < t || y >= b || r <= l)
        return false;
    const double A = double(r - l - 1) / 2.0, B = double(b - t - 1) / 2.0;
    const double cx = double(l + r - 1) / 2.0, cy = double(t + b - 1) / 2.0;
    const double dy = std::abs(double(y) - cy);
    double K;
    if (B <= 0.0)
        K = A;
    else if (A <= 0.0)
        K = 0.0;
    else {
        const double u = std::min(1.0, dy / B);
        const double v = std::min(1.0, std::max(0.0, dy - 0.5) / B);
        K = std::max(A * std::sqrt(1.0 - u * u) + 0.5, A * std::sqrt(1.0 - v * v));
    }
    xa = std::max(l, i64(std::ceil(cx - K - 1e-9)));
    xb = std::min(r - 1, i64(std::floor(cx + K + 1e-9)));
    return xa <= xb;
}

// Counter-clockwise angular range between two rays from the centre of a box.
struct Sektor {
    double cx, cy, a3 = 0, spanne = ZweiPi;
    bool voll = true;
    Sektor(i64 l, i64 t, i64 r, i64 b, i64 x3, i64 y3, i64 x4, i64 y4)
        : Sektor(double(l + r - 1) / 2.0, double(t + b - 1) / 2.0, double(x3), double(y3), double(x4), double(y4))
    {
    }
    // Centre and ray points given directly (device pixels).
    Sektor(double mx, double my, double x3, double y3, double x4, double y4) : cx(mx), cy(my)
    {
        a3 = winkel(x3, y3);
        const double a4 = winkel(x4, y4);
        spanne = a4 - a3;
        if (spanne < 0)
            spanne += ZweiPi;
        voll = spanne == 0.0;  // equal rays: the whole ellipse
    }
    double winkel(double x, double y) const
    {
        double a = std::atan2(cy - y, x - cx);
        return a < 0 ? a + ZweiPi : a;
    }
    bool enthaelt(i64 x, i64 y) const
    {
        if (voll || (double(x) == cx && double(y) == cy))
            return true;
        double d = winkel(double(x), double(y)) - a3;
        if (d < 0)
            d += ZweiPi;
        return d <= spanne + 1e-12;
    }
};

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
    // A square of breite × breite pixels, placed like an even or odd round tip.
    static Spitze Quadrat(int breite)
    {
        Spitze q(1);
        const int von = -(breite / 2), bis = von + breite - 1;
        q.r = std::max(-von, bis);
        q.zeilen.assign(std::size_t(2 * q.r + 1), {1, 0});
        for (int dy = von; dy <= bis; ++dy)
            q.zeilen[std::size_t(dy + q.r)] = {von, bis};
        return q;
    }
    // The box of the pixels the tip covers when stamped on (x, y).
    Kasten kasten(i64 x, i64 y) const
    {
        Kasten k{x + r + 1, y + r + 1, x - r, y - r};
        for (int dy = -r; dy <= r; ++dy) {
            const auto [von, bis] = zeilen[std::size_t(dy + r)];
            if (von <= bis)
                k = {std::min(k.x0, x + von), std::min(k.y0, y + dy), std::max(k.x1, x + bis + 1), std::max(k.y1, y + dy + 1)};
        }
        return k;
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
// A hatch of another scale may be given (device pixels).
void zeichneMaske(const Raster &ras, Maske &m, PenModus modus, QRgb stift, const Pinsel &pinsel, bool fuellen,
                  const Schraffur *schraffur = nullptr);

// Puts the 1-pixel path of a line into the mask: pen pixels where the dash pattern is on,
// gap pixels elsewhere; with a wide tip, stamps the tip on every pixel of the line instead.
void linieInMaske(Maske &m, i64 x0, i64 y0, i64 x1, i64 y1, bool mitEnde, PenStil stil, i64 phase, const Spitze *spitze);

// A stroke at device pixels from device point (x0, y0) to (x1, y1), the tip stamped on the
// pixels of its line (the end pixel only with mitEnde); pen or gap by the dash pattern at
// logical index phase + i · logisch / n (n the device steps, logisch the logical ones).
// Pixels in ohne are left alone.
void strichInMaske(Maske &m, i64 x0, i64 y0, i64 x1, i64 y1, bool mitEnde, PenStil stil, i64 phase, i64 logisch,
                   const Spitze &spitze, const Kasten &ohne = {});

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

// Marks the outline of the region dicke pixels wide inside it: region pixels whose 4-connected
// distance to a pixel outside it is at most dicke (and accepted by auswahl) become pen pixels.
template <class A>
void umrissDick(Maske &m, int dicke, A &&auswahl)
{
    const std::size_t w = std::size_t(m.w), h = std::size_t(m.k.y1 - m.k.y0);
    std::vector<std::uint8_t> a(w * h), b(w * h);
    for (std::size_t i = 0; i < w * h; ++i)
        a[i] = m.d[i] & MFlaeche;
    for (int k = 0; k < dicke; ++k) {  // a := a without its border, dicke times
        for (std::size_t y = 0; y < h; ++y) {
            const std::uint8_t *z = a.data() + y * w;
            const std::uint8_t *oben = y > 0 ? z - w : nullptr, *unten = y + 1 < h ? z + w : nullptr;
            std::uint8_t *n = b.data() + y * w;
            for (std::size_t x = 0; x < w; ++x)
                n[x] = z[x] && x > 0 && x + 1 < w && z[x - 1] && z[x + 1] && oben && oben[x] && unten && unten[x];
        }
        a.swap(b);
    }
    for (std::size_t y = 0; y < h; ++y) {
        std::uint8_t *z = m.zeile(m.k.y0 + i64(y));
        const std::uint8_t *innen = a.data() + y * w;
        for (std::size_t x = 0; x < w; ++x)
            if ((z[x] & MFlaeche) && !innen[x] && auswahl(m.k.x0 + i64(x), m.k.y0 + i64(y)))
                z[x] |= MStift;
    }
}

}  // namespace canvasraster

// The canvas's operations at device pixels (a picture with a device pixel ratio other than 1).
class CanvasGeraet {
public:
    static canvasraster::Skala skala(const Canvas &c);
    static void strich(Canvas &c, QPoint von, QPoint bis);
    static void polyline(Canvas &c, const QVector<QPoint> &punkte);
    static void rectangle(Canvas &c, const canvasraster::Kasten &k);
    static void ellipse(Canvas &c, const canvasraster::Kasten &k);
    static void roundRect(Canvas &c, const canvasraster::Kasten &k, canvasraster::i64 ew, canvasraster::i64 eh);
    static void arc(Canvas &c, const canvasraster::Kasten &k, QPoint p3, QPoint p4, bool torte);
    static void polygon(Canvas &c, const QVector<QPoint> &punkte);
    static void text(Canvas &c, int x, int y, const QString &text);
};
