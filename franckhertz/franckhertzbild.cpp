#include "franckhertzbild.h"

#include "global.h"
#include "xorsprite.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace FranckHertz {

namespace {

// Discs for k = rad down to rad div 3, each in its own colour, on black.
QImage Kugel(int rad, const std::function<TColor(double)> &farbe)
{
    QImage bild(2 * rad, 2 * rad, QImage::Format_RGB32);
    Canvas c(&bild);
    c.brush.color = 0x000000;
    c.fillRect(0, 0, 2 * rad, 2 * rad);
    const int innen = rad / 3;
    for (int k = rad; k >= innen; --k) {
        const double f = rad == innen ? 0.0 : double(k - innen) / double(rad - innen);
        const TColor col = farbe(f);
        c.pen.color = col;
        c.pen.width = 1;
        c.brush.color = col;
        c.ellipse(rad - k, rad - k, rad + k, rad + k);
    }
    return bild;
}

TColor Kanal(int r, int g, int b)
{
    auto k = [](int v) { return TColor(std::clamp(v, 0, 255)); };
    return k(r) | k(g) << 8 | k(b) << 16;
}

}  // namespace

Sprites DefiniereAtomeElektron(const Radien &rad)
{
    Sprites s;
    s.r = rad.r;
    s.re = rad.re;
    s.grund = Kugel(rad.r, [](double f) { return Kanal(0, 234 - Runde(156 * f), 0); });
    s.angeregt = Kugel(rad.r, [](double f) {
        // from 0x4823FF: blue 0x48, green 0x23, red 0xFF
        return Kanal(0xFF - Runde(154 * f), 0x23 - Runde(22 * f), 0x48 - Runde(56 * f));
    });
    s.elektron = Kugel(rad.re, [](double f) {
        const int d = Runde(60 * f);
        // 0xFFC040 − d·0x020301: red 0x40 − d, green 0xC0 − 3d, blue 0xFF − 2d
        return Kanal(0x40 - d, 0xC0 - 3 * d, 0xFF - 2 * d);
    });
    return s;
}

void SpriteMaler::AtomXor(const TGasAtom &a)
{
    ZeichneXor(c_, Runde(a.ort.x) - s_.r, Runde(a.ort.y) - s_.r, a.angeregt ? s_.angeregt : s_.grund);
    ++zuege;
}

void SpriteMaler::ElektronXor(float x, int y)
{
    ZeichneXor(c_, Runde(x) - s_.re, y - s_.re, s_.elektron);
    ++zuege;
    elektronDa = !elektronDa;
    elektronX = x;
    elektronY = y;
}

// ---- the apparatus -----------------------------------------------------------------------------

void Rohrzeichner::Linie(QPoint a, QPoint b)
{
    c_.moveTo(a.x(), a.y());
    c_.lineTo(b.x(), b.y());
}

TColor Rohrzeichner::KaltFarbe() const
{
    return p_.art == Variante::Durchfuehrung ? FarbeKaltLauf : FarbeLeitung;
}

void Rohrzeichner::ZeichneKathode2(TColor farbe)
{
    c_.pen = Stift{farbe, KathodenBreite, PenStil::Solid, PenModus::Copy};
    Linie(p_.kathodeOben, p_.kathodeUnten);
}

void Rohrzeichner::Zeichnegitter2()
{
    c_.pen = Stift{FarbeLeitung, 1, PenStil::Solid, PenModus::Copy};
    for (int i = -2; i <= 2; ++i) {
        const int x = p_.gitterX + 3 * i;
        for (int y = p_.Y0 + p_.t + ((i % 2 == 0) ? 3 : 0); y > p_.Y0 + 6; y -= 6) {
            c_.moveTo(x, y);
            c_.lineTo(x, y - 2);
        }
    }
}

void Rohrzeichner::ZeichneAuffaenger2()
{
    c_.pen = Stift{FarbeLeitung, 7, PenStil::Solid, PenModus::Copy};
    Linie(p_.auffaengerOben, p_.auffaengerUnten);
}

void Rohrzeichner::ZeichneBuchse2(QPoint p, int dx, int dy)
{
    const int x = p.x() + dx, y = p.y() + dy;
    c_.pen = Stift{FarbeBuchse, 5, PenStil::Solid, PenModus::Copy};
    c_.brush = Pinsel{FarbeBuchse, PinselStil::Solid};
    c_.ellipse(x - 3, y - 3, x + 4, y + 4);
}

