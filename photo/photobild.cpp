#include "photobild.h"

#include "xorsprite.h"

#include <algorithm>

namespace Photoeffekt {

void Leitung(Canvas &c, std::initializer_list<QPoint> punkte)
{
    c.pen = Stift{FarbeLeitung, 5, PenStil::Solid, PenModus::Copy};
    if (punkte.size() == 0)
        return;
    auto it = punkte.begin();
    c.moveTo(it->x(), it->y());
    for (++it; it != punkte.end(); ++it)
        c.lineTo(it->x(), it->y());
}

namespace {

TColor Mischung(TColor a, TColor b, double t)
{
    auto kanal = [&](int shift) {
        const double ka = (a >> shift) & 0xFF, kb = (b >> shift) & 0xFF;
        return TColor(std::clamp(Runde(ka + (kb - ka) * t), 0, 255)) << shift;
    };
    return kanal(0) | kanal(8) | kanal(16);
}

TColor Pixel(const QImage &bild, int x, int y)
{
    return FarbeAusRgb(bild.pixel(x, y));
}

void SetzePixel(QImage &bild, int x, int y, TColor farbe)
{
    bild.setPixel(x, y, RgbAusFarbe(farbe));
}

QImage LeeresBild(int w, int h, TColor farbe)
{
    QImage bild(w, h, QImage::Format_RGB32);
    bild.fill(RgbAusFarbe(farbe));
    return bild;
}

}  // namespace

QImage ElektronenBild(int r)
{
    const int D = Durchmesser(r);
    QImage bild = LeeresBild(D, D, 0);
    const TColor hell = 0xFFFFD0, dunkel = 0xB02800;  // light cyan to deep blue
    const double lichtX = r - r / 3.0, lichtY = r - r / 3.0;
    for (int y = 0; y < D; ++y)
        for (int x = 0; x < D; ++x) {
            const double dx = x - r, dy = y - r;
            if (dx * dx + dy * dy > (r + 0.3) * (r + 0.3))
                continue;
            const double t = std::min(1.0, std::hypot(x - lichtX, y - lichtY) / (1.5 * r));
            TColor farbe = Mischung(hell, dunkel, t);
            if (farbe == 0)
                farbe = 0x010000;
            SetzePixel(bild, x, y, farbe);
        }
    return bild;
}

ElektronenSprites DefElektron(int r, TColor hintergrund, TColor metall, bool aufHintergrund)
{
    ElektronenSprites s;
    s.r = r;
    const QImage bild = ElektronenBild(r);
    const int D = bild.width();
    s.flug = LeeresBild(D, D, hintergrund);
    s.ruhe = LeeresBild(D, D, metall);
    for (int y = 0; y < D; ++y)
        for (int x = 0; x < D; ++x) {
            const TColor p = Pixel(bild, x, y);
            SetzePixel(s.flug, x, y, p == 0 ? 0 : (aufHintergrund ? p ^ hintergrund : p));
            SetzePixel(s.ruhe, x, y, p == 0 ? 0 : p ^ metall);
        }
    return s;
}

QImage QuantBild(int radius, TColor farbe)
{
    QImage bild = LeeresBild(QuantBildSeite, QuantBildSeite, 0);
    const int mitte = QuantBildSeite / 2;
    for (int rho = std::min(radius, mitte); rho >= 0;) {
        for (int i = 1; i <= 24; ++i) {
            const int x = mitte + Runde(rho * std::cos(i * M_PI / 12));
            const int y = mitte + Runde(rho * std::sin(i * M_PI / 12));
            if (bild.rect().contains(x, y))
                SetzePixel(bild, x, y, farbe);
        }
        rho -= rho >= 7 ? 3 : (rho >= 5 ? 2 : 1);
    }
    return bild;
}

void QuantenDefinieren(Quanten &q, int r, int frequenzTHz, TColor hintergrund)
{
    const TColor farbe = FarbeAusFrequenz(frequenzTHz);
    const int radius = QuantRadius(r, frequenzTHz);
    const QImage innen = QuantBild(radius, farbe);
    const QImage aussen = QuantBild(radius, farbe ^ hintergrund);
    for (TQuant &t : q) {
        t.innen = innen.copy();
        t.aussen = aussen.copy();
    }
}

QRect ZeichneElektron(Canvas &c, const ElektronenSprites &s, const TElektron &e, bool flug)
{
    const QImage &bild = flug ? s.flug : s.ruhe;
    const int x = Runde(e.x) - s.r, y = Runde(e.y) - s.r;
    return ZeichneXor(c, x, y, bild);
}

void Echtfarben::Setzen(int r)
{
    bild_ = ElektronenBild(r);
    Vergessen();
}

void Echtfarben::Vergessen()
{
    for (Eintrag &e : e_)
        e.an = false;
}

QRect Echtfarben::Umschalten(Canvas &c, const TElektron &e)
{
    if (e.index < 0 || e.index >= ElektronenAnzahl || bild_.isNull())
        return {};
    Eintrag &g = e_[e.index];
    const int D = bild_.width();
    if (!g.an) {
        g.ort = QPoint(Runde(e.x) - D / 2, Runde(e.y) - D / 2);
        g.maske.assign(std::size_t(D) * D, 0);
    }
    for (int y = 0; y < D; ++y)
        for (int x = 0; x < D; ++x) {
            const int px = g.ort.x() + x, py = g.ort.y() + y;
            if (px < 0 || py < 0 || px >= c.width() || py >= c.height())
                continue;
            TColor &m = g.maske[std::size_t(y) * D + x];
            if (!g.an) {
                const TColor farbe = FarbeAusRgb(bild_.pixel(x, y));
                if (farbe == 0)  // black: the surround, not the electron
                    continue;
                m = farbe ^ c.pixel(px, py);
            }
            if (m != 0)
                c.xorPixel(px, py, m);
        }
    g.an = !g.an;
    return QRect(g.ort, QSize(D, D));
}

QRect ZeichneQuant(Canvas &c, const TQuant &q, int glasLinks)
{
    const QImage &bild = q.x > glasLinks ? q.innen : q.aussen;
    const int mitte = QuantBildSeite / 2;
    const int x = Runde(q.x) - mitte, y = Runde(q.y) - mitte;
    ZeichneXor(c, x, y, bild);
    return QRect(x, y, QuantBildSeite, QuantBildSeite);
}

QRect QuantenAusschalten(Canvas &c, Quanten &q, const QVector<QPoint> &strahlen, int glasLinks)
{
    QRect bereich;
    for (TQuant &t : q) {
        if (t.aktiv)
            bereich |= ZeichneQuant(c, t, glasLinks);
        t.aktiv = false;
    }
    DefQuant(q, strahlen);
    return bereich;
}

void ZeichneLampe(Canvas &c, const Lampe &l)
{
    const Stift alt = c.pen;
    c.pen.width = 2;
    c.pen.mode = PenModus::Copy;
    c.pen.style = PenStil::Solid;
    const int m = (l.linse2.y() - l.linse1.y()) / 2;
    const int B = l.linse2.x() / 6 * 6;
    for (int u = 0; u <= m; ++u) {
        const int g = m > 0 ? std::clamp(Runde(double(u) * u / 2.0 / m), 0, 255) : 0;
        c.pen.color = TColor(g) * 65793;
        c.moveTo(l.linse1.x() - u / 6, l.linse1.y() + u);
        c.lineTo(l.linse1.x() - u / 6 - B, l.linse1.y() + u - B / 6);
        c.moveTo(l.linse2.x() + u / 6, l.linse2.y() - u);
        c.lineTo(l.linse2.x() + u / 6 - B, l.linse2.y() - u - B / 6);
    }
    c.pen = alt;
    ZeichneLampenLinse(c, l, LinsenGrau);
}

QRect ZeichneLampenLinse(Canvas &c, const Lampe &l, TColor farbe)
{
    const Stift alt = c.pen;
    c.pen.width = 11;
    c.pen.color = farbe;
    c.pen.mode = PenModus::Copy;
    c.pen.style = PenStil::Solid;
    c.moveTo(l.linse1.x(), l.linse1.y());
    c.lineTo(l.linse2.x(), l.linse2.y());
    c.pen = alt;
    return QRect(l.linse1, l.linse2).normalized().adjusted(-7, -7, 7, 7);
}

namespace {
// XOR-draws the waves; wert(x, y) gives the XOR value of a pixel, 0 to leave it alone.
template <class Wert>
QRect WellenXor(Canvas &c, const Lampe &l, const Wellenbild &w, int a, Wert wert)
{
    QRect bereich;
    if (w.laenge <= 0)
        return bereich;
    const int schritt = std::max(1, w.strahlSchritt), pixelSchritt = std::max(1, w.pixelSchritt);
    const int breite = c.width(), hoehe = c.height();
    const auto frei = [&w](int x, int y) {
        for (const QRect &r : w.frei)
            if (r.contains(x, y))
                return true;
        return false;
    };
    for (int s = 0; s < l.strahlen.size(); s += schritt) {
        const QPoint start = l.strahlen[s];
        int oben = hoehe, unten = -1;
        for (int x = std::max(start.x(), 0); x <= std::min(w.bisX, breite - 1); x += pixelSchritt) {
            const int y = WellenY(start, x, WellenIndex(a, x, w.K, w.laenge), w.amplitude, w.laenge);
            for (int dy = 0; dy < w.linienBreite; ++dy) {
                const int yy = y + dy;
                if (yy < 0 || yy >= hoehe || frei(x, yy))
                    continue;
                const TColor v = wert(x, yy);
                if (v == 0)
                    continue;
                c.xorPixel(x, yy, v);
                oben = std::min(oben, yy);
                unten = std::max(unten, yy);
            }
        }
        if (unten >= oben)
            bereich |= QRect(std::max(start.x(), 0), oben, std::min(w.bisX, breite - 1) - std::max(start.x(), 0) + 1,
                             unten - oben + 1);
    }
    return bereich;
}
}  // namespace

QRect ZeichneLichtWellen(Canvas &c, const Lampe &l, const Wellenbild &w, int a, TColor xorWert)
{
    if (xorWert == 0)
        return {};
    return WellenXor(c, l, w, a, [xorWert](int, int) { return xorWert; });
}

QRect ZeichneWellenInZelle(Canvas &c, const Lampe &l, const Wellenbild &w, int a, TColor farbe, TColor grund,
                           const QRect &glas, const QRect &innen)
{
    const TColor aussen = farbe ^ grund, drinnen = farbe != 0 ? farbe : UVImDunkeln;
    return WellenXor(c, l, w, a, [&](int x, int y) -> TColor {
        if (innen.contains(x, y))
            return drinnen;
        return glas.contains(x, y) ? 0 : aussen;
    });
}

void Buchse(Canvas &c, int x, int y, TColor farbe, int radius)
{
    const Stift alt = c.pen;
    const Pinsel altPinsel = c.brush;
    c.pen.color = farbe;
    c.pen.width = 1;
    c.pen.mode = PenModus::Copy;
    c.brush.color = farbe;
    c.brush.style = PinselStil::Solid;
    c.ellipse(x - radius, y - radius, x + radius + 1, y + radius + 1);
    c.pen = alt;
    c.brush = altPinsel;
}

void ZeichnePol(Canvas &c, int x, int y, bool plus, TColor minusFarbe)
{
    const Stift alt = c.pen;
    c.pen.width = 3;
    c.pen.mode = PenModus::Copy;
    c.pen.color = plus ? TColor(255) : minusFarbe;
    if (plus) {
        c.moveTo(x, y - 6);
        c.lineTo(x, y + 6);
    }
    c.moveTo(x - 6, y);
    c.lineTo(x + 6, y);
    c.pen = alt;
}

// ---- galvanometer -------------------------------------------------------------------------

void Messgeraet::ZeichneGehaeuse(Canvas &c)
{
    const Stift alt = c.pen;
    const Pinsel altPinsel = c.brush;
    const int xg = g.drehpunkt.x(), yg = g.drehpunkt.y();
    c.pen = Stift{FarbeGehaeuseRand, g.gehaeuseStift, PenStil::Solid, PenModus::Copy};
    c.brush = Pinsel{FarbeGehaeuse, PinselStil::Solid};
    c.roundRect(xg - g.w, yg - g.hoehe, xg + g.w, yg, 10, 10);
    c.pen = Stift{FarbeZeiger, g.skalaStift, PenStil::Solid, PenModus::Copy};
    for (int rad : {g.aussenRadius, g.innenRadius})
        c.arc(xg - rad, yg - rad, xg + rad, yg + rad, xg + rad, yg - rad, xg - rad, yg - rad);
    for (int seite : {-1, 1}) {
        c.moveTo(xg + seite * g.endeInnen, yg - g.endeInnen);
        c.lineTo(xg + seite * g.endeAussen, yg - g.endeAussen);
    }
    c.brush = Pinsel{0xFFFFFF, PinselStil::Solid};
    c.floodFill(g.fuellPunkt.x(), g.fuellPunkt.y(), FarbeZeiger, FuellArt::Rand);
    c.pen = alt;
    c.brush = altPinsel;
    sichtbar_ = false;
    grund_ = QImage();
}

void Messgeraet::GrundMerken(const Canvas &c)
{
    grundOrt_ = g.umriss();
    grund_ = c.ausschnitt(grundOrt_);
}

QRect Messgeraet::ZeigerKasten(double d) const
{
    const QLine l = ZeigerLinie(g, d);
    const int rand = g.zeigerStift / 2 + 2;
    return QRect(l.p1(), l.p2()).normalized().adjusted(-rand, -rand, rand, rand);
}

QRect Messgeraet::Verbergen(Canvas &c)
{
    if (!sichtbar_)
        return {};
    sichtbar_ = false;
    const QRect kasten = ZeigerKasten(wert_);
    if (grund_.isNull()) {  // nothing remembered: redraw the face
        ZeichneGehaeuse(c);
        return g.umriss();
    }
    const QRect ziel = kasten.intersected(grundOrt_);
    if (ziel.isEmpty())
        return {};
    Canvas quelle(&grund_);
    const KopierModus alt = c.copyMode;
    c.copyMode = KopierModus::SrcCopy;
    c.copyRect(QRect(ziel.left(), ziel.top(), ziel.width(), ziel.height()), quelle,
               ziel.translated(-grundOrt_.topLeft()));
    c.copyMode = alt;
    return ziel;
}

QRect Messgeraet::Anzeige(Canvas &c, double d)
{
    QRect bereich = Verbergen(c);
    const Stift alt = c.pen;
    c.pen = Stift{0x000000, g.zeigerStift, PenStil::Solid, PenModus::Copy};
    const QLine l = ZeigerLinie(g, d);
    c.moveTo(l.x1(), l.y1());
    c.lineTo(l.x2(), l.y2());
    c.pen = alt;
    sichtbar_ = true;
    wert_ = d;
    return bereich | ZeigerKasten(d);
}

// ---- lamp spectrum strip ----------------------------------------------------------------

void ZeichneKontinuum(Canvas &c)
{
    const int breite = c.width();
    const Pinsel alt = c.brush;
    for (int x = 0; x < breite; ++x) {
        c.brush = Pinsel{FarbeAusFrequenz(StreifenFrequenz(x, breite)), PinselStil::Solid};
        c.fillRect(x, 0, x + 1, StreifenHoehe);
    }
    c.brush = alt;
}

void ZeichneLinienSpektrum(Canvas &c, const Linienspektrum &spektrum, int gewaehlt, int breiteIndex)
{
    const int breite = c.width();
    const Pinsel alt = c.brush;
    const Stift altStift = c.pen;
    c.brush = Pinsel{0x000000, PinselStil::Solid};
    c.fillRect(0, 0, breite, c.height());
    const int n = std::clamp(spektrum.Anzahl, 0, 9);
    for (int i = 0; i < n; ++i) {
        const int f = spektrum.Linie[i].FrequenzTHz;
        if (!FrequenzWaehlbar(f))
            continue;
        const int x = StreifenX(f, breite);
        c.pen = Stift{FarbeAusFrequenz(f), 2 * breiteIndex + (i == gewaehlt ? 3 : 1), PenStil::Solid, PenModus::Copy};
        c.moveTo(x, 0);
        c.lineTo(x, StreifenHoehe);
    }
    c.brush = alt;
    c.pen = altStift;
}

}  // namespace Photoeffekt
