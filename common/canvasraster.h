// Raster steps shared by the canvas's source files: 64-bit boxes, direct row access, pen
// modes, brush and dash patterns, and the clipped stepping of a line.
#pragma once

#include "canvas.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <utility>

namespace canvasraster {

using i64 = std::int64_t;
using u64 = std::uint64_t;

// (a · b + c) / d and its remainder for a, b, c ≥ 0 and d > 0 whose quotient fits in 64 bits,
// exact also where a · b exceeds 64 bits: the product in two 64-bit halves, then long division.
struct Teilung {
    i64 quotient, rest;
};
inline Teilung TeileProdukt(u64 a, u64 b, u64 c, u64 d)
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

// the conversion of farbe.h under the short name of the raster code
constexpr auto zuRgb = RgbAusFarbe;

inline int klemme(i64 v)
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

// Bounding box of a box given by two corners in any order (right and bottom excluded).
inline Kasten normiert(i64 l, i64 t, i64 r, i64 b)
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
inline void maleKasten(const Raster &ras, Kasten k, PenModus modus, QRgb farbe, PinselStil muster)
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

// Device pixels of a picture with device pixel ratio s ≠ 1: logical coordinate x is the
// device edge ceil((x + u)·s) − ceil(u·s), where u is the logical origin of a piece cut
// from a larger picture (Canvas::ausschnitt; 0 otherwise). Logical pixel x covers the device
// pixels [kante(x), kante(x + 1)). Pens are round(w·s) device pixels wide and centred where the
// logical pen is centred; 8-pixel hatches repeat every round(8·s) device pixels.
struct Skala {
    double s = 1;
    i64 ux = 0, uy = 0;  // logical origin
    i64 kx = 0, ky = 0;  // its device edge
    Skala() = default;
    Skala(double skala, QPoint ursprung)
        : s(skala), ux(ursprung.x()), uy(ursprung.y()), kx(kante(ux, skala)), ky(kante(uy, skala))
    {
    }
    static i64 kante(i64 v, double s) { return i64(std::ceil(double(v) * s - 1e-7)); }
    i64 x(i64 v) const { return kante(v + ux, s) - kx; }
    i64 y(i64 v) const { return kante(v + uy, s) - ky; }
    Kasten kasten(const Kasten &k) const { return {x(k.x0), y(k.y0), x(k.x1), y(k.y1)}; }
    // Continuous device coordinates of continuous logical ones (pixel corners at integers).
    double fx(double v) const { return (v + double(ux)) * s - double(kx); }
    double fy(double v) const { return (v + double(uy)) * s - double(ky); }
    // The device pixel inside logical pixel (x, y) that stands for it: the one holding its centre.
    i64 mx(i64 v) const { return i64(std::floor(fx(double(v) + 0.5))); }
    i64 my(i64 v) const { return i64(std::floor(fy(double(v) + 0.5))); }
    // Logical extent of a device extent w (the largest logical x with x(x) ≤ w).
    i64 logischX(i64 w) const { return i64(std::floor((double(w + kx) + 1e-7) / s)) - ux; }
    i64 logischY(i64 h) const { return i64(std::floor((double(h + ky) + 1e-7) / s)) - uy; }
    int breite(int logisch) const { return std::max(1, int(std::lround(logisch * s))); }
    // The device point a pen of logical width w and device width wd is stamped on for the
    // logical point v (odd logical widths are centred on the pixel, even ones on its corner;
    // odd device widths stamp the pixel holding that centre, even ones the nearest corner).
    static i64 punkt(double c, int wd) { return i64(std::floor(wd % 2 ? c : c + 0.5)); }
    i64 px(i64 v, int w, int wd) const { return punkt(fx(double(v) + (w % 2 ? 0.5 : 0.0)), wd); }
    i64 py(i64 v, int w, int wd) const { return punkt(fy(double(v) + (w % 2 ? 0.5 : 0.0)), wd); }
};

// Hatches at device pixels: lines every periode pixels, dicke wide (8 and 1 give musterPunkt).
struct Schraffur {
    int periode = 8, dicke = 1;
    Schraffur() = default;
    explicit Schraffur(double s) : periode(std::max(2, int(std::lround(8 * s)))), dicke(std::max(1, int(std::lround(s))))
    {
    }
    bool an(i64 v) const
    {
        i64 r = v % periode;
        return (r < 0 ? r + periode : r) < dicke;
    }
    bool punkt(PinselStil st, i64 x, i64 y) const
    {
        switch (st) {
        case PinselStil::Solid:
            return true;
        case PinselStil::Clear:
            return false;
        case PinselStil::Horizontal:
            return an(y);
        case PinselStil::Vertical:
            return an(x);
        case PinselStil::FDiagonal:
            return an(x - y);
        case PinselStil::BDiagonal:
            return an(x + y);
        case PinselStil::Cross:
            return an(x) || an(y);
        case PinselStil::DiagCross:
            return an(x - y) || an(x + y);
        }
        return false;
    }
};

// Paints box k like maleKasten, with the hatch of a scale.
inline void maleKasten(const Raster &ras, Kasten k, PenModus modus, QRgb farbe, PinselStil muster,
                       const Schraffur &sch)
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
            if (sch.punkt(muster, x, y))
                z[x] = verknuepfe(modus, z[x], farbe);
    }
}

}  // namespace canvasraster