QPoint Rohrzeichner::PolungsOrt(QPoint p) const
{
    const bool unten = p_.art != Variante::Durchfuehrung;
    return {p.x(), p.y() + (unten ? SchriftMittel : -SchriftGross)};
}

void Rohrzeichner::Polung(QPoint p, bool plus)
{
    const int y = PolungsOrt(p).y();
    c_.pen = Stift{plus ? FarbePlus : FarbeMinus, 5, PenStil::Solid, PenModus::Copy};
    c_.moveTo(p.x() - 8, y);
    c_.lineTo(p.x() + 8, y);
    if (plus) {
        c_.moveTo(p.x(), y - 8);
        c_.lineTo(p.x(), y + 8);
    }
}

void Rohrzeichner::ZeichneSchalter(bool offen)
{
    const QPoint oben(p_.S2.x(), p_.S2.y() - 20);
    ZeichneBuchse2(p_.S1);
    ZeichneBuchse2(p_.S2);
    if (offen) {
        c_.pen = Stift{grund, 7, PenStil::Solid, PenModus::Copy};
        Linie(p_.S1, p_.S2);
        c_.pen = Stift{FarbeLeitung, 5, PenStil::Solid, PenModus::Copy};
        Linie(p_.S1, oben);
    } else {
        c_.pen = Stift{grund, 5, PenStil::Solid, PenModus::Copy};
        Linie(p_.S1, oben);
        c_.pen = Stift{FarbeLeitung, 7, PenStil::Solid, PenModus::Copy};
        Linie(p_.S1, p_.S2);
    }
    // the wires that end at the contacts, and the contacts on top
    c_.pen = Stift{FarbeLeitung, 5, PenStil::Solid, PenModus::Copy};
    Linie(p_.UaPlus, p_.S1);
    Linie(p_.S2, p_.UgPlus);
    if (offen)
        Linie(p_.S1, oben);
    ZeichneBuchse2(p_.UaPlus);
    ZeichneBuchse2(p_.UgPlus);
    ZeichneBuchse2(p_.S1);
    ZeichneBuchse2(p_.S2);
}

void Rohrzeichner::MessGGehaeuse(QPoint p, bool strom)
{
    const int mx = p.x(), my = p.y(), e = p_.e;
    c_.pen = Stift{FarbeGehaeuseRand, 3, PenStil::Solid, PenModus::Copy};
    c_.brush = Pinsel{FarbeGehaeuse, PinselStil::Solid};
    c_.roundRect(mx - 2 * e, my - 2 * e, mx + 2 * e, my, 10, 10);
    c_.pen = Stift{FarbeZeiger, 2, PenStil::Solid, PenModus::Copy};
    c_.brush.style = PinselStil::Clear;
    for (int R : {p_.R1, p_.R2})
        c_.arc(mx - R, my - R, mx + R, my + R, mx + 9, my - 9, mx - 9, my - 9);
    for (int s : {-1, 1}) {
        c_.moveTo(mx + s * Runde(0.7 * p_.R2), my - Runde(0.7 * p_.R2));
        c_.lineTo(mx + s * Runde(0.71 * p_.R1), my - Runde(0.71 * p_.R1));
    }
    c_.brush = Pinsel{0xFFFFFF, PinselStil::Solid};
    c_.floodFill(mx, my - (p_.R1 + p_.R2) / 2, FarbeZeiger, FuellArt::Rand);
    ZeichneBuchse2({mx - 2 * e + 16, my - 16});
    if (strom)
        ZeichneBuchse2({mx - 2 * e + 16, my - 2 * e + 16});
    else
        ZeichneBuchse2({mx + 2 * e - 16, my - 16});
}

void Rohrzeichner::MessGAnzeige(QPoint p, TColor farbe, double wert)
{
    const bool kurve = p_.art == Variante::Kurve;
    const double phi = 3 * M_PI / 4 - wert * M_PI / 2;
    const int innen = p_.R2 + (kurve ? 2 : 4), aussen = p_.R1 - (kurve ? 6 : 8);
    c_.pen = Stift{farbe, kurve ? 3 : 5, PenStil::Solid, PenModus::Copy};
    c_.moveTo(p.x() + Runde(std::cos(phi) * innen), p.y() - Runde(std::sin(phi) * innen));
    c_.lineTo(p.x() + Runde(std::cos(phi) * aussen), p.y() - Runde(std::sin(phi) * aussen));
}

