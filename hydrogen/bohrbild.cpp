#include "bohrbild.h"

#include <QCoreApplication>
#include <QFile>

#include <algorithm>
#include <cmath>

namespace Atome {

using namespace Wasserstoff;

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
            c.textOut(orte.energie[k].left(), orte.energie[k].top(),
                      EnergieText(GesamtEnergie(k), EnergieStellen::zweiUnterEinem));
    }
    c.font = fett;
    c.brush.style = PinselStil::Clear;
    c.textOut(orte.links.left(), orte.links.top(), AtomTextLinks());
    c.textOut(orte.rechts.left(), orte.rechts.top(), AtomTextRechts());
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
        const QString e = QStringLiteral(" ") + EnergieText(GesamtEnergie(k), EnergieStellen::zweiUnterEinem) +
                          QStringLiteral("\u00A0eV ");
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
    const int z = SchriftKlein;
    c.font = Schrift{QStringLiteral("Trebuchet MS"), SchriftKlein, true, false, false, 0xFFFFFF};
    c.brush.style = PinselStil::Clear;
    const int yi = IonisationY(l);
    const QString eine = QCoreApplication::translate("BohrBild", "eine Linie der");
    c.textOut((l.P - c.textWidth(eine)) / 2, yi - 4 * z - 8, eine);
    if (unten <= 5) {
        const QString name = SerienName(unten);
        c.textOut((l.P - c.textWidth(name)) / 2, yi - 2 * z - 8, name);
    }
}

int PunkteAufRing(int o) { return 6 * (Runde(3.0 * o - o * o / 16.0) / 6); }

QImage PhotonBild(int R, TColor farbe, const std::function<double()> &zufall)
{
    const int seite = std::max(1, 2 * R);
    QImage bild(seite, seite, QImage::Format_RGB32);
    bild.fill(Qt::black);
    const QRgb c = RgbAusFarbe(farbe);
    const auto setze = [&](int x, int y) {
        if (x >= 0 && y >= 0 && x < seite && y < seite)
            bild.setPixel(x, y, c);
    };
    setze(R, R);
    for (int o = 1; o < R; o += (o < 11 ? 1 : 2)) {
        const int d = PunkteAufRing(o);
        const double u = zufall() * M_PI;
        for (int v = 1; v <= d; ++v) {
            const double a = u + 2 * M_PI * v / d;
            setze(R + Runde(o * std::cos(a)), R + Runde(o * std::sin(a)));
        }
    }
    return bild;
}

QImage ElektronBild()
{
    QImage bild(18, 18, QImage::Format_RGB32);
    bild.fill(Qt::black);
    for (int a = 9; a >= 3; --a) {
        const TColor f = 0xFFC040 - TColor(Runde((a - 3) * 60 / 6.0)) * 0x020301;
        const QRgb c = RgbAusFarbe(f);
        for (int y = 0; y < 18; ++y)
            for (int x = 0; x < 18; ++x) {
                const double dx = x + 0.5 - 9, dy = y + 0.5 - 9;
                if (dx * dx + dy * dy <= a * a)
                    bild.setPixel(x, y, c);
            }
    }
    return bild;
}

QImage LadeElektronBild(const QString &datei)
{
    QImage bild;
    if (QFile::exists(datei) && bild.load(datei) && !bild.isNull() && bild.width() <= 200 && bild.height() <= 200)
        return bild.convertToFormat(QImage::Format_RGB32);
    return ElektronBild();
}

}  // namespace Atome
