#include "hserienbild.h"

#include "wasserstoff.h"

#include <QCoreApplication>

#include <cmath>
#include <algorithm>
#include <cstdlib>

namespace Wasserstoff {

void HSerienGeometrie::Vorbereiten(int breite, int hoehe, const HSerienEinstellung &e)
{
    w = breite;
    h = hoehe;
    serien = e.serien;
    x0 = 21;
    achsenLaenge = w - x0 - 10;
    sF = (w - 48) / 3300.0;
    if (e.wellenlaenge || sW == 0) {
        static const double bereich[] = {1900, 4100, 7500, 12500};
        const int i = e.serien < 3 ? 0 : e.serien > 6 ? 3 : e.serien - 3;
        sW = (w - 48) / (e.massstab ? bereich[i] : 12500.0);
    }
    streifen = Runde(0.07 * h);
    yWellenlaenge = Runde(0.18 * h);
    yFrequenz = Runde(0.87 * h);
    band = yFrequenz - yWellenlaenge - 4;
    zeilenHoehe = Runde(double(band) / serien);
}

HSerienZeile HSerienGeometrie::Zeile(int n, int trennung) const
{
    const int H = band - Runde(double(band - zeilenHoehe) * trennung / 10.0);
    HSerienZeile z;
    z.laenge = H - 12;
    z.oben = (serien > 1 ? Runde(double(band - H) * (n - 1) / (serien - 1)) : 0) + yWellenlaenge + 8;
    return z;
}

int HSerienGeometrie::XFrequenz(double fTHz) const { return x0 + Runde(fTHz * sF); }
int HSerienGeometrie::XWellenlaenge(double nm) const { return x0 + Runde(nm * sW); }
int HSerienGeometrie::XLinie(double fTHz, bool wellenlaenge) const
{
    return wellenlaenge ? XWellenlaenge(WellenlaengeNm(fTHz)) : XFrequenz(fTHz);
}

bool SerieBenannt(int n, int serien, int trennung) { return trennung >= 9 && n <= serien && n <= 5; }

int LinienBreite(int n, int m, bool dick, bool wellenlaenge)
{
    if (!dick)
        return 1;
    if (wellenlaenge)
        return n >= 2 && m <= 3 * (n - 1) ? 2 : 1;
    return m <= 7 ? 2 : 1;
}

void HSerienBild::Strich(int x1, int y1, int x2, int y2)
{
    c_.moveTo(x1, y1);
    c_.lineTo(x2, y2);
}

void HSerienBild::Beschriftung(int x, int y, const QString &text)
{
    c_.textOut(x - c_.textWidth(text) / 2, y, text);
}

void HSerienBild::Pfeil(int x, int y, int laenge)
{
    const int ende = x + laenge;
    const int zurueck = laenge > 0 ? -10 : 10;
    Strich(x, y, ende, y);
    Strich(ende, y, ende + zurueck, y - 5);
    Strich(ende, y, ende + zurueck, y + 5);
}

void HSerienBild::ZeigeHSerien(const HSerienEinstellung &e)
{
    g_.Vorbereiten(c_.width(), c_.height(), e);
    c_.pen = Stift{0x808080};
    c_.brush = Pinsel{0x000000};
    c_.rectangle(0, 0, g_.w, g_.h);
    Frequenzachse(e.wellenlaenge);
    WLaengenachse(e.wellenlaenge);
    for (int n = 1; n <= e.serien; ++n)
        Serie(n, e);
    if (e.spektrum)
        ZeigeSpektrum(e.wellenlaenge);
}

void HSerienBild::Serie(int n, const HSerienEinstellung &e)
{
    const HSerienZeile z = g_.Zeile(n, e.trennung);
    if (e.grenzen) {
        const int x = g_.XLinie(SerienGrenze(n), e.wellenlaenge);
        c_.pen = Stift{0x00FFFF, 1, PenStil::Dot};
        c_.brush = Pinsel{0x000000, PinselStil::Clear};
        Strich(x, z.oben, x, z.oben + z.laenge);
        c_.pen = Stift{0x00FFFF};
        c_.brush = Pinsel{0x00FFFF};
        const int unten = z.oben + z.laenge;
        c_.polygon({{x, unten}, {x - 3, unten + 6}, {x + 3, unten + 6}});
        c_.polygon({{x, z.oben}, {x - 3, z.oben - 6}, {x + 3, z.oben - 6}});
    }
    for (int m = n + 1; m <= n + e.linien; ++m) {
        const double f = SerienFrequenz(n, m);
        const int x = g_.XLinie(f, e.wellenlaenge);
        const int breite = LinienBreite(n, m, e.dick, e.wellenlaenge);
        c_.pen = Stift{LinienFarbe(n, m, f), 1};
        // a 2-pixel line: two adjacent 1-pixel columns, so the ends stay square
        for (int i = 0; i < breite; ++i)
            Strich(x + i, z.oben, x + i, z.oben + z.laenge);
    }
    if (SerieBenannt(n, e.serien, e.trennung))
        Name(n, z, e);
}

void HSerienBild::Name(int n, const HSerienZeile &z, const HSerienEinstellung &e)
{
    const TColor farbe = 0xC0C0C0;
    c_.font = Schrift{QStringLiteral("Trebuchet MS"), 14, true};
    c_.font.color = farbe;
    c_.brush.style = PinselStil::Clear;
    const QString name = SerienName(n);
    const int tw = c_.textWidth(name), th = c_.textHeight(name);
    const int mitte = z.oben + z.laenge / 2;
    const int y = mitte - th / 2;
    c_.pen = Stift{farbe, 2};
    if (!e.wellenlaenge && n == 1) {
        const int x = g_.x0 + g_.achsenLaenge / 2 - tw / 2;
        c_.textOut(x, y, name);
        Pfeil(x + tw + 20, y + th / 2, 50);
        return;
    }
    const int bezug = e.wellenlaenge ? g_.XWellenlaenge(WellenlaengeNm(SerienFrequenz(n, n + 1)))
                                     : g_.XFrequenz(SerienGrenze(n));
    const int abstand = e.wellenlaenge ? 80 : 150;
    if (bezug + abstand + tw <= g_.w) {
        c_.textOut(bezug + abstand, y, name);
        Pfeil(bezug + abstand - 10, mitte, -50);
    } else {  // it would run past the right edge: to the left of its line, the arrow pointing at it
        const int x = bezug - abstand - tw;
        c_.textOut(x, y, name);
        Pfeil(x + tw + 10, mitte, 50);
    }
}

void HSerienBild::Frequenzachse(bool wellenlaenge)
{
    const TColor farbe = 0xFFFF00;
    const int y = g_.yFrequenz;
    c_.pen = Stift{farbe};
    c_.brush.style = PinselStil::Clear;
    c_.font = Schrift{QStringLiteral("Trebuchet MS"), 8, false};
    c_.font.color = farbe;
    Strich(g_.x0, y, g_.x0 + g_.achsenLaenge, y);
    auto marke = [&](int x, int laenge, const QString &text) {
        Strich(x, y, x, y + laenge);
        if (!text.isEmpty())
            Beschriftung(x, y + 16, text);
    };
    if (!wellenlaenge) {
        for (int f = 0; f <= 3750; f += 250)
            marke(g_.XFrequenz(f), f % 500 == 0 ? 12 : 8, f % 500 == 0 ? QString::number(f) : QString());
    } else {
        auto x = [&](int f) { return g_.XWellenlaenge(300000.0 / f); };
        for (int f = 25; f <= 175; f += 25) {
            const bool text = f <= 100 || f == 150;
            marke(x(f), (f / 25) % 2 == 0 ? 12 : 8, text ? QString::number(f) : QString());
        }
        for (int f = 200; f <= 500; f += 50) {
            const bool text = f == 200 || f == 300 || f == 500;
            marke(x(f), (f / 50) % 2 == 0 ? 12 : 8, text ? QString::number(f) : QString());
        }
        marke(x(1000), 12, QStringLiteral("1000"));
    }
    c_.font = Schrift{QStringLiteral("Trebuchet MS"), 10, true};
    c_.font.color = farbe;
    c_.textOut(8, y + 16 + c_.textHeight(QStringLiteral("0")),
               QCoreApplication::translate("HSerienBild", "Frequenz / THz"));
}

void HSerienBild::WLaengenachse(bool wellenlaenge)
{
    const TColor farbe = 0x00FF00;
    const int y = g_.yWellenlaenge;
    c_.pen = Stift{farbe};
    c_.brush.style = PinselStil::Clear;
    c_.font = Schrift{QStringLiteral("Trebuchet MS"), 8, false};
    c_.font.color = farbe;
    Strich(g_.x0, y, g_.x0 + g_.achsenLaenge, y);
    const int th = c_.textHeight(QStringLiteral("0"));
    auto marke = [&](int x, int laenge, const QString &text) {
        Strich(x, y, x, y - laenge);
        if (!text.isEmpty())
            Beschriftung(x, y - 16 - th, text);
    };
    if (!wellenlaenge) {
        auto x = [&](int nm) { return g_.XFrequenz(Runde(300000.0 / nm)); };
        for (int nm = 100; nm <= 275; nm += 25)
            marke(x(nm), (nm / 25) % 2 == 0 ? 12 : 8, nm <= 250 ? QString::number(nm) : QString());
        for (int nm = 300; nm <= 1000; nm += 50) {
            const bool text = nm == 300 || nm == 400 || nm == 500 || nm == 600 || nm == 1000;
            marke(x(nm), (nm / 50) % 2 == 0 ? 12 : 8, text ? QString::number(nm) : QString());
        }
        for (int nm = 2000; nm <= 5000; nm += 1000)
            marke(x(nm), 12, nm == 5000 ? QString::number(nm) : QString());
    } else {
        for (int nm = 0; nm <= 16000; nm += 500)
            marke(g_.XWellenlaenge(nm), nm % 1000 == 0 ? 12 : 8, nm % 1000 == 0 ? QString::number(nm) : QString());
    }
    c_.font = Schrift{QStringLiteral("Trebuchet MS"), 10, true};
    c_.font.color = farbe;
    c_.textOut(8, y - 16 - th - c_.textHeight(QStringLiteral("W")),
               QCoreApplication::translate("HSerienBild", "Wellenlänge / nm"));
}

void HSerienBild::ZeigeSpektrum(bool wellenlaenge)
{
    const int hs = g_.streifen;
    c_.pen = Stift{0x808080};
    c_.brush = Pinsel{0x000000};
    c_.rectangle(0, 0, g_.w, hs);
    for (int f = 400; f <= 750; ++f) {
        c_.pen = Stift{FarbeAusFrequenz(f)};
        const int x = wellenlaenge ? g_.XWellenlaenge(300000.0 / f) : g_.XFrequenz(f);
        Strich(x, 2, x, 2 + hs - 4);
    }
    c_.font = Schrift{QStringLiteral("Trebuchet MS"), 16, false};
    c_.font.color = 0xFFFFFF;
    c_.brush.style = PinselStil::Clear;
    auto text = [&](int xMitte, const QString &t) { c_.textOut(xMitte - c_.textWidth(t) / 2, (hs - c_.textHeight(t)) / 2, t); };
    // a word spread out over the wide part of the strip: its letters apart by the given space
    const auto gesperrt = [](const QString &wort, QChar abstand) {
        QString t;
        for (const QChar c : wort) {
            if (!t.isEmpty())
                t += abstand;
            t += c;
        }
        return t;
    };
    const QString infrarot = QCoreApplication::translate("HSerienBild", "Infrarot");
    const int ende = g_.x0 + g_.achsenLaenge;
    if (!wellenlaenge) {
        text(g_.XFrequenz(200), infrarot);
        text((g_.XFrequenz(750) + ende) / 2,
             gesperrt(QCoreApplication::translate("HSerienBild", "Ultraviolett"), QChar(0x2002)));  // en space
    } else {
        text(g_.XWellenlaenge(200), QCoreApplication::translate("HSerienBild", "UV"));
        text((g_.XWellenlaenge(800) + ende) / 2, gesperrt(infrarot, QChar(0x2003)));  // em space
    }
}

}  // namespace Wasserstoff

