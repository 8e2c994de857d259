#include "spektren.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace Atome {

SpektrenTabelle KopiereSpektren()
{
    SpektrenTabelle t{};
    const SpektrumNr reihe[11] = {SpektrumCalzium, SpektrumCadmium,     SpektrumCaesium, SpektrumEisen,
                                  SpektrumHelium,  SpektrumWasserstoff, SpektrumQuecksilber, SpektrumKalium,
                                  SpektrumMagnesium, SpektrumNatrium,   SpektrumNeon};
    for (int i = 0; i < 11; ++i)
        t[i + 1] = Spektren[reihe[i]];
    t[SonnenSlot] = Spektren[SpektrumSonne];
    return t;
}

namespace {

// The gases in the order of the choice: as items, and within a sentence (lower case in English).
struct GasText {
    const char *name;
    const char *kommentar;
};
constexpr GasText GasItems[11] = {
    QT_TRANSLATE_NOOP3("Spektren", "Calcium", "choice"),
    QT_TRANSLATE_NOOP3("Spektren", "Cadmium", "choice"),
    QT_TRANSLATE_NOOP3("Spektren", "Cäsium", "choice"),
    QT_TRANSLATE_NOOP3("Spektren", "Eisen", "choice"),
    QT_TRANSLATE_NOOP3("Spektren", "Helium", "choice"),
    QT_TRANSLATE_NOOP3("Spektren", "Wasserstoff", "choice"),
    QT_TRANSLATE_NOOP3("Spektren", "Quecksilber", "choice"),
    QT_TRANSLATE_NOOP3("Spektren", "Kalium", "choice"),
    QT_TRANSLATE_NOOP3("Spektren", "Magnesium", "choice"),
    QT_TRANSLATE_NOOP3("Spektren", "Natrium", "choice"),
    QT_TRANSLATE_NOOP3("Spektren", "Neon", "choice")};
constexpr GasText GasImSatzTexte[11] = {
    QT_TRANSLATE_NOOP3("Spektren", "Calcium", "in a sentence"),
    QT_TRANSLATE_NOOP3("Spektren", "Cadmium", "in a sentence"),
    QT_TRANSLATE_NOOP3("Spektren", "Cäsium", "in a sentence"),
    QT_TRANSLATE_NOOP3("Spektren", "Eisen", "in a sentence"),
    QT_TRANSLATE_NOOP3("Spektren", "Helium", "in a sentence"),
    QT_TRANSLATE_NOOP3("Spektren", "Wasserstoff", "in a sentence"),
    QT_TRANSLATE_NOOP3("Spektren", "Quecksilber", "in a sentence"),
    QT_TRANSLATE_NOOP3("Spektren", "Kalium", "in a sentence"),
    QT_TRANSLATE_NOOP3("Spektren", "Magnesium", "in a sentence"),
    QT_TRANSLATE_NOOP3("Spektren", "Natrium", "in a sentence"),
    QT_TRANSLATE_NOOP3("Spektren", "Neon", "in a sentence")};

QString Uebersetzt(const GasText &t) { return QCoreApplication::translate("Spektren", t.name, t.kommentar); }

}  // namespace

QStringList GasNamen()
{
    QStringList namen;
    for (const GasText &t : GasItems)
        namen << Uebersetzt(t);
    return namen;
}

QString GasImSatz(int gas)
{
    return gas >= 1 && gas <= 11 ? Uebersetzt(GasImSatzTexte[gas - 1]) : QString();
}

QString SpektrenTitel(int gas)
{
    if (gas < 1 || gas > 11)
        return QCoreApplication::translate("Spektren", "Spektren einatomiger Gase");
    return QCoreApplication::translate("Spektren", "Spektrum von %1").arg(GasImSatz(gas));
}

TColor FarbeGas(const SpektrenTabelle &t, int gas)
{
    if (gas == 0)
        return 12430353;
    if (gas >= 1 && gas <= 11)
        return t[gas].Linie[0].Farbe;
    return 7377056;
}

Blick Blick::ausPositionen(int sehBreite, int sehHoehe)
{
    Blick b;
    b.phi = -sehBreite * M_PI / 180;
    b.theta = sehHoehe * M_PI / 180;
    b.sinPhi = std::sin(b.phi);
    b.cosPhi = std::cos(b.phi);
    b.sinTheta = std::sin(b.theta);
    b.cosTheta = std::cos(b.theta);
    return b;
}

QPoint SpektrenGeometrie::projiziere(const Blick &b, double px, double py, double pz) const
{
    return {Runde(px * b.cosPhi - pz * b.sinPhi) + px0,
            py0 - Runde(-px * b.sinPhi * b.sinTheta + py * b.cosTheta - pz * b.cosPhi * b.sinTheta)};
}

SpektrenGeometrie Daten(int W, int H, bool mitAnordnung, double s)
{
    SpektrenGeometrie g;
    g.W = W;
    g.H = H;
    g.mitAnordnung = mitAnordnung;
    g.s = s;
    g.Ws = Runde((mitAnordnung ? 0.6 : 0.9) * W);
    g.cx = Runde((mitAnordnung ? 0.65 : 0.5) * W);
    g.cy = Runde((mitAnordnung ? 0.25 : 0.65) * H);
    g.h = Runde((mitAnordnung ? 80 : 120) * s);
    g.Wsp = Runde(0.7 * g.Ws);
    g.k = g.Wsp / 350.0;
    g.x0 = g.cx - g.Wsp / 2;
    g.schirmLinks = g.cx - g.Ws / 2;
    g.sonneOben = g.cy - 3 * g.h / 2;
    g.gasOben = g.cy - g.h / 2;
    g.rRoehre = Runde(10 * s);
    g.R = Runde(40 * s);
    g.px0 = g.cx;
    g.py0 = g.cy;
    return g;
}