void Rohrzeichner::ZeigerLoeschen(Zeiger &z)
{
    if (!z.gezeichnet)
        return;
    MessGAnzeige(z.ort, (z.wert == 0 || z.wert == 1) ? FarbeSkalaRand : 0xFFFFFF, z.wert);
    z.gezeichnet = false;
}

void Rohrzeichner::ZeigerSetzen(Zeiger &z, double wert)
{
    ZeigerLoeschen(z);
    z.wert = std::clamp(wert, 0.0, 1.0);
    MessGAnzeige(z.ort, 0x000000, z.wert);
    z.gezeichnet = true;
}

void Rohrzeichner::IndexText(const QString &haupt, const QString &index, int x, int y, bool zentriert)
{
    c_.brush.style = PinselStil::Clear;
    const int b = c_.textWidth(haupt) + c_.textWidth(index);
    const int h = c_.textHeight(haupt);
    const int links = zentriert ? x - b / 2 : x - b;
    c_.textOut(links, y - h / 2, haupt);
    c_.textOut(links + c_.textWidth(haupt), y - h / 2 + 4, index);
}

void Rohrzeichner::ZeichneFranckHertz(Zeiger &volt, Zeiger &strom)
{
    const int e = p_.e, X0 = p_.X0, Y0 = p_.Y0, t = p_.t, L = p_.L;
    const bool anordnung = p_.art == Variante::Anordnung, lauf = p_.art == Variante::Durchfuehrung;
    c_.copyMode = KopierModus::SrcCopy;
    // 1. background
    c_.brush = Pinsel{grund, PinselStil::Solid};
    c_.fillRect(0, 0, c_.width(), c_.height());
    // 2. tube
    c_.pen = Stift{FarbeGlas, 8, PenStil::Solid, PenModus::Copy};
    c_.brush = Pinsel{rohrInnen, PinselStil::Solid};
    c_.roundRect(X0 - 4, Y0 - 4, X0 + 18 * e + 4, Y0 + t + 4, e, e);
    // 3. grid, 4. cathode and collector
    Zeichnegitter2();
    ZeichneKathode2(KaltFarbe());
    ZeichneAuffaenger2();
    // 5. meters
    strom.ort = p_.Amperemeter;
    volt.ort = p_.Voltmeter;
    MessGGehaeuse(p_.Amperemeter, true);
    if (!lauf)
        MessGGehaeuse(p_.Voltmeter, false);
    // 6. wires
    c_.pen = Stift{FarbeLeitung, 5, PenStil::Solid, PenModus::Copy};
    c_.moveTo(p_.kathodeUnten.x(), p_.kathodeUnten.y());
    c_.lineTo(p_.C1.x(), p_.C1.y());
    c_.lineTo(p_.UaMinus.x(), p_.UaMinus.y());
    Linie(p_.UaPlus, p_.S1);
    Linie(p_.S2, p_.UgPlus);
    const QPoint stromUnten(p_.Amperemeter.x() - 2 * e + 16, p_.Amperemeter.y() - 16);
    const QPoint stromOben(p_.Amperemeter.x() - 2 * e + 16, p_.Amperemeter.y() - 2 * e + 16);
    c_.moveTo(p_.UgMinus.x(), p_.UgMinus.y());
    c_.lineTo(p_.C2.x(), p_.C2.y());
    c_.lineTo(stromUnten.x(), stromUnten.y());
    Linie(stromOben, p_.auffaengerUnten);
    Linie(p_.gitterUnten, {p_.gitterX, L});
    c_.pen.width = 3;
    if (lauf) {
        for (QPoint q : {p_.UaMinus, p_.UaPlus, p_.UgMinus, p_.UgPlus})
            Linie(q, {q.x(), q.y() + 4 * e});
    } else {
        const QPoint vl(p_.Voltmeter.x() - 2 * e + 16, p_.Voltmeter.y() - 16);
        const QPoint vr(p_.Voltmeter.x() + 2 * e - 16, p_.Voltmeter.y() - 16);
        Linie(p_.UaMinus, {p_.UaMinus.x(), vl.y()});
        Linie(p_.UaPlus, {p_.UaPlus.x(), vr.y()});
        ZeichneBuchse2(vl);
        ZeichneBuchse2(vr);
    }
    ZeichneBuchse2(stromUnten);
    ZeichneBuchse2(stromOben);
    // 7. sockets, switch, needles
    for (QPoint q : {p_.UaMinus, p_.UaPlus, p_.UgMinus, p_.UgPlus})
        ZeichneBuchse2(q);
    ZeichneSchalter(true);
    strom.gezeichnet = volt.gezeichnet = false;
    if (anordnung) {
        ZeigerSetzen(volt, 0.2);
        ZeigerSetzen(strom, 0.6);
    } else {
        ZeigerSetzen(strom, 0);
        if (!lauf)
            ZeigerSetzen(volt, 0);
    }
    // 8. polarity
    Polung(p_.UaMinus, false);
    Polung(p_.UaPlus, true);
    Polung(p_.UgMinus, false);
    Polung(p_.UgPlus, true);
    // 9. heating circuit
    if (anordnung) {
        c_.pen = Stift{FarbeLeitung, 2, PenStil::Solid, PenModus::Copy};
        c_.moveTo(p_.kathodeOben.x(), p_.kathodeOben.y());
        c_.lineTo(p_.kathodeOben.x(), Y0 - 16);
        c_.lineTo(p_.H1.x(), Y0 - 16);
        c_.lineTo(p_.H1.x(), p_.H1.y());
        c_.moveTo(p_.H2.x(), p_.H2.y());
        c_.lineTo(p_.H2.x(), L);
        c_.lineTo(p_.C1.x(), L);
        ZeichneBuchse2(p_.H1);
        ZeichneBuchse2(p_.H2);
        c_.font = Schrift{QStringLiteral("Comic Sans MS"), SchriftGross, true, false, false, FarbeBeschriftung};
        c_.brush.style = PinselStil::Clear;
        const QString welle = QStringLiteral("~");
        c_.textOut(p_.H1.x() - c_.textWidth(welle) / 2, (p_.H1.y() + p_.H2.y()) / 2 - c_.textHeight(welle) / 2,
                   welle);
    }
    // 10. voltage labels
    c_.font = Schrift{QStringLiteral("Comic Sans MS"), anordnung ? SchriftNormal : SchriftMittel, true, false, false,
                      FarbeBeschriftung};
    IndexText(QStringLiteral("U"), QStringLiteral("a"), lauf ? X0 + 5 * e : p_.Voltmeter.x(), p_.C2.y(), false);
    IndexText(QStringLiteral("U"), QStringLiteral("g"), (p_.UgMinus.x() + p_.UgPlus.x()) / 2, p_.C2.y(), true);
}

