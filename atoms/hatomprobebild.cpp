#include "hatomprobebild.h"

#include "wasserstoff.h"

#include <algorithm>
#include <cmath>

namespace Wasserstoff {

namespace {
constexpr TColor Spaltenfarbe = 0x330000, Weiss = 0xFFFFFF, Grau = 0xC0C0C0;
constexpr TColor Atomgrund = 0x78BACF, Stufenfarbe = 0x1C1D2F, Gruen = 0x009300;
}  // namespace

void ProbeGeometrie::Vorbereiten(int breite, int hoehe)
{
    w = breite;
    h = hoehe;
    C = 2 * ((w - 64) / 12);
    spalte = C - 16;
    x0 = 2 * C + 16;
    y0 = Runde(0.9 * h);
    k = y0 / 15.0;
    for (int j = 1; j <= ProbeStufen; ++j)
        g[j] = Runde(Anregungsenergie(j) * k);
    for (int n = 1; n <= 4; ++n)
        grenze[n] = Runde(Bindungsenergie(n) * k);
    atomX = -2 * (C - 16) - 16;
    atomBreite = 2 * (C - 16);
}

int PhotonFrequenz(int a, int b) { return PhotonFrequenzTHz(double(Anregungsenergie(b)) - Anregungsenergie(a)); }

TColor PhotonFarbe(int a, int b)
{
    if (a == 2) {
        if (b - a == 1 || b - a == 2)
            return FarbeAusFrequenz(PhotonFrequenz(a, b));
        if (b - a == 3)
            return 0xFC9F2E;
        if (b - a == 4)
            return 0xFF919B;
    }
    return Grau;
}

Entscheid EmissionPruefen(int n, int t)
{
    if (t >= 5 && n - t >= 1)
        return Entscheid::KeineSerie;
    if (n < t)
        return Entscheid::MussAufnehmen;
    if (t == 1 && n == 1)
        return Entscheid::Grundzustand;
    if (t == n)
        return Entscheid::SchonDort;
    return Entscheid::Flug;
}

Entscheid AbsorptionPruefen(int n, int s, int k)
{
    if (n >= ProbeZielGrenze)  // no absorption from here can be shown, whatever the series
        return Entscheid::ZuHoch;
    if (s != n)
        return Entscheid::FalscheSerie;
    if (n + k <= ProbeZielGrenze)
        return Entscheid::Flug;
    return Entscheid::ZuHoch;
}

QString EntscheidText(Entscheid e, int stufe)
{
    switch (e) {
    case Entscheid::KeineSerie:
        return QStringLiteral("Das emittierte Photon gehört zu keiner der ersten 4 Serien; die Linie kann hier nicht "
                              "gezeigt werden!");
    case Entscheid::MussAufnehmen:
        return QStringLiteral("Dazu müsste das Atom Energie erhalten, nicht abgeben!");
    case Entscheid::Grundzustand:
        return QStringLiteral("Das Atom befindet sich in der niedrigsten Energiestufe – es kann keine Energie mehr "
                              "abgeben!");
    case Entscheid::SchonDort:
        return QStringLiteral("Das Atom befindet sich schon in Stufe %1!").arg(stufe);
    case Entscheid::FalscheSerie:
        return QStringLiteral("In diesem Zustand kann das Atom keine Photonen aus der gewählten Serie absorbieren!");
    case Entscheid::ZuHoch:
        return QStringLiteral("Die Nummer des neuen Zustands wäre größer als %1 und kann hier nicht gezeigt werden, "
                              "weil die Zustände zu nahe beieinander liegen.")
            .arg(ProbeZielGrenze);
    case Entscheid::Flug:
        break;
    }
    return QString();
}

int PhotonRadius(const ProbeGeometrie &g, int a, int b)
{
    return std::max(1, Runde(2 * std::sqrt(double(std::max(0, g.g[b] - g.g[a])))));
}

QImage PhotonBild(int R, TColor farbe)
{
    R = std::max(1, R);
    QImage bild(2 * R, 2 * R, QImage::Format_RGB32);
    Canvas c(&bild);
    c.brush = Pinsel{0x000000};
    c.fillRect(0, 0, 2 * R, 2 * R);
    c.setPixel(R, R, farbe);
    for (int o = 1; o < R; o = o < 11 ? o + 1 : o + 2) {
        const int punkte = 6 * (Runde(3.0 * o - o * o / 16.0) / 6);
        const double phase = Zufall() * 2 * M_PI;
        for (int i = 0; i < punkte; ++i) {
            const double w = phase + 2 * M_PI * i / punkte;
            c.setPixel(R + Runde(o * std::cos(w)), R + Runde(o * std::sin(w)), farbe);
        }
    }
    return bild;
}

QImage ElektronBild()
{
    QImage bild(14, 14, QImage::Format_RGB32);
    Canvas c(&bild);
    c.brush = Pinsel{0x000000};
    c.fillRect(0, 0, 14, 14);
    c.pen = Stift{0x800000};
    c.brush = Pinsel{FarbeElektron ? FarbeElektron : 0xFF4000};
    c.ellipse(1, 1, 13, 13);
    c.pen = Stift{0xFFFFFF};
    c.moveTo(4, 5);
    c.lineTo(6, 5);
    return bild;
}

void ProbeBild::Strich(int x1, int y1, int x2, int y2)
{
    c_.moveTo(x1, y1);
    c_.lineTo(x2, y2);
}

void ProbeBild::ZeichneAlles(int n, bool grenzen, const QImage &elektron)
{
    c_.pen = Stift{};
    c_.brush = Pinsel{0x000000};
    c_.fillRect(0, 0, g_.w, g_.h);
    for (int s = 1; s <= 4; ++s)
        ZeichneSerie(s, grenzen);
    ZeichneHAtom(n, grenzen, elektron);
}

void ProbeBild::ZeichneSerie(int n, bool grenzen)
{
    const int x = g_.x0 + (n - 1) * g_.C, breite = g_.spalte;
    const int unten = g_.YStufe(n), oben = unten - g_.grenze[n];
    c_.brush = Pinsel{Spaltenfarbe};
    c_.fillRect(x, oben, x + breite, unten + 1);
    c_.font = Schrift{QStringLiteral("Trebuchet MS"), 10, true};
    c_.font.color = Weiss;
    c_.brush.style = PinselStil::Clear;
    const QString name = SerienName(n);
    c_.textOut(x + (breite - c_.textWidth(name)) / 2, oben - 16 - c_.textHeight(name), name);
    for (int s = n; s <= ProbeStufen; ++s) {
        const int y = g_.YStufe(s);
        c_.pen = Stift{s == n ? Weiss : LinienFarbe(n, s, StufenLinienFrequenz(n, s))};
        Strich(x, y, x + breite, y);
        if (s <= 5) {
            const QString t = s == n ? QStringLiteral(" 0\u00a0eV ")
                                     : QStringLiteral(" ") + EnergieText(double(Bindungsenergie(n)) - Bindungsenergie(s)) +
                                           QStringLiteral("\u00a0eV ");
            c_.font = Schrift{QStringLiteral("Trebuchet MS"), 8, true};
            c_.font.color = Weiss;
            c_.brush = Pinsel{Spaltenfarbe};
            c_.textOut(x + breite - c_.textWidth(t), y - c_.textHeight(t), t);
        }
    }
    if (grenzen) {
        c_.pen = Stift{0xFF00FF, 1, PenStil::Dot};
        c_.brush.style = PinselStil::Clear;
        Strich(x, oben, x + breite, oben);
        c_.pen = Stift{0xFF00FF};
        c_.brush = Pinsel{0xFF00FF};
        for (int xe : {x + 4, x + breite - 5})
            c_.polygon({{xe, oben - 1}, {xe - 3, oben - 5}, {xe + 3, oben - 5}});
    }
}

void ProbeBild::ZeichneHAtom(int n, bool grenzen, const QImage &elektron)
{
    const int xl = g_.x0 + g_.atomX, D = g_.atomBreite;
    c_.pen = Stift{};
    c_.brush = Pinsel{Atomgrund};
    c_.fillRect(xl, 0, xl + D, g_.h);
    c_.brush.style = PinselStil::Clear;
    const int yIon = g_.y0 - g_.grenze[1];
    c_.font = Schrift{QStringLiteral("Trebuchet MS"), SchriftNormal + 2, true};
    c_.font.color = Stufenfarbe;
    const QString titel = QStringLiteral("Das Wasserstoffatom");
    int yTitel = yIon - 3 * (SchriftNormal + 2) - c_.textHeight(titel);
    const bool unten = yTitel < 2;  // low pictures: the title under the diagram instead
    if (unten)
        yTitel = g_.h - 4 - c_.textHeight(titel);
    c_.textOut(xl + (D - c_.textWidth(titel)) / 2, yTitel, titel);
    c_.font = Schrift{QStringLiteral("Trebuchet MS"), 9, true};
    c_.font.color = Stufenfarbe;
    const int th = c_.textHeight(QStringLiteral("E"));
    c_.textOut(xl + 4, yIon - 16 - th, QStringLiteral("Energie"));
    c_.textOut(xl + D - 4 - c_.textWidth(QStringLiteral("Quantenzahl")), yIon - 16 - th, QStringLiteral("Quantenzahl"));
    c_.font = Schrift{QStringLiteral("Trebuchet MS"), 16, false};
    c_.font.color = Stufenfarbe;
    const QString unter = QStringLiteral("Energiestufen in eV");
    c_.textOut(xl + (D - c_.textWidth(unter)) / 2, g_.y0 + (unten ? 4 : 16), unter);
    for (int j = 1; j <= ProbeStufen; ++j) {
        const int y = g_.y0 - (g_.grenze[1] - Runde(Bindungsenergie(j) * g_.k));
        const bool aktuell = j == n;
        const TColor farbe = aktuell ? Gruen : Stufenfarbe;
        c_.pen = Stift{farbe};
        for (int i = 0; i < (aktuell ? 3 : 1); ++i)
            Strich(xl, y - 1 + i, xl + D, y - 1 + i);
        if (j <= 5) {
            c_.font = Schrift{QStringLiteral("Trebuchet MS"), 8, true};
            c_.font.color = farbe;
            c_.brush = Pinsel{Atomgrund};
            const QString nr = QStringLiteral(" %1 ").arg(j);
            const QString e = QStringLiteral(" ") + EnergieText(Anregungsenergie(j)) + QStringLiteral("\u00a0eV ");
            c_.textOut(xl + D - c_.textWidth(nr), y - 2 - c_.textHeight(nr), nr);
            c_.textOut(xl, y - 2 - c_.textHeight(e), e);
        }
    }
    if (!elektron.isNull() && n >= 1 && n <= ProbeStufen) {
        const int y = g_.y0 - (g_.grenze[1] - Runde(Bindungsenergie(n) * g_.k));
        c_.copyMode = KopierModus::SrcCopy;
        c_.draw(g_.x0 / 2 - elektron.width() / 2, y - elektron.height() / 2, elektron, true, 0x000000);
    }
    if (grenzen) {
        c_.pen = Stift{Gruen, 1, PenStil::Dot};
        c_.brush.style = PinselStil::Clear;
        Strich(xl, yIon, xl + D, yIon);
        c_.pen = Stift{Gruen};
        c_.brush = Pinsel{Gruen};
        for (int xe : {xl + 6, xl + D - 7})
            c_.polygon({{xe, yIon - 1}, {xe - 3, yIon - 5}, {xe + 3, yIon - 5}});
    }
}

void ProbeBild::ZeichneSeriePhoton(int a, int b)
{
    if (a < 1 || a > 4)
        return;
    const int x = g_.x0 + (a - 1) * g_.C + g_.spalte / 2 - 2;
    TColor farbe = PhotonFarbe(a, b);
    if (farbe == Weiss)
        farbe = Grau;
    c_.pen = Stift{farbe};
    const int von = g_.YStufe(a), bis = g_.YStufe(std::min(b, ProbeStufen));
    for (int i = 0; i < 5; ++i)
        Strich(x + i, von, x + i, bis);
}

}  // namespace Wasserstoff