QRect SpektrenGeometrie::AnordnungsUmriss(const Blick &b) const
{
    QRect umriss;
    const auto dazu = [&](double x, double y, double z, int rand) {
        const QPoint p = projiziere(b, x, y, z);
        umriss = umriss.united(QRect(p.x() - rand, p.y() - rand, 2 * rand + 1, 2 * rand + 1));
    };
    const double zs = cx / 3.0, zt = 2 * cx / 3.0 + 50;
    for (int i = 0; i < 48; ++i) {
        const double a = i * M_PI / 24, c = std::cos(a), s = std::sin(a);
        for (double z : {zs, 2 * zs})  // the spectroscope's two end circles
            dazu(R * c, R * s, z, 2);
        for (double y : {-100.0, 100.0})  // the tube's two end circles
            dazu(rRoehre * c, y, zt + rRoehre * s, 1);
    }
    for (double y : {-120.0, 120.0}) {  // the wires and the sockets
        dazu(0, y, zt, 2);
        dazu(0, y, zt + 50, 2);
        dazu(0, y / 6, zt + 50, 6);
    }
    return umriss;
}

void SpektrenGeometrie::Einpassen(const Blick &b, int rand)
{
    px0 = cx;
    py0 = cy;
    const QRect u = AnordnungsUmriss(b);
    const auto verschiebung = [rand](int von, int bis, int grenze) {
        if (bis - von > grenze - 2 * rand)
            return (grenze - von - bis) / 2;  // too large: centred
        if (bis > grenze - rand)
            return grenze - rand - bis;
        if (von < rand)
            return rand - von;
        return 0;
    };
    px0 += verschiebung(u.left(), u.right() + 1, W);
    py0 += verschiebung(u.top(), u.bottom() + 1, H);
}

double VertikalerMassstab(int bildschirmHoehe, int titelHoehe)
{
    return double(bildschirmHoehe - titelHoehe - 81 - 16) / double(724 - titelHoehe - 81);
}

TColor SonnenFarbe(int v, bool nachFrequenz)
{
    return FarbeAusFrequenz(nachFrequenz ? v : Runde(3e5 / v));
}

int LinienWert(const Spektrallinie &l, bool nachFrequenz) { return nachFrequenz ? l.FrequenzTHz : l.WellenlaengeNm; }

TColor KanalweiseAddieren(TColor basis, int rot, int gruen, int blau)
{
    const auto kanal = [](int wert) { return TColor(std::clamp(wert, 0, 255)); };
    return kanal(int(basis & 0xFF) + rot) | kanal(int((basis >> 8) & 0xFF) + gruen) << 8 |
           kanal(int((basis >> 16) & 0xFF) + blau) << 16;
}

TColor ApparatGrau(int R, double a)
{
    const int g = Runde(R * std::sin(a - M_PI / 6));
    return KanalweiseAddieren(3166304, g, g, g);
}

TColor SpaltFarbe(TColor gas)
{
    return KanalweiseAddieren(3688528, int(gas & 0xFF) / 2, int((gas >> 8) & 0xFF) / 2, int((gas >> 16) & 0xFF) / 2);
}

double ApparatStartWinkel(const Blick &b)
{
    if (b.sinTheta == 0)
        return M_PI / 2;
    return std::atan(b.sinPhi * b.cosTheta / -b.sinTheta);
}

SpektrenLayout BerechneSpektrenLayout(int breite, int hoehe, const Spaltenwerte &spalte, const QRect &zurueck)
{
    SpektrenLayout l;
    l.zurueck = zurueck;
    const int links = spalte.links - 48, w = spalte.breite + 48;
    const int hoehen[6] = {209, 105, 65, 89, 65, 57};
    int summe = 0;
    for (int h : hoehen)
        summe += h;
    int unten = zurueck.top();
    if (summe + 7 * 4 > unten) {
        // Small screens: the column runs down to the window's bottom and the back button
        // moves to its left, under the picture.
        unten = hoehe - 8;
        l.zurueck.moveLeft(links - 8 - zurueck.width());
    }
    const int frei = std::max(0, unten - summe);
    QRect *ziele[6] = {&l.linien, &l.sonne, &l.abhaengig, &l.blick, &l.anordnung, &l.info};
    int y = 2 * frei / 8;
    for (int i = 0; i < 6; ++i) {
        *ziele[i] = QRect(links, y, w, hoehen[i]);
        y += hoehen[i] + frei / 8;
    }
    const int titelBreite = std::min(505, links - 16);
    l.titel = QRect((links - titelBreite) / 2, 8, titelBreite, 57);
    const int oben = l.titel.bottom() + 1 + 8;
    l.bild = QRect(8, oben, std::max(1, links - 64 - 8), std::max(1, zurueck.top() - oben));
    l.hinweis = QRect(24, oben, std::min(880, links) - 48, std::max(1, zurueck.top() - oben));
    (void)breite;
    return l;
}

}  // namespace Atome