void Rohrzeichner::BeschrifteAtome(const Sprites &s, int F2)
{
    const bool anordnung = p_.art == Variante::Anordnung;
    const QString texte[3] = {QCoreApplication::translate("FranckHertzBild", " Gasatom im Grundzustand"),
                              QCoreApplication::translate("FranckHertzBild", " angeregtes Gasatom"),
                              QCoreApplication::translate("FranckHertzBild", " Elektron")};
    const TColor farben[3] = {FarbeAtomText1, FarbeAtomText2, FarbeElektron};
    const QImage *bilder[3] = {&s.grund, &s.angeregt, &s.elektron};
    // on narrow pictures a smaller font, so that the legend fits
    const QString alle = texte[0] + texte[1] + texte[2];
    const int sprites = 4 * s.r + 2 * s.re + (anordnung ? 2 * s.r + 2 * s.re : 0);
    c_.font = Schrift{QStringLiteral("Comic Sans MS"), SchriftMittel, true, false, false, 0x000000};
    while (c_.font.size > 8 && c_.textWidth(alle) + sprites + 16 > c_.width())
        --c_.font.size;
    const int luecke = (c_.width() - c_.textWidth(alle) - sprites) / 4;
    const int g = std::max(luecke, 4);  // on narrow pictures the labels must not run into each other
    c_.copyMode = KopierModus::SrcCopy;
    c_.brush.style = PinselStil::Clear;
    int ende = 0;
    for (int i = 0; i < 3; ++i) {
        const int rad = i == 2 ? s.re : s.r;
        const int mitte = ende + g + ((i == 2 && !anordnung) ? s.re : s.r);
        int textLinks, spriteOben, textOben;
        c_.font.color = farben[i];
        if (anordnung) {
            spriteOben = 4;
            textOben = 4;
            textLinks = mitte + 2 * rad;
        } else {
            spriteOben = F2 - rad;
            textOben = F2 - c_.textHeight(texte[i]) / 2;
            textLinks = mitte + rad;
        }
        c_.draw(mitte - rad, spriteOben, *bilder[i], true, 0x000000);
        c_.textOut(textLinks, textOben, texte[i]);
        ende = textLinks + c_.textWidth(texte[i]);
    }
    c_.copyMode = KopierModus::SrcInvert;
}

}  // namespace FranckHertz
