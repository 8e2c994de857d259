#include "bohr.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace Atome {

using namespace Wasserstoff;

double WinkelSchritt(int n) { return n < 1 ? 0 : 1.2 / (n * n * n); }

TColor UebergangsFarbe(int nUnten, int nOben)
{
    if (nUnten == 2 && (nOben == 3 || nOben == 4))
        return FarbeAusFrequenz(NiveauFrequenz(nOben) - NiveauFrequenz(nUnten));
    const TColor c = LinienFarbe(nUnten, nOben, UebergangsFrequenz(nUnten, nOben));
    return c == 0xC0C0C0 ? 0xFFFFFF : c;
}

int PhotonRadius(int frequenzTHz, double pixelProTHz)
{
    return 10 * Runde(std::pow(std::max(0.0, frequenzTHz * pixelProTHz), 0.25));
}

int BohrVerzoegerung(int position) { return (5 - std::clamp(position, 1, 5)) * 50; }

namespace {

Wahl Ablehnung(MeldungsTyp typ, const QString &text)
{
    Wahl w;
    w.typ = typ;
    w.meldung = text;
    return w;
}

Wahl Erlaubt(bool emission, int ziel)
{
    Wahl w;
    w.erlaubt = true;
    w.emission = emission;
    w.ziel = ziel;
    return w;
}

QString SchonDort(int n)
{
    return QCoreApplication::translate("Bohr", "Das Atom befindet sich schon in Stufe %1!").arg(n);
}

}  // namespace

Wahl SprungAb(int n, int t)
{
    if (t > n)
        return Ablehnung(MeldungsTyp::Warnung,
                         QCoreApplication::translate("Bohr", "Dazu müsste das Atom Energie erhalten!"));
    if (t == n)
        return Ablehnung(MeldungsTyp::Information, SchonDort(t));
    return Erlaubt(true, t);
}

Wahl EmissionLinie(int n, int s, int k)
{
    if (s == n)
        return Ablehnung(MeldungsTyp::Information, SchonDort(n));
    if (n < s)
        return Ablehnung(
            MeldungsTyp::Warnung,
            QCoreApplication::translate("Bohr", "In diesem Zustand kann das Atom keine Linie der %1 emittieren!")
                .arg(SerienName(s)));
    if (n - s != k)
        return Ablehnung(MeldungsTyp::Warnung,
                         QCoreApplication::translate(
                             "Bohr", "In diesem Zustand kann das Atom die %1. Linie der %2 nicht emittieren!")
                             .arg(k)
                             .arg(SerienName(s)));
    return Erlaubt(true, s);
}

Wahl SprungAuf(int n, int t)
{
    if (t < n)
        return Ablehnung(MeldungsTyp::Warnung,
                         QCoreApplication::translate("Bohr", "Dazu müsste das Atom Energie abgeben!"));
    if (t == n)
        return Ablehnung(MeldungsTyp::Information, SchonDort(t));
    return Erlaubt(false, t);
}

Wahl AbsorptionLinie(int n, int s, int k)
{
    if (s != n)
        return Ablehnung(
            MeldungsTyp::Warnung,
            QCoreApplication::translate("Bohr", "In diesem Zustand kann das Atom kein Photon aus der %1 absorbieren!")
                .arg(SerienName(s)));
    if (!LinieZeigbar(s, k))
        return Ablehnung(MeldungsTyp::Information, ZuHochText());
    return Erlaubt(false, n + k);
}

int ZielBegrenzt(int t) { return std::clamp(t, 1, BohrBahnen); }

bool LinieZeigbar(int s, int k) { return s + k <= BohrBahnen; }

QString ZuHochText()
{
    return QCoreApplication::translate("Bohr", "Die Nummer des neuen Zustands wäre größer als %1 und kann deshalb "
                                               "nicht gezeigt werden!")
        .arg(BohrBahnen);
}

