#include "gegenfeldbild.h"

#include "xorsprite.h"
#include "zahltext.h"

#include <algorithm>

namespace Photoeffekt {

void ZeichneGegenfeldZelle(Canvas &c, TColor grund, const GegenfeldSkizze &k, Messgeraet &messgeraet,
                           TColor minusFarbe)
{
    c.pen = Stift{grund, 2, PenStil::Solid, PenModus::Copy};
    c.brush = Pinsel{grund, PinselStil::Solid};
    c.fillRect(0, 0, c.width(), c.height());
    const int t = k.t;
    // the bulb, black inside
    c.pen = Stift{GlasFarbe, 2, PenStil::Solid, PenModus::Copy};
    c.brush = Pinsel{0x000000, PinselStil::Solid};
    c.roundRect(k.zelleLinks, k.zelleOben, k.zelleRechts, k.zelleUnten, t + 60, t + 60);
    // the light-sensitive layer (cathode)
    c.pen = Stift{SchichtFarbe, 1, PenStil::Solid, PenModus::Copy};
    c.brush = Pinsel{SchichtFarbe, PinselStil::Solid};
    c.roundRect(k.kathodeX - t, k.y0 - k.r - 4, k.schichtRechts, k.saeuleUnten + k.r, t, t);
    // inner outline of the glass and the wall between
    c.pen = Stift{GlasFarbe, 2, PenStil::Solid, PenModus::Copy};
    c.brush.style = PinselStil::Clear;
    c.roundRect(k.zelleLinks + t, k.zelleOben + t, k.zelleRechts - t, k.zelleUnten - t, 60 - t, 60 - t);
    c.brush = Pinsel{GlasFarbe, PinselStil::Solid};
    c.floodFill(k.zelleMitteX, k.zelleOben + t / 2, GlasFarbe, FuellArt::Rand);
    // the ring (anode)
    c.pen = Stift{FarbeLeitung, 1, PenStil::Solid, PenModus::Copy};
    c.brush = Pinsel{FarbeLeitung, PinselStil::DiagCross};
    c.roundRect(k.anodeX - 8, k.y0 - 5, k.anodeX + 8, k.saeuleUnten + 5, 5, 10);
    // galvanometer and circuit
    messgeraet.ZeichneGehaeuse(c);
    const int xg = messgeraet.g.drehpunkt.x(), y = k.leitungY;
    const int qL = k.quelleX - k.quelleHalb, qR = k.quelleX + k.quelleHalb;
    Leitung(c, {{k.anodeX, k.saeuleUnten + 3}, {k.anodeX, y}, {xg - 35, y}});
    Leitung(c, {{xg + 35, y}, {qL, y}});
    Leitung(c, {{qR, y}, {k.kathodeX, y}, {k.kathodeX, k.saeuleUnten + 4}});
    Buchse(c, xg - 35, y, FarbeLeitung, 3);
    Buchse(c, xg + 35, y, FarbeLeitung, 3);
    Buchse(c, qL, y, 0x000000, 3);
    Buchse(c, qR, y, 0x000000, 3);
    // counter field: the ring side is negative, the layer side positive
    ZeichnePol(c, qL, y - 16, false, minusFarbe);
    ZeichnePol(c, qR, y - 16, true, minusFarbe);
    messgeraet.GrundMerken(c);
    c.pen = Stift{};
    c.brush = Pinsel{grund, PinselStil::Solid};
}

QString SpannungsText(double U)
{
    return Komma(U, 2) + QStringLiteral("\u00A0V");
}

QRect SchreibeSpannung(Canvas &c, const GegenfeldSkizze &k, double U, TColor farbe)
{
    const Schrift alt = c.font;
    const Pinsel altPinsel = c.brush;
    c.font = Schrift{};
    c.font.name = QStringLiteral("Trebuchet MS");
    c.font.size = SchriftMittel;
    c.font.color = farbe;
    c.brush.style = PinselStil::Clear;
    const QString text = SpannungsText(U);
    const int w = c.textWidth(text), hgt = c.textHeight(text);
    const int x = k.quelleX - w / 2, y = k.leitungY + 16;
    c.textOut(x, y, text);
    c.font = alt;
    c.brush = altPinsel;
    return QRect(x - 2, y, w + 4, hgt);
}

QRect ZeichneZellWellen(Canvas &c, const Lampe &l, const Wellenbild &w, int a, TColor farbe, TColor grund,
                        int grenzeX)
{
    QRect bereich;
    if (w.laenge <= 0)
        return bereich;
    const TColor aussen = farbe ^ grund, innen = farbe;
    const int schritt = std::max(1, w.strahlSchritt), pixelSchritt = std::max(1, w.pixelSchritt);
    const int breite = c.width(), hoehe = c.height();
    for (int s = 0; s < l.strahlen.size(); s += schritt) {
        const QPoint start = l.strahlen[s];
        int oben = hoehe, unten = -1;
        const int von = std::max(start.x(), 0), bis = std::min(w.bisX, breite - 1);
        for (int x = von; x <= bis; x += pixelSchritt) {
            const TColor wert = x < grenzeX ? aussen : innen;
            if (wert == 0)
                continue;
            const int y = WellenY(start, x, WellenIndex(a, x, w.K, w.laenge), w.amplitude, w.laenge);
            for (int dy = 0; dy < w.linienBreite; ++dy) {
                const int yy = y + dy;
                if (yy < 0 || yy >= hoehe)
                    continue;
                c.xorPixel(x, yy, wert);
                oben = std::min(oben, yy);
                unten = std::max(unten, yy);
            }
        }
        if (unten >= oben)
            bereich |= QRect(von, oben, bis - von + 1, unten - oben + 1);
    }
    return bereich;
}

QRect ZeichneQuantBild(Canvas &c, const QImage &bild, double x, double y)
{
    const int l = Runde(x) - QuantBildSeite / 2, o = Runde(y) - QuantBildSeite / 2;
    return ZeichneXor(c, l, o, bild);
}

}  // namespace Photoeffekt
