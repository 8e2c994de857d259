// The canvas's pens and shapes at device pixels (a picture whose device pixel ratio is not 1):
// the raster steps of the scale-1 code on device coordinates, with pens round(w·s) wide.
#include "canvas.h"
#include "canvasmasken.h"

#include <algorithm>
#include <cmath>
#include <vector>

using namespace canvasraster;

namespace {

// The tip of a pen: round for wide pens, a square for 1-pixel pens (so that a line at an
// integer scale covers whole logical pixels).
Spitze spitzeVon(int logisch, int geraet)
{
    return logisch > 1 ? Spitze(geraet) : Spitze::Quadrat(geraet);
}

Kasten punkteKasten(const std::vector<std::pair<i64, i64>> &p)
{
    Kasten k{p[0].first, p[0].second, p[0].first + 1, p[0].second + 1};
    for (const auto &[x, y] : p)
        k = {std::min(k.x0, x), std::min(k.y0, y), std::max(k.x1, x + 1), std::max(k.y1, y + 1)};
    return k;
}

// The outline of a region in the mask: a 1-pixel pen is drawn wd device pixels wide inside
// the region, a wide pen stamps its tip on the region's border.
template <class A>
void umrissGeraet(Maske &m, int logisch, int wd, A &&auswahl)
{
    if (logisch > 1) {
        const Spitze spitze(wd);
        umriss(m, &spitze, auswahl);
    } else if (wd > 1) {
        umrissDick(m, wd, auswahl);
    } else {
        umriss(m, nullptr, auswahl);
    }
}

// The margin a mask needs around a shape's box for the outline of this pen.
int rand(int logisch, int wd)
{
    return logisch > 1 ? Spitze(wd).r + 1 : wd + 1;
}

}  // namespace

Skala CanvasGeraet::skala(const Canvas &c)
{
    return c.img_ ? Skala(c.img_->devicePixelRatio(), c.img_->offset()) : Skala();
}

void CanvasGeraet::strich(Canvas &c, QPoint von, QPoint bis)
{
    const Skala sk = skala(c);
    Raster ras(*c.img_);
    const int w = stiftBreite(c.pen), wd = sk.breite(w);
    const Spitze spitze = spitzeVon(w, wd);
    const i64 x0 = sk.px(von.x(), w, wd), y0 = sk.py(von.y(), w, wd);
    const i64 x1 = sk.px(bis.x(), w, wd), y1 = sk.py(bis.y(), w, wd);
    const i64 logisch = std::max(std::abs(i64(bis.x()) - von.x()), std::abs(i64(bis.y()) - von.y()));
    const bool weiter = w == 1 && c.naht_.breite == wd && c.naht_.x == x0 && c.naht_.y == y0;
    c.naht_.breite = 0;
    const Kasten form = normiert(x0, y0, x1, y1);
    Maske m(Kasten{form.x0, form.y0, form.x1 + 1, form.y1 + 1}
                .erweitert(spitze.r)
                .mit(ras.kasten().erweitert(spitze.r + 1)));
    if (m.k.leer())
        return;
    // A 1-pixel pen leaves out its end pixel: the tip's box at the end point (where the next
    // lineTo begins); a wide pen draws its round end.
    const Kasten ende = w > 1 ? Kasten{} : spitze.kasten(x1, y1);
    strichInMaske(m, x0, y0, x1, y1, w > 1, wirksamerStil(c.pen), c.dashPhase_, logisch, spitze, ende);
    if (weiter)
        for (const auto &[x, y] : c.naht_.punkte)
            if (m.k.enthaelt(x, y))
                m.zeile(y)[x - m.k.x0] &= std::uint8_t(~(MStift | MLuecke));
    zeichneMaske(ras, m, c.pen.mode, zuRgb(c.pen.color), c.brush, false);
    if (w == 1) {
        // What this stroke drew near its end: a sharp turn of the next one may come back there.
        c.naht_ = {x1, y1, wd, {}};
        const Kasten nah = ende.erweitert(2 * wd + 2).mit(m.k);
        for (i64 y = nah.y0; y < nah.y1; ++y)
            for (i64 x = nah.x0; x < nah.x1; ++x)
                if (m.zeile(y)[x - m.k.x0] & (MStift | MLuecke))
                    c.naht_.punkte.emplace_back(x, y);
    }
}

