#include "bohrbild.h"

#include <cmath>

namespace Atome {

namespace {

void Stift(Canvas &c, TColor farbe, int breite, PenStil stil = PenStil::Solid)
{
    c.pen = ::Stift{farbe, breite, stil, PenModus::Copy};
}

}  // namespace

void ZeichneBohrAtom(Canvas &c, const BohrLayout &l, int n, int t)
{
    c.copyMode = KopierModus::SrcCopy;
    c.brush = Pinsel{0, PinselStil::Solid};
    c.fillRect(0, 0, c.width(), c.height());
    const int m = l.l / 2;
    Stift(c, 0x0000FF, 1);
    c.brush = Pinsel{0x0000FF, PinselStil::Solid};
    c.ellipse(m - 3, m - 3, m + 4, m + 4);
    c.brush.style = PinselStil::Clear;
    for (int k = 1; k <= BohrBahnen; ++k) {
        const int r = Runde(k * k * l.r1);
        Stift(c, k == n || k == t ? 0x00FFFF : 0xFFFFFF, k == n ? 3 : k == t ? 2 : 1);
        c.ellipse(m - r, m - r, m + r + 1, m + r + 1);
    }
    const Schrift normal{QStringLiteral("Trebuchet MS"), SchriftKlein, false, false, false, 0x00FFFF};
    Schrift fett = normal;
    fett.bold = true;
    const AtomTexte orte = AtomTextOrte(l, [&c, &normal, &fett](const QString &text, bool istFett) {
        c.font = istFett ? fett : normal;
        return QSize(c.textWidth(text), c.textHeight(text));
    });
    c.font = normal;
    c.brush = Pinsel{0, PinselStil::Solid};
    for (int k = 2; k <= BohrBahnen; ++k) {
        if (!orte.nummer[k].isNull())
            c.textOut(orte.nummer[k].left(), orte.nummer[k].top(), QString::number(k));
        if (!orte.energie[k].isNull())
            c.textOut(orte.energie[k].left(), orte.energie[k].top(), EnergieText(GesamtEnergie(k)));
    }
    c.font = fett;
    c.brush.style = PinselStil::Clear;
    c.textOut(orte.links.left(), orte.links.top(), AtomTextLinks);
    c.textOut(orte.rechts.left(), orte.rechts.top(), AtomTextRechts);
    c.copyMode = KopierModus::SrcInvert;
}

void LoescheHNiveaus(Canvas &c, TColor grund)
{
    c.brush = Pinsel{grund, PinselStil::Solid};
    c.fillRect(0, 0, c.width(), c.height());
}

void ZeichneHNiveaus(Canvas &c, const BohrLayout &l, int n, int t)
{
    c.copyMode = KopierModus::SrcCopy;
    LoescheHNiveaus(c, 0x815E01);
    c.font = Schrift{QStringLiteral("Trebuchet MS"), SchriftKlein, false, false, false, 0xFFFFFF};
    const int w = c.width();
    for (int k = 1; k <= BohrNiveaus; ++k) {
        const int y = NiveauY(l, k);
        const bool markiert = k == n || k == t;
        Stift(c, markiert ? 0x029EF2 : 0xFFFFFF, k == n || k == 1 ? 3 : k == t ? 2 : 1);
        c.moveTo(0, y);
        c.lineTo(w, y);
    }
    // the labels after all lines: the close upper levels must not run through them; in a low
    // diagram a label that would cover the one below it is left out
    c.brush = Pinsel{0x815E01, PinselStil::Solid};
    int frei = l.l;  // top of the last label drawn
    for (int k = 1; k <= 4; ++k) {
        const int y = NiveauY(l, k);
        const QString e = QStringLiteral(" ") + EnergieText(GesamtEnergie(k)) + QStringLiteral("\u00A0eV ");
        const QString nr = QStringLiteral(" %1 ").arg(k);
        const int h = c.textHeight(e);
        if (y - 1 > frei)
            continue;
        c.textOut(w - 16 - c.textWidth(e), y - h - 1, e);
        c.textOut(16, y - h - 1, nr);
        frei = y - h - 1;
    }
    Stift(c, 0xFFFFFF, 1, PenStil::Dash);
    c.brush.style = PinselStil::Clear;
    const int yi = IonisationY(l);
    c.moveTo(0, yi);
    c.lineTo(w, yi);
    c.pen.style = PenStil::Solid;
}

void ZeichnePhotonInHNiveaus(Canvas &c, const BohrLayout &l, int n, int t)
{
    const int oben = std::max(n, t), unten = std::min(n, t);
    if (oben == unten || unten < 1)
        return;
    c.copyMode = KopierModus::SrcCopy;
    Stift(c, UebergangsFarbe(unten, oben), 1);
    for (int x = l.P / 2 - 2; x <= l.P / 2 + 2; ++x) {
        c.moveTo(x, NiveauY(l, oben));
        c.lineTo(x, NiveauY(l, unten));
    }
    static const char *serien[5] = {"Lyman-Serie", "Balmer-Serie", "Paschen-Serie", "Brackett-Serie", "Pfund-Serie"};
    const int z = SchriftKlein;
    c.font = Schrift{QStringLiteral("Trebuchet MS"), SchriftKlein, true, false, false, 0xFFFFFF};
    c.brush.style = PinselStil::Clear;
    const int yi = IonisationY(l);
    const QString eine = QStringLiteral("eine Linie der");
    c.textOut((l.P - c.textWidth(eine)) / 2, yi - 4 * z - 8, eine);
    if (unten <= 5) {
        const QString name = QString::fromLatin1(serien[unten - 1]);
        c.textOut((l.P - c.textWidth(name)) / 2, yi - 2 * z - 8, name);
    }
}

}  // namespace Atome
