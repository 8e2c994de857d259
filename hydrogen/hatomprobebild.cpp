#include "hatomprobebild.h"

#include "wasserstoff.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace Wasserstoff {

namespace {
constexpr TColor Spaltenfarbe = 0x330000, Weiss = 0xFFFFFF, Grau = 0xC0C0C0;
constexpr TColor Atomgrund = 0x78BACF, Stufenfarbe = 0x1C1D2F, Gruen = 0x005500;  // dark green: readable on the atom's ground
}  // namespace

QSize ProbeBildGroesse(int W, int H)
{
    // below 704 px the back button finds no room beside the column: a row under the picture
    const int unten = H < 704 ? H - 8 - 34 - 8 : H - 24;
    return {W - 297 - 16, std::max(200, unten - 57)};
}

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
    if (s != n)  // from the states 5 to 9 this holds for every series shown
        return Entscheid::FalscheSerie;
    if (n + k <= ProbeZielGrenze)
        return Entscheid::Flug;
    return Entscheid::ZuHoch;
}

QString EntscheidText(Entscheid e, int stufe)
{
    switch (e) {
    case Entscheid::KeineSerie:
        return QCoreApplication::translate("HAtomProbeBild", "Das emittierte Photon gehört zu keiner der ersten 4 "
                                                             "Serien; die Linie kann hier nicht gezeigt werden!");
    case Entscheid::MussAufnehmen:
        return QCoreApplication::translate("HAtomProbeBild", "Dazu müsste das Atom Energie erhalten, nicht abgeben!");
    case Entscheid::Grundzustand:
        return QCoreApplication::translate("HAtomProbeBild", "Das Atom befindet sich in der niedrigsten Energiestufe "
                                                             "– es kann keine Energie mehr abgeben!");
    case Entscheid::SchonDort:
        return QCoreApplication::translate("HAtomProbeBild", "Das Atom befindet sich schon in Stufe %1!").arg(stufe);
    case Entscheid::FalscheSerie:
        return QCoreApplication::translate("HAtomProbeBild", "In diesem Zustand kann das Atom keine Photonen aus der "
                                                             "gewählten Serie absorbieren!");
    case Entscheid::ZuHoch:
        return QCoreApplication::translate("HAtomProbeBild",
                                           "Die Nummer des neuen Zustands wäre größer als %1 und kann hier nicht "
                                           "gezeigt werden, weil die Zustände zu nahe beieinander liegen.")
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

QList<QRect> MarkenSetzen(const QList<QRect> &wunsch, int links, int rechts, bool nachLinks,
                          const QList<QRect> &belegt)
{
    QList<QRect> gesetzt = belegt;
    for (QRect r : wunsch) {
        for (;;) {
            if (r.left() < links || r.right() >= rechts) {
                r = QRect();
                break;
            }
            const auto im = std::find_if(gesetzt.begin(), gesetzt.end(),
                                         [&r](const QRect &g) { return !g.isNull() && g.intersects(r); });
            if (im == gesetzt.end())
                break;
            if (nachLinks)
                r.moveRight(im->left() - 1);
            else
                r.moveLeft(im->right() + 1);
        }
        gesetzt.append(r);
    }
    return gesetzt.mid(belegt.size());
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
    }
    Zeichne(SerienMarken(n));  // after the lines: the close upper ones do not run through them
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
    for (int j = 1; j <= ProbeStufen; ++j) {
        const int y = g_.y0 - (g_.grenze[1] - Runde(Bindungsenergie(j) * g_.k));
        const bool aktuell = j == n;
        const TColor farbe = aktuell ? Gruen : Stufenfarbe;
        c_.pen = Stift{farbe};
        for (int i = 0; i < (aktuell ? 3 : 1); ++i)
            Strich(xl, y - 1 + i, xl + D, y - 1 + i);
    }
    Zeichne(AtomMarken(n));
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

QList<Marke> ProbeBild::SerienMarken(int n)
{
    // " 0 eV " on the series' own level, then the energy above it for the levels up to 5,
    // inside the column's right edge
    const int x = g_.x0 + (n - 1) * g_.C, breite = g_.spalte;
    c_.font = Schrift{QStringLiteral("Trebuchet MS"), 8, true};
    QList<Marke> marken;
    QList<QRect> wunsch;
    for (int s = n; s <= 5; ++s) {
        const QString t = s == n ? QStringLiteral(" 0\u00a0eV ")
                                 : QStringLiteral(" ") + EnergieText(double(Bindungsenergie(n)) - Bindungsenergie(s)) +
                                       QStringLiteral("\u00a0eV ");
        const int w = c_.textWidth(t), h = c_.textHeight(t);
        wunsch.append(QRect(x + breite - w, g_.YStufe(s) - h, w, h));
        marken.append(Marke{QRect(), t, Weiss, Spaltenfarbe});
    }
    const QList<QRect> orte = MarkenSetzen(wunsch, x, x + breite, true);
    for (int i = 0; i < marken.size(); ++i)
        marken[i].ort = orte[i];
    return marken;
}

QList<Marke> ProbeBild::AtomMarken(int n)
{
    // for the levels up to 5: the excitation energy at the left, the number at the right, none
    // of them over the electron
    const int xl = g_.x0 + g_.atomX, D = g_.atomBreite, mitte = g_.x0 / 2;
    const int yIon = g_.y0 - g_.grenze[1];
    // the captions: the title over the ionisation limit (under the diagram in low pictures),
    // "Energie" and "Quantenzahl" just above the limit, "Energiestufen in eV" under the baseline;
    // title and subtitle smaller where the diagram is narrow
    const auto text = [this](const QString &t, Schrift f, int breite, int x, int y, bool mittig) {
        c_.font = f;
        while (c_.textWidth(t) > breite && c_.font.size > 7)
            --c_.font.size;
        const int w = c_.textWidth(t), h = c_.textHeight(t);
        return Marke{QRect(mittig ? x + (breite - w) / 2 : x, y, w, h), t, Stufenfarbe, Atomgrund, c_.font, false};
    };
    const Schrift titelSchrift{QStringLiteral("Trebuchet MS"), SchriftNormal + 2, true};
    Marke titel = text(QCoreApplication::translate("HAtomProbeBild", "Das Wasserstoffatom"), titelSchrift, D - 8,
                       xl + 4, 0, true);
    titel.ort.moveTop(yIon - 3 * (SchriftNormal + 2) - titel.ort.height());
    const bool unten = titel.ort.top() < 2;
    const Marke unter = text(QCoreApplication::translate("HAtomProbeBild", "Energiestufen in eV"),
                             Schrift{QStringLiteral("Trebuchet MS"), 16, false}, D - 8, xl + 4,
                             g_.y0 + (unten ? 4 : 16), true);
    if (unten)
        titel.ort.moveTop(std::min(unter.ort.bottom() + 1, g_.h - 1 - titel.ort.height()));
    const Schrift klein{QStringLiteral("Trebuchet MS"), 9, true};
    c_.font = klein;
    const QString energie = QCoreApplication::translate("HAtomProbeBild", "Energie");
    const QString quantenzahl = QCoreApplication::translate("HAtomProbeBild", "Quantenzahl");
    const int th = c_.textHeight(QStringLiteral("E")), wq = c_.textWidth(quantenzahl);
    QList<Marke> marken = {titel, unter, text(energie, klein, D, xl + 4, yIon - 16 - th, false),
                           text(quantenzahl, klein, D, xl + D - 4 - wq, yIon - 16 - th, false)};

    c_.font = Schrift{QStringLiteral("Trebuchet MS"), 8, true};
    QList<Marke> energien, nummern;
    QList<QRect> wunschE, wunschN;
    for (int j = 1; j <= 5; ++j) {
        const int y = g_.y0 - (g_.grenze[1] - Runde(Bindungsenergie(j) * g_.k)) - 2;
        const TColor farbe = j == n ? Gruen : Stufenfarbe;
        const QString nr = QStringLiteral(" %1 ").arg(j);
        const QString e = QStringLiteral(" ") + EnergieText(Anregungsenergie(j)) + QStringLiteral("\u00a0eV ");
        wunschE.append(QRect(xl, y - c_.textHeight(e), c_.textWidth(e), c_.textHeight(e)));
        wunschN.append(QRect(xl + D - c_.textWidth(nr), y - c_.textHeight(nr), c_.textWidth(nr), c_.textHeight(nr)));
        energien.append(Marke{QRect(), e, farbe, Atomgrund});
        nummern.append(Marke{QRect(), nr, farbe, Atomgrund});
    }
    const int ye = g_.y0 - (g_.grenze[1] - Runde(Bindungsenergie(std::clamp(n, 1, ProbeStufen)) * g_.k));
    const QList<QRect> elektron = {QRect(mitte - 8, ye - 8, 16, 16)};
    const QList<QRect> orteE = MarkenSetzen(wunschE, xl, xl + D, false, elektron);
    const QList<QRect> orteN = MarkenSetzen(wunschN, xl, xl + D, true, elektron + orteE);
    for (int i = 0; i < energien.size(); ++i) {
        energien[i].ort = orteE[i];
        nummern[i].ort = orteN[i];
    }
    return marken + energien + nummern;
}

void ProbeBild::Zeichne(const QList<Marke> &marken)
{
    for (const Marke &m : marken) {
        if (m.ort.isNull())
            continue;
        c_.font = m.schrift;
        c_.font.color = m.farbe;
        c_.brush = Pinsel{m.grund};
        if (!m.deckend)
            c_.brush.style = PinselStil::Clear;
        c_.textOut(m.ort.left(), m.ort.top(), m.text);
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