void CanvasGeraet::polyline(Canvas &c, const QVector<QPoint> &punkte)
{
    // One mask for the whole line, so joins are drawn once.
    const Skala sk = skala(c);
    Raster ras(*c.img_);
    const int w = stiftBreite(c.pen), wd = sk.breite(w);
    const Spitze spitze = spitzeVon(w, wd);
    std::vector<std::pair<i64, i64>> p;
    p.reserve(std::size_t(punkte.size()));
    for (const QPoint &q : punkte)
        p.emplace_back(sk.px(q.x(), w, wd), sk.py(q.y(), w, wd));
    Maske m(punkteKasten(p).erweitert(spitze.r).mit(ras.kasten().erweitert(spitze.r + 1)));
    if (m.k.leer())
        return;
    const PenStil stil = wirksamerStil(c.pen);
    i64 phase = 0;
    for (std::size_t i = 1; i < p.size(); ++i) {
        const auto [x0, y0] = p[i - 1];
        const auto [x1, y1] = p[i];
        const QPoint a = punkte[qsizetype(i) - 1], b = punkte[qsizetype(i)];
        const i64 logisch = std::max(std::abs(i64(b.x()) - a.x()), std::abs(i64(b.y()) - a.y()));
        const bool letzte = i + 1 == p.size();
        const Kasten ende = w > 1 || !letzte ? Kasten{} : spitze.kasten(x1, y1);
        strichInMaske(m, x0, y0, x1, y1, w > 1 || !letzte, stil, phase, logisch, spitze, ende);
        phase += logisch;
    }
    zeichneMaske(ras, m, c.pen.mode, zuRgb(c.pen.color), c.brush, false);
}

void CanvasGeraet::rectangle(Canvas &c, const Kasten &k)
{
    const Skala sk = skala(c);
    const Schraffur sch(sk.s);
    Raster ras(*c.img_);
    const PenStil stil = wirksamerStil(c.pen);
    const QRgb grund = zuRgb(c.brush.color);
    const int w = stiftBreite(c.pen), wd = sk.breite(w);
    const Kasten g = sk.kasten(k);
    if (stil == PenStil::Clear) {
        maleKasten(ras, sk.kasten({k.x0, k.y0, k.x1 - 1, k.y1 - 1}), c.pen.mode, grund, c.brush.style, sch);
    } else if (stil == PenStil::Solid && w == 1) {
        // Edges wd pixels wide inside the box, the interior between them.
        const QRgb farbe = zuRgb(c.pen.color);
        const i64 oben = std::min(g.y0 + wd, g.y1), unten = std::max(g.y1 - wd, oben);
        const i64 links = std::min(g.x0 + wd, g.x1), rechts = std::max(g.x1 - wd, links);
        maleKasten(ras, {g.x0, g.y0, g.x1, oben}, c.pen.mode, farbe, PinselStil::Solid);
        maleKasten(ras, {g.x0, unten, g.x1, g.y1}, c.pen.mode, farbe, PinselStil::Solid);
        maleKasten(ras, {g.x0, oben, links, unten}, c.pen.mode, farbe, PinselStil::Solid);
        maleKasten(ras, {rechts, oben, g.x1, unten}, c.pen.mode, farbe, PinselStil::Solid);
        maleKasten(ras, {links, oben, rechts, unten}, c.pen.mode, grund, c.brush.style, sch);
    } else {
        const Spitze spitze = spitzeVon(w, wd);
        Maske m(g.erweitert(spitze.r).mit(ras.kasten().erweitert(spitze.r + 1)));
        for (i64 y = std::max(g.y0, m.k.y0); y < std::min(g.y1, m.k.y1); ++y)
            m.spanne(y, g.x0, g.x1 - 1, MFlaeche);
        const i64 ecken[5][2] = {{k.x0, k.y0}, {k.x1 - 1, k.y0}, {k.x1 - 1, k.y1 - 1}, {k.x0, k.y1 - 1}, {k.x0, k.y0}};
        i64 phase = 0;
        for (int i = 0; i < 4; ++i) {
            const i64 x0 = sk.px(ecken[i][0], w, wd), y0 = sk.py(ecken[i][1], w, wd);
            const i64 x1 = sk.px(ecken[i + 1][0], w, wd), y1 = sk.py(ecken[i + 1][1], w, wd);
            const i64 logisch = std::max(std::abs(ecken[i + 1][0] - ecken[i][0]), std::abs(ecken[i + 1][1] - ecken[i][1]));
            strichInMaske(m, x0, y0, x1, y1, true, stil, phase, logisch, spitze);
            phase += logisch;
        }
        zeichneMaske(ras, m, c.pen.mode, zuRgb(c.pen.color), c.brush, true, &sch);
    }
}

