#include "hatombild.h"

#include "wasserstoff.h"

#include <QCoreApplication>

#include <algorithm>

namespace Wasserstoff {

namespace {
constexpr TColor Spaltenfarbe = 0x330000, Weiss = 0xFFFFFF, Grau = 0xC0C0C0, Magenta = 0xFF00FF;
constexpr TColor Atomgrund = 0x78BACF, Stufenfarbe = 0x1C1D2F, Gruen = 0x005500;  // dark green: readable on the atom's ground
}  // namespace

void HAtomGeometrie::Vorbereiten(int breite, int hoehe_)
{
    w = breite;
    h = hoehe_;
    C = 2 * ((w - 64) / 12);
    spalte = C - 16;
    D = 2 * C - 32;
    x0 = 2 * C + 16;
    y0 = Runde(0.9 * h);
    k = y0 / 15.0;
    for (int j = 1; j <= 16; ++j)
        hoehe[j] = Runde(Bindungsenergie(j) * k);
    hoehe[0] = hoehe[1];
    yb = Runde(0.65 * h);
    L = w - 52;
    sF = L / 3500.0;
}

void HAtomBild::Strich(int x1, int y1, int x2, int y2)
{
    c_.moveTo(x1, y1);
    c_.lineTo(x2, y2);
}

void HAtomBild::TextMitte(int x, int y, const QString &t) { c_.textOut(x - c_.textWidth(t) / 2, y, t); }

void HAtomBild::Pfeil(int x, int y, int laenge)
{
    const int ende = x + laenge, zurueck = laenge > 0 ? -10 : 10;
    Strich(x, y, ende, y);
    Strich(ende, y, ende + zurueck, y - 5);
    Strich(ende, y, ende + zurueck, y + 5);
}

void HAtomBild::ZeigeSerienHorizontal(int linien, bool grenzen)
{
    const int yb = g_.yb, x0 = 41, r = (yb - 16) / 4;
    c_.brush = Pinsel{0x000000};
    c_.fillRect(0, 0, g_.w, g_.h);
    for (int n = 1; n <= 4; ++n) {
        const int unten = yb - (n - 1) * r, oben = unten - (r - 8);
        const int fn = Runde(RydbergFrequenz / (n * n) * 1e-12);
        const int xg = x0 + Runde(fn * g_.sF);
        c_.brush = Pinsel{Spaltenfarbe};
        c_.fillRect(x0, oben, xg, unten);
        if (grenzen) {
            c_.pen = Stift{0x00FFFF, 1, PenStil::Dot};
            c_.brush.style = PinselStil::Clear;
            Strich(xg, oben, xg, unten);
        }
        for (int m = n + 1; m <= n + linien; ++m) {
            const double f = StufenLinienFrequenz(n, m);
            const int x = x0 + Runde(f * g_.sF);
            c_.pen = Stift{LinienFarbe(n, m, f)};
            for (int i = 0; i < (m <= 6 ? 2 : 1); ++i)
                Strich(x + i, oben, x + i, unten);
        }
        c_.font = Schrift{QStringLiteral("Trebuchet MS"), 14, true};
        c_.font.color = Grau;
        c_.brush.style = PinselStil::Clear;
        const QString name = SerienName(n);
        const int tw = c_.textWidth(name), th = c_.textHeight(name);
        const int mitte = (oben + unten) / 2 - 8;
        c_.pen = Stift{Grau, 2};
        if (n == 1) {
            const int x = x0 + g_.L / 2 - tw / 2;
            c_.textOut(x, mitte - th / 2, name);
            Pfeil(x + tw + 20, mitte, 50);
        } else {
            const int x = xg + 130;
            c_.textOut(x, mitte - th / 2, name);
            Pfeil(x - 20, mitte, -50);
        }
    }
    c_.pen = Stift{0x808080};
    Strich(x0, yb + Runde(0.3 * g_.h), x0, 0);

    auto achse = [&](double yRel, TColor farbe, const QString &titel) {
        const int y = yb + Runde(yRel * g_.h);
        c_.pen = Stift{farbe};
        Strich(x0, y, x0 + g_.L, y);
        c_.font = Schrift{QStringLiteral("Trebuchet MS"), 10, true};
        c_.font.color = farbe;
        c_.brush.style = PinselStil::Clear;
        c_.textOut(g_.w - 16 - c_.textWidth(titel), y + 2, titel);
        c_.font = Schrift{QStringLiteral("Trebuchet MS"), 8, false};
        c_.font.color = farbe;
        return y;
    };
    const int th = [&] {
        c_.font = Schrift{QStringLiteral("Trebuchet MS"), 8, false};
        return c_.textHeight(QStringLiteral("0"));
    }();
    auto marke = [&](int x, int y, int laenge, const QString &text) {
        Strich(x, y, x, y - laenge);
        if (!text.isEmpty())
            TextMitte(x, y - 15 - th, text);
    };
    int y = achse(0.1, 0xFFFF00, QCoreApplication::translate("HAtomBild", "Frequenz / THz"));
    for (int f = 0; f <= 3250; f += 250)
        marke(x0 + Runde(f * g_.sF), y, f % 500 == 0 ? 12 : 6, f % 500 == 0 ? QString::number(f) : QString());
    y = achse(0.2, Grau, QCoreApplication::translate("HAtomBild", "Photonenenergie / eV"));
    c_.font.bold = true;
    for (int e = 0; e <= 14; ++e)
        marke(x0 + Runde(e * EStufen / HStufen * 1e-12 * g_.sF), y, 12, QString::number(e));
    y = achse(0.3, 0x00FF00, QCoreApplication::translate("HAtomBild", "Wellenlänge / nm"));
    for (int nm = 50; nm <= 800; nm += 50) {
        const bool text = nm == 100 || nm == 150 || nm == 200 || nm == 300 || nm == 400 || nm == 800;
        marke(x0 + Runde(Runde(300000.0 / nm) * g_.sF), y, (nm / 50) % 2 == 0 ? 12 : 6,
              text ? QString::number(nm) + QStringLiteral("\u00a0nm") : QString());
    }
}

void HAtomBild::Energieachse()
{
    const int xa = g_.w - 52;
    c_.pen = Stift{Grau};
    Strich(g_.x0, g_.y0, xa + 1, g_.y0);
    Strich(xa, g_.y0, xa, g_.y0 - Runde(14.5 * g_.k) - 1);
    c_.font = Schrift{QStringLiteral("Trebuchet MS"), 10, true};
    c_.font.color = Grau;
    c_.brush = Pinsel{0x000000};
    for (int i = 0; i <= 29; ++i) {
        const int y = g_.y0 - Runde(i * 0.5 * g_.k);
        const bool ganz = i % 2 == 0;
        Strich(xa, y, xa + (ganz ? 8 : 4), y);
        if (ganz) {
            const QString t = QString::number(i / 2) + QStringLiteral("\u00a0eV");
            c_.textOut(xa + 10, y - c_.textHeight(t) / 2, t);
        }
    }
}

void HAtomBild::ZeichneSerieVertikal(int n, int x, int y, int linien, bool grenzen, bool beschriften)
{
    const int breite = g_.spalte, hn = g_.hoehe[n];
    c_.brush = Pinsel{Spaltenfarbe};
    if (!beschriften)
        c_.fillRect(x, y - hn, x + breite, y + 1);
    c_.font = Schrift{QStringLiteral("Trebuchet MS"), 10, true};
    c_.font.color = Weiss;
    c_.brush.style = PinselStil::Clear;
    const QString name = SerienName(n);
    TextMitte(x + breite / 2, y - hn - 16 - c_.textHeight(name), name);
    for (int s = n; s <= linien; ++s) {
        const int ys = y - (hn - g_.hoehe[s]);
        if (beschriften && s > 5)
            break;
        const TColor farbe = s == n ? Weiss : LinienFarbe(n, s, StufenLinienFrequenz(n, s));
        c_.pen = Stift{farbe};
        if (!beschriften)
            Strich(x, ys, x + breite, ys);
        if (s <= 5 && beschriften) {
            const double e = Bindungsenergie(n) - Bindungsenergie(s);
            const QString t = s == n ? QStringLiteral(" 0\u00a0eV ") : QStringLiteral(" ") + EnergieText(e) + QStringLiteral("\u00a0eV ");
            c_.font = Schrift{QStringLiteral("Trebuchet MS"), 8, true};
            c_.font.color = Weiss;
            c_.brush = Pinsel{Spaltenfarbe};
            c_.textOut(x + breite - c_.textWidth(t), ys - c_.textHeight(t), t);
        }
    }
    if (grenzen && !beschriften) {
        const int yg = y - hn;
        c_.pen = Stift{Magenta, 1, PenStil::Dot};
        c_.brush.style = PinselStil::Clear;
        Strich(x, yg, x + breite, yg);
        c_.pen = Stift{Magenta};
        c_.brush = Pinsel{Magenta};
        for (int xe : {x + 4, x + breite - 5})
            c_.polygon({{xe, yg - 1}, {xe - 3, yg - 5}, {xe + 3, yg - 5}});
    }
}

void HAtomBild::ZeichneSeriePhoton(int n, int x, int y, int j, bool markiert)
{
    const int xb = x + (j - n + 2) * (g_.spalte / 12);
    if (xb + 1 >= x + g_.spalte)
        return;
    TColor farbe = markiert ? Magenta : LinienFarbe(n, j + 1, StufenLinienFrequenz(n, j + 1));
    c_.pen = Stift{farbe};
    const int oben = y - (g_.hoehe[n] - g_.hoehe[std::min(j + 1, 16)]);
    Strich(xb, y, xb, oben);
    Strich(xb + 1, y, xb + 1, oben);
}

void HAtomBild::ZeichneHAtom(const HAtomSzene &s, bool grenzen)
{
    const int xl = g_.x0 + Runde(s.atomX), D = g_.D, y0 = g_.y0;
    c_.brush = Pinsel{Atomgrund};
    c_.fillRect(xl, 0, xl + D, g_.h);
    c_.brush.style = PinselStil::Clear;
    const int yIon = y0 - g_.hoehe[0];
    c_.font = Schrift{QStringLiteral("Trebuchet MS"), 16, false};
    c_.font.color = Stufenfarbe;
    TextMitte(xl + D / 2, y0 + 4, QCoreApplication::translate("HAtomBild", "Energiestufen in eV"));
    c_.font = Schrift{QStringLiteral("Trebuchet MS"), SchriftKlein + 2, true};
    c_.font.color = Stufenfarbe;
    TextMitte(xl + D / 2, g_.h - 4 - c_.textHeight(QStringLiteral("W")),
              QCoreApplication::translate("HAtomBild", "Das Wasserstoffatom"));
    c_.font = Schrift{QStringLiteral("Trebuchet MS"), 9, true};
    c_.font.color = Stufenfarbe;
    const int th = c_.textHeight(QStringLiteral("E"));
    const QString energie = QCoreApplication::translate("HAtomBild", "Energie");
    const QString quantenzahl = QCoreApplication::translate("HAtomBild", "Quantenzahl");
    c_.textOut(xl + 4, yIon - 16 - th, energie);
    c_.textOut(xl + D - 4 - c_.textWidth(quantenzahl), yIon - 16 - th, quantenzahl);
    for (int j = 1; j <= s.stufenBis && j <= 16; ++j) {
        const int y = y0 - g_.Stufe(j);
        const TColor farbe = j == s.hervor ? Gruen : Stufenfarbe;
        c_.pen = Stift{farbe, 1};
        const int dicke = j == s.stufenBis && j <= 5 ? 3 : 1;
        for (int i = 0; i < dicke; ++i)
            Strich(xl, y - i, xl + D, y - i);
        if (j <= 5) {
            c_.font = Schrift{QStringLiteral("Trebuchet MS"), 8, true};
            c_.font.color = farbe;
            c_.brush = Pinsel{Atomgrund};
            const QString nr = QStringLiteral(" %1 ").arg(j);
            const QString e = QStringLiteral(" ") + EnergieText(Bindungsenergie(1) - Bindungsenergie(j)) + QStringLiteral("\u00a0eV ");
            c_.textOut(xl + D - c_.textWidth(nr), y - dicke - c_.textHeight(nr), nr);
            c_.textOut(xl, y - dicke - c_.textHeight(e), e);
        }
    }
    for (const HAtomUebergang &u : s.uebergaenge) {
        const int x = xl + 60 + (u.a - 1) * std::max(8, (D - 120) / 4) + (u.j - u.a) * 4;
        c_.pen = Stift{u.markiert ? Gruen : Stufenfarbe};
        const int von = y0 - g_.Stufe(u.a), bis = y0 - g_.Stufe(std::min(u.j + 1, 16));
        Strich(x, von, x, bis);
        Strich(x + 1, von, x + 1, bis);
    }
    if (grenzen && s.ionisation) {
        c_.pen = Stift{Gruen, 1, PenStil::Dot};
        c_.brush.style = PinselStil::Clear;
        Strich(xl, yIon, xl + D, yIon);
        c_.pen = Stift{Gruen};
        c_.brush = Pinsel{Gruen};
        for (int xe : {xl + 6, xl + D - 7})
            c_.polygon({{xe, yIon - 1}, {xe - 3, yIon - 5}, {xe + 3, yIon - 5}});
    }
}

void HAtomBild::Formel(int rechts)
{
    c_.brush = Pinsel{Atomgrund};
    c_.fillRect(32, 0, rechts, g_.h);
    c_.brush.style = PinselStil::Clear;
    auto schrift = [&](int groesse) {
        c_.font = Schrift{QStringLiteral("Trebuchet MS"), groesse, true};
        c_.font.color = Stufenfarbe;
    };
    int x = 48, y = 24;
    // writes text at the pen, moves right; lage: 0 normal, 1 sub, −1 super
    auto schreibe = [&](const QString &t, int groesse, int lage = 0) {
        schrift(groesse);
        const int hoch = c_.textHeight(QStringLiteral("W"));
        schrift(lage ? 12 : groesse);
        const int klein = c_.textHeight(QStringLiteral("W"));
        const int dy = lage > 0 ? hoch - klein + 4 : lage < 0 ? -8 : 0;
        c_.textOut(x, y + dy, t);
        x += c_.textWidth(t);
    };
    auto zeile = [&](int groesse) {
        schrift(groesse);
        y += c_.textHeight(QStringLiteral("W")) + 6;
        x = 48;
    };
    const int n = SchriftNormal;
    schreibe(QCoreApplication::translate("HAtomBild", "Die Energie E"), n);
    schreibe(QStringLiteral("n"), n, 1);
    schreibe(QCoreApplication::translate("HAtomBild", " des Wasserstoffatoms"), n);
    zeile(n);
    schreibe(QCoreApplication::translate("HAtomBild", "im Zustand mit der Quantenzahl n"), n);
    zeile(n);
    schreibe(QCoreApplication::translate("HAtomBild", "errechnet sich nach der Formel"), n);
    zeile(n);
    y += 24;
    schreibe(QStringLiteral("E"), 24);
    schreibe(QStringLiteral("n"), 24, 1);
    schreibe(QStringLiteral(" = R · c · h · (1 − "), 24);
    {  // the fraction 1 over n²
        schrift(16);
        const int xb = x, breite = c_.textWidth(QStringLiteral("__"));
        c_.textOut(xb + (breite - c_.textWidth(QStringLiteral("1"))) / 2, y - 10, QStringLiteral("1"));
        c_.textOut(xb, y - 6, QStringLiteral("__"));
        c_.textOut(xb + (breite - c_.textWidth(QStringLiteral("n²"))) / 2, y + 16, QStringLiteral("n²"));
        x = xb + breite + 2;
    }
    schreibe(QStringLiteral(")"), 24);
    zeile(24);
    y += 32;
    x = 48;
    schreibe(QCoreApplication::translate("HAtomBild", "Dabei ist"), n);
    zeile(n);
    // each literal ends after its no-break space: lupdate would read a digit after "\u00a0" as part of the escape
    schreibe(QCoreApplication::translate("HAtomBild",
                                         "R die Rydberg-Konstante = 10\u00a0" "973\u00a0" "731,568\u00a0" "16\u00a0m"),
             n);
    schreibe(QStringLiteral("−1"), n, -1);
    zeile(n);
    schreibe(QCoreApplication::translate("HAtomBild",
                                         "c die Lichtgeschwindigkeit = 299\u00a0" "792\u00a0" "458\u00a0m·s"),
             n);
    schreibe(QStringLiteral("−1"), n, -1);
    zeile(n);
    schreibe(QCoreApplication::translate("HAtomBild", "h die Planck-Konstante = 6,626\u00a0" "070·10"), n);
    schreibe(QStringLiteral("−34"), n, -1);
    schreibe(QStringLiteral("\u00a0J·s"), n);
}

void HAtomBild::ZeichneSzene(const HAtomSzene &s, int linien, bool grenzen)
{
    c_.brush = Pinsel{0x000000};
    c_.fillRect(0, 0, g_.w, g_.h);
    c_.font = Schrift{QStringLiteral("Trebuchet MS"), 16, false};
    c_.font.color = Grau;
    c_.brush.style = PinselStil::Clear;
    // under the series columns right of the level diagram, or under those left of it
    int links = g_.w, rechts = 0;
    for (bool rechtsDavon : {true, false}) {
        for (int n = 1; n <= 4; ++n)
            if (!s.atom || (s.serieX[n] > s.atomX) == rechtsDavon) {
                links = std::min(links, g_.x0 + Runde(s.serieX[n]));
                rechts = std::max(rechts, g_.x0 + Runde(s.serieX[n]) + g_.spalte);
            }
        if (rechts > 0)
            break;
    }
    if (!s.formel)
        TextMitte((links + rechts) / 2, g_.y0 + 4, QCoreApplication::translate("HAtomBild", "Quantenenergien in eV"));
    if (s.energieAchse)
        Energieachse();
    for (int n = 1; n <= 4; ++n) {
        const int x = g_.x0 + Runde(s.serieX[n]), y = g_.y0 - Runde(s.serieY[n]);
        ZeichneSerieVertikal(n, x, y, linien, grenzen, false);
        for (int i = 0; i < s.balken[n]; ++i)
            ZeichneSeriePhoton(n, x, y, n + i, i == s.balkenMarke[n]);
        ZeichneSerieVertikal(n, x, y, linien, grenzen, true);  // labels over the bars
    }
    if (s.atom)
        ZeichneHAtom(s, grenzen);
    if (s.formel)
        Formel(g_.x0 + Runde(s.atomX) - 16);
}

}  // namespace Wasserstoff