AtomTexte AtomTextOrte(const BohrLayout &l, const std::function<QSize(const QString &, bool)> &groesse)
{
    AtomTexte t;
    const QRect bild(0, 0, l.l, l.l);
    const int m = l.l / 2, h = groesse(QStringLiteral("8"), false).height();
    QList<QRect> belegt;
    // on the axis, else one row above it; outer orbits first, they have the room
    const auto setze = [&](const QString &text, int mitteX) {
        const int w = groesse(text, false).width();
        const int x = std::clamp(mitteX - w / 2, 0, std::max(0, l.l - w));  // orbit 6 reaches near the edge
        for (int y : {m - h / 2, m - h / 2 - h}) {
            const QRect r(x, y, w, h);
            const bool frei =
                std::none_of(belegt.begin(), belegt.end(), [&r](const QRect &b) { return b.intersects(r); });
            if (!bild.contains(r) || !frei)
                continue;
            belegt.append(r);
            return r;
        }
        return QRect();
    };
    for (int k = BohrBahnen; k >= 2; --k) {
        const int r = Runde(k * k * l.r1);
        t.nummer[k] = setze(QString::number(k), m + r);
        t.energie[k] = setze(EnergieText(GesamtEnergie(k), EnergieStellen::zweiUnterEinem), m - r);
    }
    // the captions under the axis, each centred under its half of orbit 6 but kept in the picture;
    // where the two would touch, the right one goes one row lower
    const int r6 = Runde(36 * l.r1);
    const QSize gl = groesse(AtomTextLinks(), true), gr = groesse(AtomTextRechts(), true);
    const auto inBild = [&l](int mitteX, int breite) {
        return std::clamp(mitteX - breite / 2, 2, std::max(2, l.l - 2 - breite));
    };
    const int y = m + h;
    t.links = QRect(inBild(m - r6 / 2, gl.width()), y, gl.width(), gl.height());
    t.rechts = QRect(inBild(m + r6 / 2, gr.width()), y, gr.width(), gr.height());
    if (t.links.adjusted(-8, 0, 8, 0).intersects(t.rechts))
        t.rechts.moveTop(y + gl.height() + 2);
    return t;
}

BohrLayout BerechneBohrLayout(int breite, int hoehe, int spalteBreite, int spalteLinks, const QRect &zurueck)
{
    BohrLayout b;
    b.zurueck = zurueck;
    b.P = spalteBreite + 8;
    b.Q = spalteLinks;
    const int titelUnten = 8 + 57;
    b.l = std::max(64, std::min(hoehe - titelUnten - 16, b.Q - b.P - 16));  // the diagram 8 px off the edge
    const int rechteSpalte = 16 + BohrPanelAtomHoehe + 8 + BohrPanelEmissionHoehe + 8 + BohrPanelAbsorptionHoehe +
                             8 + BohrPanelSimulationHoehe;
    b.linkeSpalte = rechteSpalte > zurueck.top() - 8;
    if (b.linkeSpalte) {
        // short or narrow screens: the state and run panels form a column left of the pictures
        b.l = std::max(64, std::min(b.l, b.Q - 3 * b.P - 24));
        b.g = 8 + b.P + 8;
        b.panelAtom = QRect(8, 16, b.P, BohrPanelAtomHoehe);
        b.panelSimulation = QRect(8, b.panelAtom.bottom() + 1 + 8, b.P, BohrPanelSimulationHoehe);
        b.panelEmission = QRect(b.Q, 8, b.P, BohrPanelEmissionHoehe);
    } else {
        b.g = (b.Q - b.l - b.P) / 2;
        b.panelAtom = QRect(b.Q, 16, b.P, BohrPanelAtomHoehe);
        b.panelEmission = QRect(b.Q, b.panelAtom.bottom() + 1 + 8, b.P, BohrPanelEmissionHoehe);
    }
    b.panelAbsorption = QRect(b.Q, b.panelEmission.bottom() + 1 + 8, b.P, BohrPanelAbsorptionHoehe);
    if (!b.linkeSpalte)
        b.panelSimulation = QRect(b.Q, b.panelAbsorption.bottom() + 1 + 8, b.P, BohrPanelSimulationHoehe);
    b.niveaus = QRect(b.g, titelUnten + 8, b.P, b.l);
    b.atom = QRect(b.g + b.P, titelUnten + 8, b.l, b.l);
    const int titelBreite = breite >= 1100 ? 593 : 361;
    const int mitte = b.g + (b.P + b.l) / 2;
    b.titel = QRect(std::max(8, mitte - titelBreite / 2), 8, titelBreite, 57);
    b.r1 = (b.l - 32) / 2.0 / 36.0;
    b.y0 = b.l - 80;
    b.s = (b.l - 136) / 3300.0;
    b.panelZeigeStufen = QRect(b.niveaus.left(), b.niveaus.bottom() + 1 - 49, b.P, 49);
    b.panelErgebnis = QRect(b.Q - 8 - 121, b.atom.bottom() + 1 - 41, 121, 41);
    b.hinweis = b.atom;
    return b;
}

QString AtomTextLinks() { return QCoreApplication::translate("Bohr", "Gesamtenergie des Elektrons / eV"); }
QString AtomTextRechts() { return QCoreApplication::translate("Bohr", "Quantenzahl = Bahnnummer"); }

int NiveauY(const BohrLayout &l, int n) { return l.y0 - Runde(NiveauFrequenz(n) * l.s); }
int IonisationY(const BohrLayout &l) { return l.y0 - Runde(LinienFrequenzTHz(1, 0, RydbergBohr) * l.s); }

}  // namespace Atome
