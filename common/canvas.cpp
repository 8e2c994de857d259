#include "canvas.h"
#include "kacheln.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>
#include <utility>
#include <vector>

namespace {

using i64 = std::int64_t;
using u64 = std::uint64_t;

// (a · b + c) / d and its remainder for a, b, c ≥ 0 and d > 0 whose quotient fits in 64 bits,
// exact also where a · b exceeds 64 bits: the product in two 64-bit halves, then long division.
struct Teilung {
    i64 quotient, rest;
};
Teilung TeileProdukt(u64 a, u64 b, u64 c, u64 d)
{
    const u64 maske = 0xFFFFFFFFu;
    const u64 ll = (a & maske) * (b & maske), lh = (a & maske) * (b >> 32), hl = (a >> 32) * (b & maske),
              hh = (a >> 32) * (b >> 32);
    const u64 mitte = (ll >> 32) + (lh & maske) + (hl & maske);
    u64 unten = (ll & maske) | (mitte << 32);
    u64 oben = hh + (lh >> 32) + (hl >> 32) + (mitte >> 32);
    unten += c;
    oben += unten < c;
    u64 q = 0, r = 0;
    for (int i = 127; i >= 0; --i) {
        const u64 bit = i >= 64 ? (oben >> (i - 64)) & 1u : (unten >> i) & 1u;
        const bool ueberlauf = r >> 63;
        r = (r << 1) | bit;
        q <<= 1;
        if (ueberlauf || r >= d) {
            r -= d;
            q |= 1u;
        }
    }
    return {i64(q), i64(r)};
}

constexpr QRgb Opak = 0xFF000000u;
constexpr double ZweiPi = 6.283185307179586476925286766559;
constexpr int MaxStiftBreite = 64;     // wider pens are drawn this wide
constexpr int MaxPixelGroesse = 1000;  // font pixel sizes are kept within 1..1000

// the conversions of farbe.h under the short names of this file
constexpr auto zuRgb = RgbAusFarbe;
constexpr auto zuTColor = FarbeAusRgb;

int klemme(i64 v)
{
    return static_cast<int>(std::clamp<i64>(v, INT_MIN, INT_MAX));
}

// The pen mode applied to destination d with source s.
inline QRgb verknuepfe(PenModus m, QRgb d, QRgb s)
{
    switch (m) {
    case PenModus::Copy:
        return s | Opak;
    case PenModus::Xor:
        return (d ^ s) | Opak;
    case PenModus::NotXor:
        return ~(d ^ s) | Opak;
    case PenModus::Not:
        return ~d | Opak;
    }
    return s | Opak;
}

// Whether the brush paints pixel (x, y); hatches repeat every 8 pixels.
inline bool musterPunkt(PinselStil st, i64 x, i64 y)
{
    switch (st) {
    case PinselStil::Solid:
        return true;
    case PinselStil::Clear:
        return false;
    case PinselStil::Horizontal:
        return (y & 7) == 0;
    case PinselStil::Vertical:
        return (x & 7) == 0;
    case PinselStil::FDiagonal:
        return ((x - y) & 7) == 0;
    case PinselStil::BDiagonal:
        return ((x + y) & 7) == 0;
    case PinselStil::Cross:
        return (x & 7) == 0 || (y & 7) == 0;
    case PinselStil::DiagCross:
        return ((x - y) & 7) == 0 || ((x + y) & 7) == 0;
    }
    return false;
}

// Dash patterns of 1-pixel pens, in pixels along the line.
int musterLaenge(PenStil st)
{
    switch (st) {
    case PenStil::Dash:
    case PenStil::DashDot:
    case PenStil::DashDotDot:
        return 24;
    case PenStil::Dot:
        return 6;
    default:
        return 1;
    }
}

inline bool musterAn(PenStil st, i64 i)
{
    switch (st) {
    case PenStil::Dash:
        return i % 24 < 18;  // 18 on, 6 off
    case PenStil::Dot:
        return i % 6 < 3;  // 3 on, 3 off
    case PenStil::DashDot: {
        const i64 k = i % 24;  // 9 / 6 / 3 / 6
        return k < 9 || (k >= 15 && k < 18);
    }
    case PenStil::DashDotDot: {
        const i64 k = i % 24;  // 9 / 3 / 3 / 3 / 3 / 3
        return k < 9 || (k >= 12 && k < 15) || (k >= 18 && k < 21);
    }
    default:
        return true;
    }
}

int stiftBreite(const Stift &s)
{
    return std::clamp(s.width, 1, MaxStiftBreite);
}

// Pattern that actually applies: styles only at width 1.
PenStil wirksamerStil(const Stift &s)
{
    if (s.style == PenStil::Clear)
        return PenStil::Clear;
    return stiftBreite(s) > 1 ? PenStil::Solid : s.style;
}

// A half-open box [x0, x1) x [y0, y1) in 64-bit coordinates.
struct Kasten {
    i64 x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    bool leer() const { return x0 >= x1 || y0 >= y1; }
    Kasten mit(const Kasten &k) const
    {
        return {std::max(x0, k.x0), std::max(y0, k.y0), std::min(x1, k.x1), std::min(y1, k.y1)};
    }
    Kasten erweitert(i64 m) const { return {x0 - m, y0 - m, x1 + m, y1 + m}; }
    bool enthaelt(i64 x, i64 y) const { return x >= x0 && x < x1 && y >= y0 && y < y1; }
};

Kasten kastenVon(const QRect &r)
{
    return {r.left(), r.top(), i64(r.right()) + 1, i64(r.bottom()) + 1};
}

// Bounding box of a box given by two corners in any order (right and bottom excluded).
Kasten normiert(i64 l, i64 t, i64 r, i64 b)
{
    if (l > r)
        std::swap(l, r);
    if (t > b)
        std::swap(t, b);
    return {l, t, r, b};
}

// Direct access to the rows of an RGB32 picture.
struct Raster {
    uchar *bits;
    qsizetype bpl;
    i64 w, h;
    explicit Raster(QImage &img) : bits(img.bits()), bpl(img.bytesPerLine()), w(img.width()), h(img.height()) {}
    QRgb *zeile(i64 y) const { return reinterpret_cast<QRgb *>(bits + y * bpl); }
    Kasten kasten() const { return {0, 0, w, h}; }
};

// Paints the pixels of box k (clipped to the picture) that the pattern selects, through the mode.
void maleKasten(const Raster &ras, Kasten k, PenModus modus, QRgb farbe, PinselStil muster)
{
    k = k.mit(ras.kasten());
    if (k.leer() || muster == PinselStil::Clear)
        return;
    for (i64 y = k.y0; y < k.y1; ++y) {
        QRgb *z = ras.zeile(y);
        if (muster == PinselStil::Solid && modus == PenModus::Copy) {
            std::fill(z + k.x0, z + k.x1, farbe);
            continue;
        }
        for (i64 x = k.x0; x < k.x1; ++x)
            if (musterPunkt(muster, x, y))
                z[x] = verknuepfe(modus, z[x], farbe);
    }
}

// Visits, in order, the pixels of the line from (x0, y0) to (x1, y1) that lie inside clip:
// f(x, y, i) with i the index of the pixel along the line. The end pixel is visited only
// with mitEnde. Runs at most as many steps as the clip box is long along the main axis.
template <class F>
void linie(i64 x0, i64 y0, i64 x1, i64 y1, bool mitEnde, const Kasten &clip, F &&f)
{
    const i64 adx = std::abs(x1 - x0), ady = std::abs(y1 - y0);
    const bool xHaupt = adx >= ady;
    const i64 n = xHaupt ? adx : ady;  // steps along the main axis
    const i64 m = xHaupt ? ady : adx;
    if (n == 0) {
        if (mitEnde && clip.enthaelt(x0, y0))
            f(x0, y0, i64(0));
        return;
    }
    const i64 letzter = mitEnde ? n : n - 1;
    const i64 a0 = xHaupt ? x0 : y0, b0 = xHaupt ? y0 : x0;
    const i64 sa = (xHaupt ? x1 >= x0 : y1 >= y0) ? 1 : -1;
    const i64 sb = (xHaupt ? y1 >= y0 : x1 >= x0) ? 1 : -1;
    const i64 lo = xHaupt ? clip.x0 : clip.y0, hi = (xHaupt ? clip.x1 : clip.y1) - 1;
    const i64 blo = xHaupt ? clip.y0 : clip.x0, bhi = xHaupt ? clip.y1 : clip.x1;
    if (lo > hi)
        return;
    i64 iA = sa > 0 ? lo - a0 : a0 - hi;
    i64 iB = sa > 0 ? hi - a0 : a0 - lo;
    iA = std::max<i64>(iA, 0);
    iB = std::min(iB, letzter);
    if (iA > iB)
        return;
    // Minor coordinate b0 + sb * floor((2 i m + n) / (2 n)): nearest, halves away from the start.
    const i64 zweiN = 2 * n, zweiM = 2 * m;
    i64 q = 0, rest = n;  // at the start pixel
    if (iA > 0) {         // entering the clip box later: the product may exceed 64 bits
        const Teilung t = TeileProdukt(u64(2 * iA), u64(m), u64(n), u64(zweiN));
        q = t.quotient;
        rest = t.rest;
    }
    for (i64 i = iA; i <= iB; ++i) {
        const i64 a = a0 + sa * i, b = b0 + sb * q;
        if (b >= blo && b < bhi) {
            if (xHaupt)
                f(a, b, i);
            else
                f(b, a, i);
        }
        rest += zweiM;
        if (rest >= zweiN) {
            rest -= zweiN;
            ++q;
        }
    }
}

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

template <PenModus M>
inline QRgb verknuepfeT(QRgb d, QRgb s)
{
    if constexpr (M == PenModus::Copy)
        return s | Opak;
    else if constexpr (M == PenModus::Xor)
        return (d ^ s) | Opak;
    else if constexpr (M == PenModus::NotXor)
        return ~(d ^ s) | Opak;
    else
        return ~d | Opak;
}

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

template <PenModus M>
void zeichneMaskeT(const Raster &ras, Maske &m, const Kasten &k, QRgb stift, const Pinsel &pinsel, bool fuellen)
{
    const QRgb grund = zuRgb(pinsel.color);
    const bool luecken = pinsel.style == PinselStil::Solid;
    const bool einfach = pinsel.style == PinselStil::Solid || pinsel.style == PinselStil::Clear || !fuellen;
    // Source colour and whether to paint, by mask value (simple brushes).
    QRgb quelle[8] = {};
    bool malen[8] = {};
    for (int v = 1; v < 8; ++v) {
        if (v & MStift) {
            quelle[v] = stift;
            malen[v] = true;
        } else if (v & MLuecke) {
            quelle[v] = grund;
            malen[v] = luecken;
        } else {
            quelle[v] = grund;
            malen[v] = fuellen && pinsel.style == PinselStil::Solid;
        }
    }
    for (i64 y = k.y0; y < k.y1; ++y) {
        QRgb *z = ras.zeile(y);
        const std::uint8_t *mz = m.zeile(y) - m.k.x0;
        for (i64 x = naechsterGesetzter(mz, k.x0, k.x1); x < k.x1; x = naechsterGesetzter(mz, x, k.x1)) {
            if (einfach) {
                for (; x < k.x1 && mz[x]; ++x) {
                    const std::uint8_t v = mz[x];
                    if (malen[v])
                        z[x] = verknuepfeT<M>(z[x], quelle[v]);
                }
                continue;
            }
            const std::uint8_t v = mz[x];
            if (v & (MStift | MLuecke)) {
                if (malen[v])
                    z[x] = verknuepfeT<M>(z[x], quelle[v]);
            } else if (musterPunkt(pinsel.style, x, y)) {
                z[x] = verknuepfeT<M>(z[x], grund);
            }
            ++x;
        }
    }
}

// Draws a mask onto the picture through the pen mode: pen pixels in the pen colour, gap
// pixels of styled pens in the brush colour while the brush is solid, and (with fuellen)
// interior pixels in the brush colour where the brush pattern paints.
void zeichneMaske(const Raster &ras, Maske &m, PenModus modus, QRgb stift, const Pinsel &pinsel, bool fuellen)
{
    const Kasten k = m.k.mit(ras.kasten());
    if (k.leer())
        return;
    switch (modus) {
    case PenModus::Copy:
        return zeichneMaskeT<PenModus::Copy>(ras, m, k, stift, pinsel, fuellen);
    case PenModus::Xor:
        return zeichneMaskeT<PenModus::Xor>(ras, m, k, stift, pinsel, fuellen);
    case PenModus::NotXor:
        return zeichneMaskeT<PenModus::NotXor>(ras, m, k, stift, pinsel, fuellen);
    case PenModus::Not:
        return zeichneMaskeT<PenModus::Not>(ras, m, k, stift, pinsel, fuellen);
    }
}

// Puts the 1-pixel path of a line into the mask: pen pixels where the dash pattern is on,
// gap pixels elsewhere; with a wide tip, stamps the tip on every pixel of the line instead.
void linieInMaske(Maske &m, i64 x0, i64 y0, i64 x1, i64 y1, bool mitEnde, PenStil stil, i64 phase, const Spitze *spitze)
{
    if (spitze) {
        linie(x0, y0, x1, y1, mitEnde, m.k, [&](i64 x, i64 y, i64) { m.stempel(x, y, *spitze); });
        return;
    }
    linie(x0, y0, x1, y1, mitEnde, m.k,
          [&](i64 x, i64 y, i64 i) { m.setze(x, y, musterAn(stil, phase + i) ? MStift : MLuecke); });
}

// Columns [xa, xb] of row y inside the ellipse of box [l, r) x [t, b); false if none.
// A pixel belongs when rounding either its row's or its column's extent of the ellipse
// through the outermost pixel centres reaches it, so the ellipse touches all four sides.
bool ellipsenZeile(i64 l, i64 t, i64 r, i64 b, i64 y, i64 &xa, i64 &xb)
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
        : cx(double(l + r - 1) / 2.0), cy(double(t + b - 1) / 2.0)
    {
        a3 = winkel(double(x3), double(y3));
        const double a4 = winkel(double(x4), double(y4));
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

bool gleicheSchrift(const Schrift &a, const Schrift &b)
{
    return a.name == b.name && a.size == b.size && a.bold == b.bold && a.italic == b.italic &&
           a.underline == b.underline;
}

}  // namespace

QFont QSchrift(const Schrift &s)
{
    QFont f(s.name);
    f.setPixelSize(std::clamp(Runde(s.size * 96 / 72.0), 1, MaxPixelGroesse));
    f.setBold(s.bold);
    f.setItalic(s.italic);
    f.setUnderline(s.underline);
    f.setStyleStrategy(QFont::NoAntialias);
    return f;
}

// ---- Canvas ---------------------------------------------------------------------------

Canvas::Canvas(QImage *image)
{
    setImage(image);
}

void Canvas::setImage(QImage *image)
{
    img_ = image;
    bereit();
}

int Canvas::width() const
{
    return img_ ? img_->width() : 0;
}

int Canvas::height() const
{
    return img_ ? img_->height() : 0;
}

bool Canvas::bereit()
{
    if (!img_ || img_->isNull())
        return false;
    if (img_->format() != QImage::Format_RGB32)
        *img_ = img_->convertToFormat(QImage::Format_RGB32);
    return true;
}

void Canvas::geaendert() const
{
    if (onChange)
        onChange();
}

const QFont &Canvas::qfont() const
{
    if (!qfontGueltig_ || !gleicheSchrift(qfontVon_, font)) {
        qfont_ = QSchrift(font);
        qfontVon_ = font;
        qfontGueltig_ = true;
    }
    return qfont_;
}

void Canvas::moveTo(int x, int y)
{
    pos_ = {x, y};
    dashPhase_ = 0;
}

void Canvas::strich(QPoint von, QPoint bis)
{
    const PenStil stil = wirksamerStil(pen);
    if (stil == PenStil::Clear || !bereit())
        return;
    Raster ras(*img_);
    const int breite = stiftBreite(pen);
    if (breite > 1) {
        const Spitze spitze(breite);
        const Kasten form = normiert(von.x(), von.y(), bis.x(), bis.y());
        Maske m(Kasten{form.x0, form.y0, form.x1 + 1, form.y1 + 1}
                    .erweitert(spitze.r)
                    .mit(ras.kasten().erweitert(spitze.r + 1)));
        linieInMaske(m, von.x(), von.y(), bis.x(), bis.y(), true, stil, 0, &spitze);
        zeichneMaske(ras, m, pen.mode, zuRgb(pen.color), brush, false);
        return;
    }
    const QRgb farbe = zuRgb(pen.color), grund = zuRgb(brush.color);
    const PenModus modus = pen.mode;
    if (stil == PenStil::Solid) {
        linie(von.x(), von.y(), bis.x(), bis.y(), false, ras.kasten(), [&](i64 x, i64 y, i64) {
            QRgb &p = ras.zeile(y)[x];
            p = verknuepfe(modus, p, farbe);
        });
        return;
    }
    const bool luecken = brush.style == PinselStil::Solid;
    const i64 phase = dashPhase_;
    linie(von.x(), von.y(), bis.x(), bis.y(), false, ras.kasten(), [&](i64 x, i64 y, i64 i) {
        QRgb &p = ras.zeile(y)[x];
        if (musterAn(stil, phase + i))
            p = verknuepfe(modus, p, farbe);
        else if (luecken)
            p = verknuepfe(modus, p, grund);
    });
}

void Canvas::lineTo(int x, int y)
{
    const QPoint ziel(x, y);
    strich(pos_, ziel);
    const i64 schritte = std::max(std::abs(i64(x) - pos_.x()), std::abs(i64(y) - pos_.y()));
    dashPhase_ = int((dashPhase_ + schritte) % musterLaenge(pen.style));
    pos_ = ziel;
    geaendert();
}

void Canvas::polyline(const QVector<QPoint> &punkte)
{
    if (punkte.size() < 2 || !bereit())
        return;
    const QPoint alt = pos_;
    const int altePhase = dashPhase_;
    if (stiftBreite(pen) > 1 && pen.style != PenStil::Clear) {
        // One mask for the whole line, so joins are not drawn twice.
        Raster ras(*img_);
        const Spitze spitze(stiftBreite(pen));
        Kasten form{punkte[0].x(), punkte[0].y(), punkte[0].x(), punkte[0].y()};
        for (const QPoint &p : punkte)
            form = {std::min<i64>(form.x0, p.x()), std::min<i64>(form.y0, p.y()), std::max<i64>(form.x1, p.x()),
                    std::max<i64>(form.y1, p.y())};
        Maske m(Kasten{form.x0, form.y0, form.x1 + 1, form.y1 + 1}
                    .erweitert(spitze.r)
                    .mit(ras.kasten().erweitert(spitze.r + 1)));
        for (qsizetype i = 1; i < punkte.size(); ++i)
            linieInMaske(m, punkte[i - 1].x(), punkte[i - 1].y(), punkte[i].x(), punkte[i].y(), true,
                         PenStil::Solid, 0, &spitze);
        zeichneMaske(ras, m, pen.mode, zuRgb(pen.color), brush, false);
    } else {
        dashPhase_ = 0;
        const int laenge = musterLaenge(pen.style);
        for (qsizetype i = 1; i < punkte.size(); ++i) {
            strich(punkte[i - 1], punkte[i]);
            const i64 schritte = std::max(std::abs(i64(punkte[i].x()) - punkte[i - 1].x()),
                                          std::abs(i64(punkte[i].y()) - punkte[i - 1].y()));
            dashPhase_ = int((dashPhase_ + schritte) % laenge);
        }
    }
    pos_ = alt;
    dashPhase_ = altePhase;
    geaendert();
}

void Canvas::rectangle(int l, int t, int r, int b)
{
    if (!bereit())
        return;
    const Kasten k = normiert(l, t, r, b);
    if (k.leer())
        return;
    Raster ras(*img_);
    const PenStil stil = wirksamerStil(pen);
    const QRgb grund = zuRgb(brush.color);
    if (stil == PenStil::Clear) {
        maleKasten(ras, {k.x0, k.y0, k.x1 - 1, k.y1 - 1}, pen.mode, grund, brush.style);
    } else if (stil == PenStil::Solid && stiftBreite(pen) == 1) {
        const QRgb farbe = zuRgb(pen.color);
        maleKasten(ras, {k.x0, k.y0, k.x1, k.y0 + 1}, pen.mode, farbe, PinselStil::Solid);
        if (k.y1 - 1 > k.y0)
            maleKasten(ras, {k.x0, k.y1 - 1, k.x1, k.y1}, pen.mode, farbe, PinselStil::Solid);
        maleKasten(ras, {k.x0, k.y0 + 1, k.x0 + 1, k.y1 - 1}, pen.mode, farbe, PinselStil::Solid);
        if (k.x1 - 1 > k.x0)
            maleKasten(ras, {k.x1 - 1, k.y0 + 1, k.x1, k.y1 - 1}, pen.mode, farbe, PinselStil::Solid);
        maleKasten(ras, {k.x0 + 1, k.y0 + 1, k.x1 - 1, k.y1 - 1}, pen.mode, grund, brush.style);
    } else {
        const int breite = stiftBreite(pen);
        const Spitze spitze(breite);
        Maske m(k.erweitert(spitze.r).mit(ras.kasten().erweitert(spitze.r + 1)));
        for (i64 y = std::max(k.y0, m.k.y0); y < std::min(k.y1, m.k.y1); ++y)
            m.spanne(y, k.x0, k.x1 - 1, MFlaeche);
        const i64 ecken[5][2] = {{k.x0, k.y0}, {k.x1 - 1, k.y0}, {k.x1 - 1, k.y1 - 1}, {k.x0, k.y1 - 1}, {k.x0, k.y0}};
        i64 phase = 0;
        for (int i = 0; i < 4; ++i) {
            linieInMaske(m, ecken[i][0], ecken[i][1], ecken[i + 1][0], ecken[i + 1][1], breite > 1, stil, phase,
                         breite > 1 ? &spitze : nullptr);
            phase += std::max(std::abs(ecken[i + 1][0] - ecken[i][0]), std::abs(ecken[i + 1][1] - ecken[i][1]));
        }
        zeichneMaske(ras, m, pen.mode, zuRgb(pen.color), brush, true);
    }
    geaendert();
}

namespace {

// Draws a shape given as a region: fuelle sets MFlaeche on the mask; the outline is the
// region's border (only the pixels auswahl accepts); the interior is brushed with fuellen.
template <class Fuelle, class Auswahl>
void flaecheZeichnen(QImage &img, const Stift &pen, const Pinsel &brush, Kasten form, Fuelle &&fuelle,
                     Auswahl &&auswahl, bool fuellen)
{
    Raster ras(img);
    const bool rand = wirksamerStil(pen) != PenStil::Clear;
    const int breite = stiftBreite(pen);
    const Spitze spitze(rand ? breite : 1);
    const int r = rand && breite > 1 ? spitze.r : 0;
    Maske m(form.erweitert(r).mit(ras.kasten().erweitert(r + 1)));
    if (m.k.leer())
        return;
    fuelle(m);
    if (rand)
        umriss(m, breite > 1 ? &spitze : nullptr, auswahl);
    zeichneMaske(ras, m, pen.mode, zuRgb(pen.color), brush, fuellen);
}

void ellipseFuellen(Maske &m, const Kasten &k)
{
    for (i64 y = std::max(k.y0, m.k.y0); y < std::min(k.y1, m.k.y1); ++y) {
        i64 xa, xb;
        if (ellipsenZeile(k.x0, k.y0, k.x1, k.y1, y, xa, xb))
            m.spanne(y, xa, xb, MFlaeche);
    }
}

}  // namespace

void Canvas::ellipse(int l, int t, int r, int b)
{
    if (!bereit())
        return;
    const Kasten k = normiert(l, t, r, b);
    if (k.leer())
        return;
    flaecheZeichnen(*img_, pen, brush, k, [&](Maske &m) { ellipseFuellen(m, k); }, [](i64, i64) { return true; },
                    true);
    geaendert();
}

void Canvas::roundRect(int l, int t, int r, int b, int w, int h)
{
    if (!bereit())
        return;
    const Kasten k = normiert(l, t, r, b);
    if (k.leer())
        return;
    const i64 ew = std::min<i64>(std::abs(i64(w)), k.x1 - k.x0), eh = std::min<i64>(std::abs(i64(h)), k.y1 - k.y0);
    auto fuelle = [&](Maske &m) {
        for (i64 y = std::max(k.y0, m.k.y0); y < std::min(k.y1, m.k.y1); ++y) {
            i64 xa = k.x0, xb = k.x1 - 1, ea, eb;
            // In the top and bottom bands the ends follow the corner ellipses (ew x eh).
            const bool oben = double(y - k.y0) < eh / 2.0, unten = double(k.y1 - 1 - y) < eh / 2.0;
            if (ew >= 2 && eh >= 2 && (oben || unten)) {
                const i64 et = oben ? k.y0 : k.y1 - eh;
                if (ellipsenZeile(k.x0, et, k.x0 + ew, et + eh, y, ea, eb))
                    xa = ea;
                if (ellipsenZeile(k.x1 - ew, et, k.x1, et + eh, y, ea, eb))
                    xb = eb;
            }
            m.spanne(y, xa, xb, MFlaeche);
        }
    };
    flaecheZeichnen(*img_, pen, brush, k, fuelle, [](i64, i64) { return true; }, true);
    geaendert();
}

void Canvas::arc(int l, int t, int r, int b, int x3, int y3, int x4, int y4)
{
    if (!bereit())
        return;
    const Kasten k = normiert(l, t, r, b);
    if (k.leer())
        return;
    const Sektor s(k.x0, k.y0, k.x1, k.y1, x3, y3, x4, y4);
    flaecheZeichnen(*img_, pen, brush, k, [&](Maske &m) { ellipseFuellen(m, k); },
                    [&](i64 x, i64 y) { return s.enthaelt(x, y); }, false);
    geaendert();
}

void Canvas::pie(int l, int t, int r, int b, int x3, int y3, int x4, int y4)
{
    if (!bereit())
        return;
    const Kasten k = normiert(l, t, r, b);
    if (k.leer())
        return;
    const Sektor s(k.x0, k.y0, k.x1, k.y1, x3, y3, x4, y4);
    auto fuelle = [&](Maske &m) {
        for (i64 y = std::max(k.y0, m.k.y0); y < std::min(k.y1, m.k.y1); ++y) {
            i64 xa, xb;
            if (!ellipsenZeile(k.x0, k.y0, k.x1, k.y1, y, xa, xb))
                continue;
            for (i64 x = std::max(xa, m.k.x0); x <= std::min(xb, m.k.x1 - 1); ++x)
                if (s.enthaelt(x, y))
                    m.setze(x, y, MFlaeche);
        }
    };
    flaecheZeichnen(*img_, pen, brush, k, fuelle, [](i64, i64) { return true; }, true);
    geaendert();
}

void Canvas::polygon(const QVector<QPoint> &punkte)
{
    if (punkte.isEmpty() || !bereit())
        return;
    Raster ras(*img_);
    Kasten form{punkte[0].x(), punkte[0].y(), punkte[0].x(), punkte[0].y()};
    for (const QPoint &p : punkte)
        form = {std::min<i64>(form.x0, p.x()), std::min<i64>(form.y0, p.y()), std::max<i64>(form.x1, p.x()),
                std::max<i64>(form.y1, p.y())};
    form.x1 += 1;
    form.y1 += 1;
    const PenStil stil = wirksamerStil(pen);
    const int breite = stiftBreite(pen);
    const Spitze spitze(breite);
    const int r = stil != PenStil::Clear && breite > 1 ? spitze.r : 0;
    Maske m(form.erweitert(r).mit(ras.kasten().erweitert(r + 1)));
    if (m.k.leer())
        return;
    // Even-odd interior, sampled on the vertices' own pixel grid (the grid of the outline)
    // with half-open spans, so a square with corners 10 and 20 fills 10..19.
    const qsizetype n = punkte.size();
    std::vector<double> schnitte;
    for (i64 y = m.k.y0; y < m.k.y1; ++y) {
        const double yc = double(y);
        schnitte.clear();
        for (qsizetype i = 0; i < n; ++i) {
            const QPoint &a = punkte[i], &b = punkte[(i + 1) % n];
            const double ya = a.y(), yb = b.y();
            if ((ya <= yc) != (yb <= yc))
                schnitte.push_back(a.x() + (yc - ya) * (double(b.x()) - a.x()) / (yb - ya));
        }
        std::sort(schnitte.begin(), schnitte.end());
        for (std::size_t i = 0; i + 1 < schnitte.size(); i += 2) {
            const double von = std::ceil(schnitte[i]), bis = std::ceil(schnitte[i + 1]) - 1;
            const double lo = double(m.k.x0), hi = double(m.k.x1 - 1);
            if (bis < lo || von > hi)
                continue;
            m.spanne(y, i64(std::max(von, lo)), i64(std::min(bis, hi)), MFlaeche);
        }
    }
    if (stil != PenStil::Clear) {
        i64 phase = 0;
        for (qsizetype i = 0; i < n; ++i) {
            const QPoint &a = punkte[i], &b = punkte[(i + 1) % n];
            linieInMaske(m, a.x(), a.y(), b.x(), b.y(), breite > 1, stil, phase, breite > 1 ? &spitze : nullptr);
            phase += std::max(std::abs(i64(b.x()) - a.x()), std::abs(i64(b.y()) - a.y()));
        }
    }
    zeichneMaske(ras, m, pen.mode, zuRgb(pen.color), brush, true);
    geaendert();
}

void Canvas::fillRect(int l, int t, int r, int b)
{
    if (!bereit())
        return;
    Raster ras(*img_);
    maleKasten(ras, normiert(l, t, r, b), PenModus::Copy, zuRgb(brush.color), brush.style);
    geaendert();
}

// The canvas's own steps for drawings declared outside its header (kacheln.h).
class CanvasIntern {
public:
    static bool bereit(Canvas &c) { return c.bereit(); }
    static void geaendert(const Canvas &c) { c.geaendert(); }
};

void FuelleKacheln(Canvas &c, int links, int oben, int breite, int hoehe, int spalten, int zeilen,
                   const TColor *farben)
{
    if (!CanvasIntern::bereit(c) || breite < 1 || hoehe < 1 || spalten < 1 || zeilen < 1 || !farben)
        return;
    Raster ras(*c.image());
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
    if (!bereit() || x < 0 || y < 0 || x >= img_->width() || y >= img_->height())
        return;
    Raster ras(*img_);
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
                if (musterPunkt(brush.style, xx, sy))
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

TColor Canvas::pixel(int x, int y) const
{
    if (!img_ || x < 0 || y < 0 || x >= img_->width() || y >= img_->height())
        return 0xFFFFFFFFu;
    return zuTColor(img_->pixel(x, y));
}

void Canvas::setPixel(int x, int y, TColor farbe)
{
    if (!bereit() || x < 0 || y < 0 || x >= img_->width() || y >= img_->height())
        return;
    reinterpret_cast<QRgb *>(img_->scanLine(y))[x] = zuRgb(farbe);
    geaendert();
}

int Canvas::textWidth(const QString &text) const
{
    return QFontMetrics(qfont()).horizontalAdvance(text);
}

int Canvas::textHeight(const QString &) const
{
    const QFontMetrics fm(qfont());
    return fm.ascent() + fm.descent();
}

void Canvas::textOut(int x, int y, const QString &text)
{
    if (!bereit())
        return;
    const QFont &f = qfont();
    const QFontMetrics fm(f);
    const int breite = fm.horizontalAdvance(text), hoehe = fm.ascent() + fm.descent();
    pos_ = {klemme(i64(x) + breite), y};
    Raster ras(*img_);
    // Glyphs may overhang the cell (italics, accents): render with a margin around it.
    const i64 rx = hoehe / 2 + 2, ry = hoehe / 4 + 2;
    const Kasten zelle{x, y, i64(x) + breite, i64(y) + hoehe};
    const Kasten k = zelle.erweitert(std::max(rx, ry)).mit(ras.kasten());
    if (k.leer() || text.isEmpty()) {
        geaendert();
        return;
    }
    QImage glyphen(int(k.x1 - k.x0), int(k.y1 - k.y0), QImage::Format_RGB32);
    glyphen.fill(0);
    {
        QPainter p(&glyphen);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setRenderHint(QPainter::TextAntialiasing, false);
        p.setFont(f);
        p.setPen(QColor(255, 255, 255));
        p.drawText(QPointF(double(x - k.x0), double(y - k.y0 + fm.ascent())), text);
    }
    Maske m(k);
    for (i64 yy = k.y0; yy < k.y1; ++yy) {
        const QRgb *g = reinterpret_cast<const QRgb *>(glyphen.constScanLine(int(yy - k.y0)));
        std::uint8_t *mz = m.zeile(yy);
        for (i64 xx = k.x0; xx < k.x1; ++xx) {
            if (qGray(g[xx - k.x0]) >= 128)
                mz[xx - k.x0] = MStift;
            else if (zelle.enthaelt(xx, yy))
                mz[xx - k.x0] = MFlaeche;
        }
    }
    // The cell is opaque only with a solid brush.
    Pinsel grund = brush;
    if (grund.style != PinselStil::Solid)
        grund.style = PinselStil::Clear;
    zeichneMaske(ras, m, pen.mode, zuRgb(font.color), grund, true);
    geaendert();
}

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

// ---- Ursprung ---------------------------------------------------------------------------

void Ursprung::Moveto0(double x, double y)
{
    if (canvas)
        canvas->moveTo(Runde(X0 + x), Runde(Y0 - y));
}

void Ursprung::Lineto0(double x, double y)
{
    if (canvas)
        canvas->lineTo(Runde(X0 + x), Runde(Y0 - y));
}

void Ursprung::MoveRel0(double dx, double dy)
{
    if (!canvas)
        return;
    const QPoint p = canvas->penPos();
    canvas->moveTo(klemme(i64(p.x()) + Runde(dx)), klemme(i64(p.y()) - Runde(dy)));
}

void Ursprung::LineRel0(double dx, double dy)
{
    if (!canvas)
        return;
    const QPoint p = canvas->penPos();
    canvas->lineTo(klemme(i64(p.x()) + Runde(dx)), klemme(i64(p.y()) - Runde(dy)));
}

void Ursprung::Line0(double x1, double y1, double x2, double y2)
{
    Moveto0(x1, y1);
    Lineto0(x2, y2);
}

void Ursprung::MoveRel(int dx, int dy)
{
    if (!canvas)
        return;
    const QPoint p = canvas->penPos();
    canvas->moveTo(klemme(i64(p.x()) + dx), klemme(i64(p.y()) - dy));
}

void Ursprung::LineRel(int dx, int dy)
{
    if (!canvas)
        return;
    const QPoint p = canvas->penPos();
    canvas->lineTo(klemme(i64(p.x()) + dx), klemme(i64(p.y()) - dy));
}

void Ursprung::MoveToP(QPoint p)
{
    if (canvas)
        canvas->moveTo(p.x(), p.y());
}

void Ursprung::LineToP(QPoint p)
{
    if (canvas)
        canvas->lineTo(p.x(), p.y());
}

void Ursprung::LinePQ(QPoint p, QPoint q)
{
    MoveToP(p);
    LineToP(q);
}