namespace {

// A shape given as a region of device pixels: fuelle sets MFlaeche on the mask; the outline
// is the region's border (only the pixels auswahl accepts); the interior is brushed with fuellen.
template <class Fuelle, class Auswahl>
void flaeche(QImage &img, const Skala &sk, const Stift &pen, const Pinsel &brush, Kasten form, Fuelle &&fuelle,
             Auswahl &&auswahl, bool fuellen)
{
    Raster ras(img);
    const bool umrandet = wirksamerStil(pen) != PenStil::Clear;
    const int w = stiftBreite(pen), wd = sk.breite(w);
    const int r = umrandet ? rand(w, wd) : 1;
    Maske m(form.erweitert(r).mit(ras.kasten().erweitert(r)));
    if (m.k.leer())
        return;
    fuelle(m);
    if (umrandet)
        umrissGeraet(m, w, wd, auswahl);
    const Schraffur sch(sk.s);
    zeichneMaske(ras, m, pen.mode, zuRgb(pen.color), brush, fuellen, &sch);
}

void ellipseFuellen(Maske &m, const Kasten &k)
{
    for (i64 y = std::max(k.y0, m.k.y0); y < std::min(k.y1, m.k.y1); ++y) {
        i64 xa, xb;
        if (ellipsenZeile(k.x0, k.y0, k.x1, k.y1, y, xa, xb))
            m.spanne(y, xa, xb, MFlaeche);
    }
}

// The sector of a pie or arc in device pixels: the rays aim at the device centres of the
// logical ray points.
Sektor sektor(const Skala &sk, const Kasten &g, QPoint p3, QPoint p4)
{
    return Sektor(double(g.x0 + g.x1 - 1) / 2.0, double(g.y0 + g.y1 - 1) / 2.0, sk.fx(p3.x() + 0.5) - 0.5,
                  sk.fy(p3.y() + 0.5) - 0.5, sk.fx(p4.x() + 0.5) - 0.5, sk.fy(p4.y() + 0.5) - 0.5);
}

}  // namespace

void CanvasGeraet::ellipse(Canvas &c, const Kasten &k)
{
    const Skala sk = skala(c);
    const Kasten g = sk.kasten(k);
    flaeche(*c.img_, sk, c.pen, c.brush, g, [&](Maske &m) { ellipseFuellen(m, g); }, [](i64, i64) { return true; },
            true);
}

void CanvasGeraet::roundRect(Canvas &c, const Kasten &k, i64 ew, i64 eh)
{
    const Skala sk = skala(c);
    const Kasten g = sk.kasten(k);
    ew = std::min<i64>(std::llround(double(ew) * sk.s), g.x1 - g.x0);
    eh = std::min<i64>(std::llround(double(eh) * sk.s), g.y1 - g.y0);
    auto fuelle = [&](Maske &m) {
        for (i64 y = std::max(g.y0, m.k.y0); y < std::min(g.y1, m.k.y1); ++y) {
            i64 xa = g.x0, xb = g.x1 - 1, ea, eb;
            const bool oben = double(y - g.y0) < eh / 2.0, unten = double(g.y1 - 1 - y) < eh / 2.0;
            if (ew >= 2 && eh >= 2 && (oben || unten)) {
                const i64 et = oben ? g.y0 : g.y1 - eh;
                if (ellipsenZeile(g.x0, et, g.x0 + ew, et + eh, y, ea, eb))
                    xa = ea;
                if (ellipsenZeile(g.x1 - ew, et, g.x1, et + eh, y, ea, eb))
                    xb = eb;
            }
            m.spanne(y, xa, xb, MFlaeche);
        }
    };
    flaeche(*c.img_, sk, c.pen, c.brush, g, fuelle, [](i64, i64) { return true; }, true);
}

