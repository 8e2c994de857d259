// The canvas's state, pens and shapes: lines, rectangles, ellipses, arcs, pies and polygons,
// single pixels, the colour conversions and the world-to-pixel primitives (Ursprung).
#include "canvas.h"
#include "canvasmasken.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <utility>
#include <vector>

using namespace canvasraster;

namespace {

// the conversion of farbe.h under the short name of this file
constexpr auto zuTColor = FarbeAusRgb;

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

}  // namespace

// ---- Canvas ---------------------------------------------------------------------------

Canvas::Canvas(QImage *image)
{
    setImage(image);
}

void Canvas::setImage(QImage *image)
{
    // Converted at once, but not made: binding a picture is no use of it.
    img_ = image;
    if (img_ && !img_->isNull() && img_->format() != QImage::Format_RGB32)
        *img_ = img_->convertToFormat(QImage::Format_RGB32);
}

int Canvas::width() const
{
    gebrauchen();
    if (!img_)
        return 0;
    if (img_->devicePixelRatio() == 1.0)
        return img_->width();
    return klemme(CanvasGeraet::skala(*this).logischX(img_->width()));
}

int Canvas::height() const
{
    gebrauchen();
    if (!img_)
        return 0;
    if (img_->devicePixelRatio() == 1.0)
        return img_->height();
    return klemme(CanvasGeraet::skala(*this).logischY(img_->height()));
}

double Canvas::skala() const
{
    gebrauchen();
    return img_ ? img_->devicePixelRatio() : 1.0;
}

bool Canvas::bereit()
{
    gebrauchen();
    if (!img_ || img_->isNull())
        return false;
    if (img_->format() != QImage::Format_RGB32)
        *img_ = img_->convertToFormat(QImage::Format_RGB32);
    skala_ = img_->devicePixelRatio();
    return true;
}

void Canvas::geaendert() const
{
    if (onChange)
        onChange();
}

void Canvas::moveTo(int x, int y)
{
    pos_ = {x, y};
    dashPhase_ = 0;
    naht_.breite = 0;
}

void Canvas::strich(QPoint von, QPoint bis)
{
    const PenStil stil = wirksamerStil(pen);
    if (stil == PenStil::Clear || !bereit())
        return;
    if (skala_ != 1.0)
        return CanvasGeraet::strich(*this, von, bis);
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
    if (skala_ != 1.0) {
        if (pen.style != PenStil::Clear)
            CanvasGeraet::polyline(*this, punkte);
    } else if (stiftBreite(pen) > 1 && pen.style != PenStil::Clear) {
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
    if (skala_ != 1.0) {
        CanvasGeraet::rectangle(*this, k);
        return geaendert();
    }
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
    if (skala_ != 1.0) {
        CanvasGeraet::ellipse(*this, k);
        return geaendert();
    }
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
    if (skala_ != 1.0) {
        CanvasGeraet::roundRect(*this, k, ew, eh);
        return geaendert();
    }
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
    if (skala_ != 1.0) {
        CanvasGeraet::arc(*this, k, {x3, y3}, {x4, y4}, false);
        return geaendert();
    }
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
    if (skala_ != 1.0) {
        CanvasGeraet::arc(*this, k, {x3, y3}, {x4, y4}, true);
        return geaendert();
    }
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
    if (skala_ != 1.0) {
        CanvasGeraet::polygon(*this, punkte);
        return geaendert();
    }
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

TColor Canvas::pixel(int x, int y) const
{
    gebrauchen();
    if (img_ && img_->devicePixelRatio() != 1.0) {
        if (x < 0 || y < 0 || x >= width() || y >= height())
            return 0xFFFFFFFFu;
        const Skala sk = CanvasGeraet::skala(*this);
        return zuTColor(img_->pixel(int(std::clamp<i64>(sk.mx(x), 0, img_->width() - 1)),
                                    int(std::clamp<i64>(sk.my(y), 0, img_->height() - 1))));
    }
    if (!img_ || x < 0 || y < 0 || x >= img_->width() || y >= img_->height())
        return 0xFFFFFFFFu;
    return zuTColor(img_->pixel(x, y));
}

void Canvas::setPixel(int x, int y, TColor farbe)
{
    if (bereit() && skala_ != 1.0) {
        if (x < 0 || y < 0 || x >= width() || y >= height())
            return;
        const Skala sk = CanvasGeraet::skala(*this);
        maleKasten(Raster(*img_), {sk.x(x), sk.y(y), sk.x(i64(x) + 1), sk.y(i64(y) + 1)}, PenModus::Copy,
                   zuRgb(farbe), PinselStil::Solid);
        return geaendert();
    }
    if (!bereit() || x < 0 || y < 0 || x >= img_->width() || y >= img_->height())
        return;
    reinterpret_cast<QRgb *>(img_->scanLine(y))[x] = zuRgb(farbe);
    geaendert();
}

void Canvas::xorPixel(int x, int y, TColor wert)
{
    if (!bereit() || x < 0 || y < 0 || x >= width() || y >= height())
        return;
    if (skala_ == 1.0) {
        QRgb &p = reinterpret_cast<QRgb *>(img_->scanLine(y))[x];
        p = verknuepfe(PenModus::Xor, p, zuRgb(wert));
        return geaendert();
    }
    const Skala sk = CanvasGeraet::skala(*this);
    maleKasten(Raster(*img_), {sk.x(x), sk.y(y), sk.x(i64(x) + 1), sk.y(i64(y) + 1)}, PenModus::Xor, zuRgb(wert),
               PinselStil::Solid);
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
