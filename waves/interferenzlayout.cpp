#include "interferenzlayout.h"

#include "global.h"

#include <algorithm>

namespace Interferenz {

Bildschirmmasse AktuellerBildschirm()
{
    Bildschirmmasse b;
    b.breite = BildschirmBreite;
    b.hoehe = BildschirmHoehe;
    const Spaltenwerte spalte = StandardSpalte(BildschirmBreite);
    b.spalteLinks = spalte.links;
    b.spalteBreite = spalte.breite;
    b.spalteRand = spalte.rand;
    b.zurueck = QRect(ZurueckLinks, ZurueckOben, ZurueckBreite, ZurueckHoehe);
    b.F = Massstab.einheitlich;
    b.Fx = Massstab.horizontal;
    b.Fy = Massstab.vertikal;
    return b;
}

Layout BerechneLayout(const Bildschirmmasse &b)
{
    Layout l;
    const int W = b.breite, H = b.hoehe;
    l.kompakt = H < KompaktUnter;
    l.XC = (W - 24) / 2;
    l.R = std::max(60, std::min(500, (W - 410) / 2 - 8));
    l.YC = Runde(180 * b.F) + 184;
    l.M = Runde(60 * b.Fy);
    l.image1Dim = QRect(l.XC - l.R, l.YC - 2 * l.M, 2 * l.R, 4 * l.M);
    l.image1DimEins = QRect(l.XC - l.R, l.YC - 4 * l.M, 2 * l.R, 2 * l.M);
    l.image1DimZwei = QRect(l.XC - l.R, l.YC + 2 * l.M, 2 * l.R, 2 * l.M);

    // the water picture, its sections and labels must end above the screen's bottom
    l.FWasser = b.F;
    if (l.kompakt)
        l.FWasser = std::min(b.F, std::max(0.5, (H - 157) / 560.0));
    l.XW = l.XC - Runde(56 * l.FWasser);
    l.YW = Runde(224 * l.FWasser) + 128;
    l.Q = Runde(56 * l.FWasser);

    const int titelBreite = std::max(200, std::min(560, 2 * (l.XC - 201)));
    l.titel = QRect(l.XC - titelBreite / 2, 8, titelBreite, 40);
    l.markerBreite = Runde(320 * b.Fx);

    // right column
    const int sl = b.spalteLinks, sb = b.spalteBreite;
    l.wellenDatenEins = QRect(sl, 8, sb, 153);
    l.wellenDatenZwei = QRect(sl, 168, sb, 153);
    l.welle = QRect(sl, 160, sb, 273);
    l.welleSeil = QRect(sl, 336, sb, 81);
    l.welleWasser = QRect(sl, 168, sb, 265);
    l.einAus = QRect(sl, 440, sb, 161);

    // left column; on low screens it moves up so that the hint buttons keep their room
    const int hoch = l.kompakt ? 24 : 0;
    l.daten = QRect(8, 48 - hoch, 185, 321);
    const int zentrenOben = l.kompakt ? l.daten.bottom() + 1 + 8 : 400;
    l.wZentrenSeil = QRect(8, zentrenOben, 185, 137);
    l.wZentrenWasser = QRect(8, zentrenOben, 185, 209);
    const int markeOben = zentrenOben + 136;
    l.markierePkt = QRect(8, markeOben, 185, 73);
    l.knoten = QRect(16, markeOben, 185, 73);
    if (l.kompakt) {
        const int oben = markeOben + 73 + 8;
        const int h = std::clamp(H - 8 - oben, 60, 105);  // two buttons of 24 px at least
        l.hinweise = QRect(b.spalteRand + 24, oben, b.spalteBreite - 24, h);
    } else {
        const int h = std::max(24, std::min(105, H - 625));
        l.hinweise = QRect(b.spalteRand + 24, std::min(665, (H + 609 - h - 8) / 2), b.spalteBreite - 24, h);
    }
    l.hinweisKnopfHoehe = (l.hinweise.height() - 12) / 2;

    // the back button: on low screens under the run panel, and lower
    l.zurueck = b.zurueck;
    if (l.kompakt) {
        const int oben = std::max(b.zurueck.top(), l.einAus.bottom() + 1 + 7);
        l.zurueck = QRect(b.zurueck.left(), oben, b.zurueck.width(), std::clamp(H - 8 - oben, 30, b.zurueck.height()));
        if (H - 8 - oben < 30)  // no room under the run panel: the lower right corner between the columns
            l.zurueck = QRect(b.spalteLinks - 8 - b.zurueck.width(), H - 8 - 34, b.zurueck.width(), 34);
    }

    // text panels between the two columns, from 64 down to the back button
    const int breite = std::max(100, std::min(1000, b.spalteLinks - b.spalteRand - b.spalteBreite - 16));
    const int links = (b.spalteRand + b.spalteBreite + b.spalteLinks - breite) / 2;
    l.textTafel = QRect(links, 64, breite, std::max(100, l.zurueck.top() - 64));
    return l;
}

QPoint WasserHalbmasse(Groesse g, Format f)
{
    const int stufe = g == Groesse::klein ? 0 : g == Groesse::mittel ? 1 : 2;
    const int lang = 160 + 32 * stufe, kurz = 120 + 24 * stufe;
    switch (f) {
    case Format::hoch:
        return {kurz, lang};
    case Format::quer:
        return {lang, kurz};
    case Format::quadrat:
        break;
    }
    return {lang, lang};
}

WasserGeometrie BerechneWasser(const Layout &l, Groesse g, Format f)
{
    WasserGeometrie w;
    const QPoint halb = WasserHalbmasse(g, f);
    w.hw = Runde(halb.x() * l.FWasser);
    w.hh = Runde(halb.y() * l.FWasser);
    w.bild = QRect(l.XW - w.hw, l.YW - w.hh, 2 * w.hw + 1, 2 * w.hh);
    w.X0 = w.bild.width() / 2;
    w.Y0 = w.bild.height() / 2;
    w.schnittSenkr = QRect(w.bild.right() + 1 + 16, w.bild.top(), 2 * l.Q + 1, w.bild.height());
    w.schnittWaagr = QRect(w.bild.left(), w.bild.bottom() + 1 + 20, w.bild.width(), 2 * l.Q + 1);
    w.lambdaEins = QRect(l.XW - l.markerBreite / 2, l.titel.bottom() + 1 + 8, l.markerBreite, MarkerHoehe);
    w.mitteY = w.bild.top() + w.Y0;
    w.aRechts = w.bild.left() - 3;
    w.bLinks = w.bild.right() + 1 + 3;
    w.mitteX = w.bild.left() + w.X0;
    w.cUnten = w.bild.top() - 3;
    w.dOben = w.bild.bottom() + 1 + 3;
    w.abLinks = w.schnittWaagr.right() + 1 + 8;
    w.abMitte = w.schnittWaagr.center().y();
    w.cdMitte = w.schnittSenkr.center().x();
    w.cdOben = w.schnittSenkr.bottom() + 1 + 2;
    return w;
}

QRect LambdaEinsSeil(const Layout &l, bool einzelWellen)
{
    const int oben = (einzelWellen ? l.image1DimEins : l.image1Dim).top();
    return QRect(l.XC - l.markerBreite / 2, oben - 1 - MarkerHoehe, l.markerBreite, MarkerHoehe);
}

QRect LambdaZweiSeil(const Layout &l, bool einzelWellen)
{
    const int unten = (einzelWellen ? l.image1DimZwei : l.image1Dim).bottom() + 1;
    return QRect(l.XC - l.markerBreite / 2, unten + 8, l.markerBreite, MarkerHoehe);
}

}  // namespace Interferenz