void CanvasGeraet::arc(Canvas &c, const Kasten &k, QPoint p3, QPoint p4, bool torte)
{
    const Skala sk = skala(c);
    const Kasten g = sk.kasten(k);
    const Sektor s = sektor(sk, g, p3, p4);
    if (!torte) {
        flaeche(*c.img_, sk, c.pen, c.brush, g, [&](Maske &m) { ellipseFuellen(m, g); },
                [&](i64 x, i64 y) { return s.enthaelt(x, y); }, false);
        return;
    }
    auto fuelle = [&](Maske &m) {
        for (i64 y = std::max(g.y0, m.k.y0); y < std::min(g.y1, m.k.y1); ++y) {
            i64 xa, xb;
            if (!ellipsenZeile(g.x0, g.y0, g.x1, g.y1, y, xa, xb))
                continue;
            for (i64 x = std::max(xa, m.k.x0); x <= std::min(xb, m.k.x1 - 1); ++x)
                if (s.enthaelt(x, y))
                    m.setze(x, y, MFlaeche);
        }
    };
    flaeche(*c.img_, sk, c.pen, c.brush, g, fuelle, [](i64, i64) { return true; }, true);
}

void CanvasGeraet::polygon(Canvas &c, const QVector<QPoint> &punkte)
{
    const Skala sk = skala(c);
    Raster ras(*c.img_);
    const PenStil stil = wirksamerStil(c.pen);
    const int w = stiftBreite(c.pen), wd = sk.breite(w);
    const Spitze spitze = spitzeVon(w, wd);
    const qsizetype n = punkte.size();
    // The interior on the device grid of the vertices' corners; the outline through the
    // points the pen is stamped on.
    std::vector<std::pair<i64, i64>> ecken, stempel;
    std::vector<std::pair<double, double>> e;
    for (const QPoint &p : punkte) {
        e.emplace_back(sk.fx(p.x()), sk.fy(p.y()));
        ecken.emplace_back(sk.x(p.x()), sk.y(p.y()));
        stempel.emplace_back(sk.px(p.x(), w, wd), sk.py(p.y(), w, wd));
    }
    const Kasten ek = punkteKasten(ecken), sk2 = punkteKasten(stempel);
    const Kasten form{std::min(ek.x0, sk2.x0), std::min(ek.y0, sk2.y0), std::max(ek.x1, sk2.x1),
                      std::max(ek.y1, sk2.y1)};
    const int r = stil != PenStil::Clear ? spitze.r : 0;
    Maske m(form.erweitert(r).mit(ras.kasten().erweitert(r + 1)));
    if (m.k.leer())
        return;
    std::vector<double> schnitte;
    for (i64 y = m.k.y0; y < m.k.y1; ++y) {
        const double yc = double(y);
        schnitte.clear();
        for (qsizetype i = 0; i < n; ++i) {
            const auto [ax, ay] = e[std::size_t(i)];
            const auto [bx, by] = e[std::size_t((i + 1) % n)];
            if ((ay <= yc) != (by <= yc))
                schnitte.push_back(ax + (yc - ay) * (bx - ax) / (by - ay));
        }
        std::sort(schnitte.begin(), schnitte.end());
        for (std::size_t i = 0; i + 1 < schnitte.size(); i += 2) {
            const double von = std::ceil(schnitte[i] - 1e-9), bis = std::ceil(schnitte[i + 1] - 1e-9) - 1;
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
            const auto [x0, y0] = stempel[std::size_t(i)];
            const auto [x1, y1] = stempel[std::size_t((i + 1) % n)];
            const i64 logisch = std::max(std::abs(i64(b.x()) - a.x()), std::abs(i64(b.y()) - a.y()));
            if (logisch > 0 || w > 1)  // a 1-pixel pen draws nothing for an edge of no length
                strichInMaske(m, x0, y0, x1, y1, true, stil, phase, logisch, spitze);
            phase += logisch;
        }
    }
    const Schraffur sch(sk.s);
    zeichneMaske(ras, m, c.pen.mode, zuRgb(c.pen.color), c.brush, true, &sch);
}
