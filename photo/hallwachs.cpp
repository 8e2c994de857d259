#include "hallwachs.h"

#include <algorithm>
#include <cmath>

namespace Photoeffekt {

HallwachsSkizze HallwachsDaten(int breite, int hoehe, int bildschirmHoehe)
{
    HallwachsSkizze k;
    const double hs = breite / 784.0, s = bildschirmHoehe / 740.0;
    k.breite = breite;
    k.hoehe = hoehe;
    k.rRoh = ElektronenRadiusRoh(hoehe);
    k.abstand = 2 * k.rRoh + 1;
    k.r = ElektronenRadius(hoehe);
    k.D = Durchmesser(k.r);
    k.plattenX = breite - Runde(176 * hs);
    k.ringX = Runde(304 * hs);
    k.plattenOben = hoehe / 2 - 10 * k.abstand;
    k.plattenUnten = hoehe / 2 + 11 * k.abstand;
    k.leitungY = hoehe - 100;
    k.drehpunkt = QPoint(Runde(384 * hs), hoehe - 85);
    k.erdeY = hoehe - 25;
    k.quelleX = Runde(524 * hs);
    k.quelleHalb = Runde(25 * hs);
    k.galvBuchse = Runde(64 * s) - Runde(16 * s);
    int n = k.abstand * 21 / (2 * k.r + 1);
    n = (n + 2) / 3 * 3;
    k.strahlen = std::clamp(n / 3 + 1, 1, 8);
    k.lampeX0 = breite / 4;
    return k;
}

PhotozellenSkizze PhotozellenDaten(int breite, int hoehe, int bildschirmHoehe, int schriftMittel, int textBreite)
{
    PhotozellenSkizze k;
    const double s = bildschirmHoehe / 740.0;
    k.breite = breite;
    k.hoehe = hoehe;
    k.r = ElektronenRadius(hoehe);
    k.D = Durchmesser(k.r);
    k.t = k.r + 2;
    k.galvW = Runde(64 * s);
    k.galvH = Runde(80 * s);
    const int cw = Runde(k.D * 25 * 0.7);
    k.zelleLinks = std::min(Runde(0.4 * breite), breite - cw - textBreite - 16);
    k.zelleRechts = k.zelleLinks + cw;
    k.zelleMitteX = k.zelleLinks + cw / 2;
    k.zelleOben = std::max(schriftMittel, k.zelleLinks / 6);
    // Below 768 px screen height the cell moves up as far as the circuit under it needs.
    const int unterstesNoetig = k.zelleOben + 25 * k.D + k.galvH + 80;
    if (bildschirmHoehe < 704 && unterstesNoetig > hoehe)
        k.zelleOben = std::max(schriftMittel + 8, k.zelleOben - (unterstesNoetig - hoehe));
    k.zelleUnten = k.zelleOben + 25 * k.D;
    k.mitte = (k.zelleOben + k.zelleUnten) / 2;
    k.y0 = k.mitte - 21 * k.D / 2;
    k.saeuleUnten = k.y0 + 21 * k.D + k.r + 2;
    k.kathodeX = k.zelleRechts - 2 * k.t;
    k.startX = k.kathodeX - 2 * k.r;
    k.anodeX = k.zelleLinks + k.t + 4 * k.r;
    k.ankunftX = k.anodeX + 2 * k.r;
    k.drehpunkt = QPoint(k.anodeX + 10 - k.galvW, k.zelleUnten + k.galvH + 16);
    k.leitungY = k.zelleUnten + k.galvH + 6;
    k.quelleX = (k.zelleMitteX + k.zelleRechts) / 2;
    k.quelleHalb = 24;
    k.lampeX0 = breite / 5;
    return k;
}

Tempo HallwachsTempo(int p)
{
    return {3e-5 * std::pow(1.2, p), ZweiHoch(TempoMax - p) - 1, p + 7};
}

Tempo PhotozellenTempo(int p)
{
    return {1e-5 * std::pow(1.5, p), ZweiHoch(TempoMax - p) - 1, p + 7};
}

double HallwachsUVGeschwindigkeit() { return Austrittsgeschwindigkeit(6.63e-34, 1.5e15, 4.83, 1.6e-19, 9.11e-31); }

double PhotozellenUVGeschwindigkeit(double h)
{
    return 2 * Austrittsgeschwindigkeit(h, 8e14, 2.25, Elementarladung, Elektronenmasse);
}

double Ausschlag(bool uv, bool lichtAn, int intensitaet)
{
    return uv && lichtAn ? std::clamp(intensitaet / 15.0, 0.0, 1.0) : 0.0;
}

// ---- the stream of electrons ----------------------------------------------------------------------

void Elektronenstrom::Aufstellen(double yOben, double abstand)
{
    for (int i = 0; i < ElektronenAnzahl; ++i) {
        e[i].index = i;
        e[i].y = yOben + i * abstand;
    }
    AlleZuruecksetzen();
}

void Elektronenstrom::AlleZuruecksetzen()
{
    for (TElektron &el : e) {
        el.x = art.ruheX;
        el.v = 0;
        el.fliegt = false;
    }
}

void Elektronenstrom::Zurueck(TElektron &el)
{
    if (zeichne)
        zeichne(el, el.fliegt);
    el.x = art.ruheX;
    el.v = 0;
    el.fliegt = false;
    if (zeichne)
        zeichne(el, false);
}

void Elektronenstrom::Starte(TElektron &el, double v)
{
    if (zeichne)
        zeichne(el, false);
    el.x = art.startX;
    el.v = v;
    el.fliegt = true;
    if (zeichne)
        zeichne(el, true);
}

int Elektronenstrom::Fliegende() const
{
    return int(std::count_if(e.begin(), e.end(), [](const TElektron &el) { return el.fliegt; }));
}

int Elektronenstrom::Ausloesen(bool uv, bool lichtAn, int intensitaet, int grenze)
{
    if (!lichtAn || Fliegende() >= grenze)
        return -1;
    if (!(Zufall() < art.wktProI * intensitaet))
        return -1;
    std::array<int, ElektronenAnzahl> frei{};
    int n = 0;
    for (const TElektron &el : e)
        if (!el.fliegt)
            frei[n++] = el.index;
    if (n == 0)
        return -1;
    TElektron &el = e[frei[Zufall(n)]];
    if (!uv)
        return -1;
    Starte(el, (art.faktorBasis + art.faktorSpanne * Zufall()) * art.geschwindigkeit);
    return el.index;
}

void Elektronenstrom::Bewege(double dt)
{
    for (TElektron &el : e) {
        if (!el.fliegt)
            continue;
        if (art.begrenzt) {
            if (el.x > art.linkeGrenze && el.x < art.rechteGrenze) {
                if (zeichne)
                    zeichne(el, true);
                el.x = std::clamp(el.x + el.v * dt, art.linkeGrenze, art.rechteGrenze);
                if (zeichne)
                    zeichne(el, true);
            } else {
                Zurueck(el);
            }
        } else {
            if (zeichne)
                zeichne(el, true);
            el.x += el.v * dt;
            if (zeichne)
                zeichne(el, true);
            if (el.x < art.linkeGrenze)
                Zurueck(el);
        }
    }
}

void Elektronenstrom::FliegendeHeim()
{
    for (TElektron &el : e)
        if (el.fliegt)
            Zurueck(el);
}

void Elektronenstrom::AlleHeim()
{
    for (TElektron &el : e)
        Zurueck(el);
}

}  // namespace Photoeffekt