namespace Wasserstoff {

HSerienLayout BerechneHSerienLayout(int breite, int hoehe, const QRect &zurueck)
{
    HSerienLayout l;
    const int B = zurueck.left();
    const int spalte = zurueck.width() - 8;
    const int reiheH = 137;
    // the bottom row ends with the back button; it never leaves the screen
    const int reiheOben = std::min(zurueck.bottom() + 1, hoehe - 8) - reiheH;
    int luecke = (B - 417 - 353 - spalte) / 4;
    l.schmal = luecke < 8;
    if (l.schmal)
        luecke = std::max(4, (B - 417 - 353) / 3);
    l.serien = QRect(luecke, reiheOben, 417, reiheH);
    l.linien = QRect(l.serien.right() + 1 + luecke, reiheOben, 353, reiheH);
    const int knopfH = 56, spektrumH = reiheH - knopfH - 8;
    if (!l.schmal) {
        const int x = l.linien.right() + 1 + luecke;
        l.spektrum = QRect(x, reiheOben, spalte, spektrumH);
        l.hinweisKnopf = QRect(x, reiheOben + spektrumH + 8, spalte, knopfH);
    } else {
        l.hinweisKnopf = QRect(zurueck.left() + 4, zurueck.top() - 8 - knopfH, spalte, knopfH);
        l.spektrum = QRect(zurueck.left() + 4, l.hinweisKnopf.top() - 8 - spektrumH, spalte, spektrumH);
    }
    l.titel = QRect(8, 8, breite - 48, 49);
    const int bildRechts = l.schmal ? l.spektrum.left() - 8 : breite - 40;
    l.bild = QRect(8, 65, bildRechts - 8, std::max(120, reiheOben - 16 - 65));
    const int hOben = l.titel.bottom() + 1 + 16;
    if (B - 16 >= 880)
        l.hinweis = QRect((B - 880) / 2, hOben, 880, reiheOben - hOben);
    else
        l.hinweis = QRect(8, hOben, breite - 48, reiheOben - hOben);
    return l;
}

}  // namespace Wasserstoff
