#include "interferenzbild.h"

#include <algorithm>
#include <cmath>

namespace Interferenz {

namespace {

constexpr TColor Grau = 0x808080;
constexpr TColor AchsenGrau = 0xC0C0C0;
constexpr TColor Rot = 0x0000FF;
constexpr TColor Blau = 0xFF0000;

QImage LeeresMarkerBild(int w, int h)
{
    QImage bild(w, h, QImage::Format_RGB32);
    Canvas c(&bild);
    c.brush.color = MarkerSchluessel;
    c.fillRect(0, 0, w, h);
    return bild;
}

void Leeren(Canvas &c, TColor grund)
{
    c.brush.color = grund;
    c.brush.style = PinselStil::Solid;
    c.fillRect(0, 0, c.width(), c.height());
}

// A styled one-pixel line that leaves the picture under its gaps alone.
void Strichlinie(Canvas &c, TColor farbe, PenStil stil, int x1, int y1, int x2, int y2)
{
    c.pen = Stift{farbe, 1, stil, PenModus::Copy};
    c.brush.style = PinselStil::Clear;
    c.moveTo(x1, y1);
    c.lineTo(x2, y2);
    c.brush.style = PinselStil::Solid;
}

void Marke(Canvas &c, int x, int y, const QImage &bild)
{
    c.draw(x, y, bild, true, MarkerSchluessel);
}

// Fills the square of half side s around the world point (x, y).
inline void Quadrat(Canvas &c, int X0, int Y0, int x, int y, int s, TColor farbe)
{
    c.brush.color = farbe;
    c.fillRect(X0 + x - s, Y0 - y - s, X0 + x + s, Y0 - y + s);
}

}  // namespace

// ---- markers -------------------------------------------------------------------------

QImage ZentrumLinksBild()
{
    QImage bild = LeeresMarkerBild(8, 15);
    Canvas c(&bild);
    c.pen.color = 0x000000;
    c.brush.color = 0x2020E0;
    c.ellipse(-8, 0, 8, 15);  // the right half of a vibrating body at the left edge
    return bild;
}

QImage ZentrumRechtsBild()
{
    QImage bild = LeeresMarkerBild(8, 15);
    Canvas c(&bild);
    c.pen.color = 0x000000;
    c.brush.color = 0x2020E0;
    c.ellipse(0, 0, 16, 15);
    return bild;
}

QImage SeilmasseBild()
{
    QImage bild = LeeresMarkerBild(17, 17);
    Canvas c(&bild);
    c.pen.color = 0x000000;
    c.brush.color = 0x1818B8;
    c.ellipse(0, 0, 17, 17);
    c.pen.style = PenStil::Clear;
    c.brush.color = 0x8C8CFF;
    c.ellipse(4, 4, 9, 9);
    return bild;
}

// ---- rope ----------------------------------------------------------------------------

void SeilVorbereiten(Canvas &c, TColor grund, int R, bool mitSeil, const Markierung &m, const QImage &masse)
{
    Leeren(c, grund);
    if (!mitSeil)
        return;
    const int X0 = c.width() / 2, Y0 = c.height() / 2;
    c.pen = Stift{SeilRuheFarbe, 5, PenStil::Solid, PenModus::Copy};
    c.moveTo(X0 - R, Y0);
    for (int i = 0; i < m.anzahl; ++i)
        c.lineTo(X0 + m.x[i], Y0);
    c.lineTo(X0 + R, Y0);
    for (int i = 0; i < m.anzahl; ++i)
        Marke(c, X0 + m.x[i] - 8, Y0 - 8, masse);
}

void Achsen1Dim(Canvas &c)
{
    const int Y0 = c.height() / 2;
    Strichlinie(c, AchsenGrau, PenStil::DashDot, 0, Y0, c.width(), Y0);
}

void ZeichneSeilFrame(const SeilBilder &b, const SeilLauf &l, double t, const Markierung &m, const QImage &masse,
                      TColor grund)
{
    Canvas *bilder[3] = {b.summe, b.eins, b.zwei};
    for (Canvas *c : bilder)
        if (c) {
            Leeren(*c, grund);
            c->pen = Stift{SeilRuheFarbe, 5, PenStil::Solid, PenModus::Copy};
        }
    // the value, its colour amplitude and the picture's height of each picture at x
    auto zeichne = [&](Canvas *c, int x, int wert, double farbwert, double amplitude) {
        if (!c)
            return;
        const int X0 = c->width() / 2, Y0 = c->height() / 2;
        c->pen.color = SeilFarbe(farbwert, amplitude);
        if (x == -l.R)
            c->moveTo(X0 + x, Y0 - wert);
        else
            c->lineTo(X0 + x, Y0 - wert);
    };
    for (int x = -l.R; x <= l.R; ++x) {
        const SeilPunkt p = SeilAuslenkung(l, x, t);
        zeichne(b.summe, x, p.D, p.D, l.An);
        zeichne(b.eins, x, Runde(p.y1), p.y1, l.q1.amplitude);
        zeichne(b.zwei, x, Runde(p.y2), p.y2, l.q2.amplitude);
    }
    // the masses ride on the rope: drawn over it
    for (int i = 0; i < m.anzahl; ++i) {
        const int x = m.x[i];
        const SeilPunkt p = SeilAuslenkung(l, x, t);
        const int werte[3] = {p.D, Runde(p.y1), Runde(p.y2)};
        for (int k = 0; k < 3; ++k)
            if (bilder[k])
                Marke(*bilder[k], bilder[k]->width() / 2 + x - 8, bilder[k]->height() / 2 - werte[k] - 8, masse);
    }
    for (Canvas *c : bilder)
        if (c)
            Achsen1Dim(*c);
}

void ZeichneLambdaMarker(Canvas &c, int lambda, const QString &text, bool unten, TColor grund)
{
    Leeren(c, grund);
    c.font.name = QStringLiteral("Trebuchet MS");
    c.font.size = 10;
    c.font.bold = true;
    c.font.color = AchsenGrau;  // readable on the window's dark blue
    c.brush.style = PinselStil::Clear;
    c.textOut((c.width() - c.textWidth(text)) / 2, 0, text);
    c.brush.style = PinselStil::Solid;
    c.pen = Stift{AchsenGrau, 2, PenStil::Solid, PenModus::Copy};
    const int u = c.width() / 2 + 1, h = lambda / 2;
    const int B = unten ? c.height() : c.height() - 6;
    const int quer = unten ? c.height() - 6 : B - 6;
    for (int x : {u - h, u + h}) {
        c.moveTo(x, B);
        c.lineTo(x, B - 12);
    }
    c.moveTo(u - h, quer);
    c.lineTo(u + h, quer);
}

// ---- water ---------------------------------------------------------------------------

void ZeichneWasserFrame(Canvas &c, const WasserLauf &l, double t, TColor grund)
{
    const int s = l.s, schritt = 2 * s;
    const bool gespiegeltGegen = l.art == Zentren::BeideLinks && l.sigma < 0;
    const int iMax = l.X0 / schritt;
    for (int y = 0; y <= l.Y0; y += schritt)
        for (int i = -iMax; i <= iMax; ++i) {
            const int x = i * schritt;
            const WasserWert w = WasserAuslenkung(l, x, y, t);
            const TColor farbe = w.grund ? grund : WasserFarbe(l, w.wert);
            Quadrat(c, l.X0, l.Y0, x, y, s, farbe);
            if (y == 0)
                continue;
            // the centres lie symmetric to y = 0; "beide links" in antiphase mirrors the sign
            const TColor spiegel = w.grund || !gespiegeltGegen ? farbe : WasserFarbe(l, -w.wert);
            Quadrat(c, l.X0, l.Y0, x, -y, s, spiegel);
        }
}

void ZeichneIntensitaetsBild(Canvas &c, const WasserLauf &l, TColor grund)
{
    Leeren(c, grund);
    const int s = l.s, schritt = 2 * s;
    const bool halb = l.art == Zentren::LinksRechts;  // symmetric to x = 0 as well
    const int iMax = l.X0 / schritt;
    for (int y = 0; y <= l.Y0; y += schritt)
        for (int i = halb ? 0 : -iMax; i <= iMax; ++i) {
            const int x = i * schritt;
            const TColor farbe = IntensitaetsFarbe(Intensitaet(l, x, y));
            for (int sx : {1, -1}) {
                if (sx < 0 && (!halb || x == 0))
                    break;
                Quadrat(c, l.X0, l.Y0, sx * x, y, s, farbe);
                Quadrat(c, l.X0, l.Y0, sx * x, -y, s, farbe);
            }
        }
}

void SchnittWaagrVorbereiten(Canvas &c, const WasserLauf &l, TColor grund)
{
    Leeren(c, grund);
    const int CAB = c.height() / 2 + 1;
    for (int y : {CAB, CAB - 1})
        Strichlinie(c, Rot, PenStil::DashDot, 0, y, c.width(), y);
    if (l.art == Zentren::BeideLinks)
        return;
    const int u = c.width() / 2 + 1, h = int(l.q.lambda) / 2;
    c.pen = Stift{Grau, 2, PenStil::Solid, PenModus::Copy};
    for (int x : {u - h, u + h}) {
        c.moveTo(x, CAB - 4);
        c.lineTo(x, CAB + 4);
    }
    c.moveTo(u - h, CAB);
    c.lineTo(u + h, CAB);
}

void SchnittSenkrVorbereiten(Canvas &c, int Q, TColor grund)
{
    Leeren(c, grund);
    Strichlinie(c, Blau, PenStil::DashDot, Q + 1, 0, Q + 1, c.height());
}

void ZeichneSchnitte(Canvas &ab, Canvas &cd, const WasserLauf &l, double t, int Q)
{
    const double faktor = l.zwei() ? 0.3 : 0.7;
    const int CAB = ab.height() / 2 + 1, CCD = Q + 1;
    ab.pen = Stift{0, 2, PenStil::Solid, PenModus::Copy};
    for (int x = -l.X0; x <= l.X0; ++x) {
        const int g = SchnittWert(l, x, 0, t);
        ab.pen.color = WasserFarbe(l, g);
        const int px = l.X0 + x, py = CAB - Runde(faktor * g);
        if (x == -l.X0)
            ab.moveTo(px, py);
        else
            ab.lineTo(px, py);
    }
    cd.pen = Stift{0, 2, PenStil::Solid, PenModus::Copy};
    for (int y = -l.Y0; y <= l.Y0; ++y) {
        const int g = SchnittWert(l, 0, y, t);
        cd.pen.color = WasserFarbe(l, g);
        const int px = l.zwei() ? CCD + 2 * Runde(0.3 * g) : CCD + Runde(0.7 * g), py = l.Y0 - y;
        if (y == -l.Y0)
            cd.moveTo(px, py);
        else
            cd.lineTo(px, py);
    }
}

void Achsen2Dim(Canvas &c, int X0, int Y0)
{
    Strichlinie(c, Rot, PenStil::DashDot, 0, Y0, c.width(), Y0);
    Strichlinie(c, Blau, PenStil::Dash, X0, 0, X0, c.height());
}

void ZeichneZentren(Canvas &c, const WasserLauf &l, const QImage &links, const QImage &rechts)
{
    switch (l.art) {
    case Zentren::Links:
        Marke(c, 0, l.Y0 - 7, links);
        break;
    case Zentren::Rechts:
        Marke(c, 2 * l.X0 - 8, l.Y0 - 7, rechts);
        break;
    case Zentren::LinksRechts:
        Marke(c, 0, l.Y0 - 7, links);
        Marke(c, 2 * l.X0 - 8, l.Y0 - 7, rechts);
        break;
    case Zentren::BeideLinks:
        Marke(c, 0, l.Y0 - 97, links);
        Marke(c, 0, l.Y0 + 83, links);
        break;
    }
}

}  // namespace Interferenz
