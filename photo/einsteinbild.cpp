#include "einsteinbild.h"

#include "zahltext.h"

#include <QCoreApplication>

#include <algorithm>

namespace Photoeffekt {

namespace {

class Zeichner {
public:
    Zeichner(Canvas &c, const EinsteinAchsen &achsen, const EinsteinAnsicht &ansicht)
        : c(c), achsen(achsen), a_(ansicht)
    {
        u_.canvas = &c;
        u_.X0 = achsen.x0;
        u_.Y0 = achsen.y0;
    }

    void KooSyVorbereiten();
    void ZeigeSpektrum();
    void ZeichneLampenLinien();
    void ZeichneMesspunkte(int metall);
    void ZeichneGerade(int metall);
    void ZeichneSteigungsdreieck(int metall);

private:
    void Text(int x, int y, const QString &text, TColor farbe, int groesse, bool fett);

    Canvas &c;
    const EinsteinAchsen &achsen;
    const EinsteinAnsicht &a_;
    Ursprung u_;
};

void Zeichner::Text(int x, int y, const QString &text, TColor farbe, int groesse, bool fett)
{
    c.font = Schrift{};
    c.font.name = QStringLiteral("Trebuchet MS");
    c.font.size = groesse;
    c.font.bold = fett;
    c.font.color = farbe;
    c.brush.style = PinselStil::Clear;
    c.textOut(x, y, text);
}

void Zeichner::KooSyVorbereiten()
{
    const double sx = achsen.sx, sy = achsen.sy;
    c.brush = Pinsel{0x000000, PinselStil::Solid};
    c.fillRect(0, 0, c.width(), c.height());
    c.pen = Stift{0xFFFFFF, 2, PenStil::Solid, PenModus::Copy};
    u_.Line0(0, 0, c.width() - achsen.x0, 0);
    u_.Line0(0, -2.6 * sy, 0, 1.6 * sy);
    // frequency ticks and numbers
    for (int f = 100; f <= 800; f += 100) {
        c.pen = Stift{0xFFFFFF, 2, PenStil::Solid, PenModus::Copy};
        u_.Line0(f * sx, 5, f * sx, -5);
        c.font = Schrift{QStringLiteral("Trebuchet MS"), 10, true};
        const QString t = QString::number(f);
        Text(achsen.x0 + Runde(f * sx) - c.textWidth(t) / 2, achsen.y0 + 8, t, 0xFFFFFF, 10, true);
    }
    // energy ticks every 0,1 eV, numbers every 0,5 eV
    for (int k = -25; k <= 15; ++k) {
        const bool gross = k % 5 == 0;
        const int l = gross ? 5 : 3;
        c.pen = Stift{0xFFFFFF, gross ? 2 : 1, PenStil::Solid, PenModus::Copy};
        u_.Line0(-l, k / 10.0 * sy, l, k / 10.0 * sy);
        if (gross) {
            c.font = Schrift{QStringLiteral("Trebuchet MS"), 10, true};
            const QString t = KommaMitMinus(k / 10.0, 1);
            Text(achsen.x0 - 8 - c.textWidth(t), achsen.y0 - Runde(k / 10.0 * sy) - c.textHeight(t) / 2, t, 0xFFFFFF,
                 10, true);
        }
    }
    c.font = Schrift{QStringLiteral("Trebuchet MS"), 12, true};
    const int hz = c.textHeight(QStringLiteral("W"));
    const int oben = achsen.y0 - Runde(1.7 * sy);
    // the energy axis title, its last line just above the top of the axis
    const QString titelText =
        QCoreApplication::translate("EinsteinBild", "Kinetische Energie Eₖᵢₙ\nder Elektronen / eV");
    const QStringList titel = titelText.split(QLatin1Char('\n'));
    for (int i = 0; i < titel.size(); ++i)
        Text(achsen.x0 - 40, oben - (titel.size() - i) * hz, titel[i], 0xFFFFFF, 12, true);
    // wavelength scale
    const int yg = achsen.y0 + 90;
    c.pen = Stift{65280, 1, PenStil::Solid, PenModus::Copy};
    c.moveTo(achsen.x0 + Runde(350 * sx), yg);
    c.lineTo(achsen.x0 + Runde(850 * sx), yg);
    for (int lambda = 400; lambda <= 800; lambda += 100) {
        const double f = Lichtgeschwindigkeit / (lambda * 1e-9) / 1e12;
        const int x = achsen.x0 + Runde(f * sx);
        c.moveTo(x, yg - 5);
        c.lineTo(x, yg + 5);
        c.font = Schrift{QStringLiteral("Trebuchet MS"), 10, true};
        const QString t = QString::number(lambda);
        Text(x - c.textWidth(t) / 2, yg - 5 - c.textHeight(t), t, 65280, 10, true);
    }
    c.font = Schrift{QStringLiteral("Trebuchet MS"), 12, true};
    const QString wl = QCoreApplication::translate("EinsteinBild", "Wellenlänge / nm"),
                  fr = QCoreApplication::translate("EinsteinBild", "Frequenz / THz");
    Text(achsen.x0 + Runde(800 * sx) - c.textWidth(wl), yg + 10, wl, 65280, 12, true);
    Text(achsen.x0 + Runde(800 * sx) - c.textWidth(fr), achsen.y0 + 30, fr, 0xFFFFFF, 12, true);
    if (a_.spektrum)
        ZeigeSpektrum();
}

void Zeichner::ZeigeSpektrum()
{
    const double sx = achsen.sx, sy = achsen.sy;
    for (int f = 375; f <= 750; ++f) {
        c.pen = Stift{FarbeAusFrequenz(f), sx >= 1 ? 2 : 1, PenStil::Solid, PenModus::Copy};
        u_.Line0(f * sx, 1.6 * sy, f * sx, 2.1 * sy);
    }
    c.font = Schrift{QStringLiteral("Trebuchet MS"), 12, false};
    const QString t = QCoreApplication::translate("EinsteinBild", "sichtbarer Bereich");
    Text(achsen.x0 + Runde(562 * sx) - c.textWidth(t) / 2, achsen.y0 - Runde(2.1 * sy) - c.textHeight(t) - 2, t, 65535,
         12, false);
}

void Zeichner::ZeichneLampenLinien()
{
    const Linienspektrum &s = a_.lampe;
    for (int i = 0; i < std::clamp(s.Anzahl, 0, 9); ++i) {
        const double f = s.Linie[i].FrequenzTHz;
        c.pen = Stift{FarbeAusFrequenz(s.Linie[i].FrequenzTHz), 3, PenStil::Solid, PenModus::Copy};
        u_.Line0(f * achsen.sx, 0, f * achsen.sx, 1.5 * achsen.sy);
    }
}

void Zeichner::ZeichneMesspunkte(int metall)
{
    if (!a_.gezeigt[metall])
        return;
    for (const Messpunkt &p :
         Messpunkte(a_.lampe, EinsteinMetalle[metall].eV, a_.h, a_.e)) {
        const double x = p.fTHz * achsen.sx, y = p.wkEV * achsen.sy;
        c.pen = Stift{FarbeAusFrequenz(a_.lampe.Linie[p.linie].FrequenzTHz), 3, PenStil::Solid, PenModus::Copy};
        u_.Line0(x - 5, y, x + 5, y);
        u_.Line0(x, y - 5, x, y + 5);
    }
}

void Zeichner::ZeichneGerade(int metall)
{
    if (!a_.gezeigt[metall])
        return;
    const double eV = EinsteinMetalle[metall].eV;
    const double f0 = GrenzfrequenzTHz(a_.h, eV, a_.e);
    const int letzte = HoechsteLinie(a_.lampe);
    if (letzte >= 0) {
        const double f = a_.lampe.Linie[letzte].Frequenz;
        const double wk = KinetischeEnergie(a_.h, f, eV, a_.e);
        if (wk > 0) {
            c.pen = Stift{0xFFFFFF, 1, PenStil::Solid, PenModus::Copy};
            u_.Line0(f / 1e12 * achsen.sx, wk * achsen.sy, f0 * achsen.sx, 0);
        }
    }
    c.pen = Stift{0xFFFFFF, 1, PenStil::Dash, PenModus::Copy};
    c.brush.style = PinselStil::Clear;
    u_.Line0(f0 * achsen.sx, 0, 0, -eV * achsen.sy);
}

void Zeichner::ZeichneSteigungsdreieck(int metall)
{
    const double eV = EinsteinMetalle[metall].eV;
    const double f0 = GrenzfrequenzTHz(a_.h, eV, a_.e);
    c.pen = Stift{16776960, 1, PenStil::Dot, PenModus::Copy};
    c.brush.style = PinselStil::Clear;
    u_.Moveto0(0, -eV * achsen.sy);
    u_.Lineto0(f0 * achsen.sx, -eV * achsen.sy);
    u_.Lineto0(f0 * achsen.sx, 0);
    c.font = Schrift{QStringLiteral("Trebuchet MS"), 10, false};
    const QString w = KommaMitMinus(eV, 2) + QStringLiteral("\u00A0eV");
    Text(achsen.x0 + Runde(f0 * achsen.sx) - c.textWidth(w) / 2, achsen.y0 + Runde(1.5 * achsen.sy), w, 16776960, 10,
         false);
    const QString f = QStringLiteral(" %1 \u00A0THz").arg(Runde(f0));
    c.font = Schrift{QStringLiteral("Trebuchet MS"), 10, false};
    const int x = achsen.x0 + Runde(250 * achsen.sx), y = achsen.y0 + Runde(eV * achsen.sy) - c.textHeight(f) / 2;
    c.brush = Pinsel{0x000000, PinselStil::Solid};
    c.font.color = 16776960;
    c.textOut(x, y, f);
}

}  // namespace

void ZeichneEinstein(Canvas &c, const EinsteinAchsen &achsen, const EinsteinAnsicht &ansicht)
{
    Zeichner z(c, achsen, ansicht);
    z.KooSyVorbereiten();
    if (ansicht.spektralLinien)
        z.ZeichneLampenLinien();
    for (int m = 0; m < 4; ++m)
        z.ZeichneMesspunkte(m);
    if (ansicht.verbinden)
        for (int m = 0; m < 4; ++m)
            z.ZeichneGerade(m);
    const int erster = ErsterGezeigter(ansicht.gezeigt);
    if (ansicht.dreieck && erster >= 0)
        z.ZeichneSteigungsdreieck(erster);
}

}  // namespace Photoeffekt
