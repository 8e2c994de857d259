#include "spektrenbild.h"

#include <QCoreApplication>

#include <cmath>

namespace Atome {

void SpektrenBild::Stift(TColor farbe, int breite, PenStil stil)
{
    c_.pen.color = farbe;
    c_.pen.width = breite;
    c_.pen.style = stil;
    c_.pen.mode = PenModus::Copy;
}

void SpektrenBild::MoveToPkt(double x, double y, double z)
{
    const QPoint p = g_.projiziere(b_, x, y, z);
    c_.moveTo(p.x(), p.y());
}

void SpektrenBild::LineToPkt(double x, double y, double z)
{
    const QPoint p = g_.projiziere(b_, x, y, z);
    c_.lineTo(p.x(), p.y());
}

void SpektrenBild::ZeichneAlles(const SpektrenZustand &z)
{
    g_ = Daten(c_.width(), c_.height(), z.mitAnordnung, z.s);
    b_ = Blick::ausPositionen(z.sehBreite, z.sehHoehe);
    if (z.mitAnordnung)
        g_.Einpassen(b_);
    c_.brush = Pinsel{z.grund, PinselStil::Solid};
    c_.fillRect(0, 0, c_.width(), c_.height());
    ZeichneSchirm(true, true);
    ZeichneSonnenSpektrum(z.mitSonnenLinien, z.nachFrequenz);
    ZeichneLinien(z.gas, z.nachFrequenz);
    if (z.mitAnordnung) {
        ZeichneSpektralApparat(z.gas);
        ZeichneRoehre(z.gas);
    }
}

void SpektrenBild::ZeichneSchirm(bool sonne, bool gas)
{
    Stift(0, 1);
    c_.brush = Pinsel{0, PinselStil::Solid};
    if (sonne)
        c_.rectangle(g_.schirmLinks, g_.sonneOben - 160, g_.schirmLinks + g_.Ws, g_.sonneOben + g_.h + 2);
    if (gas)
        c_.rectangle(g_.schirmLinks, g_.gasOben, g_.schirmLinks + g_.Ws, g_.gasOben + g_.h + 42);
}

void SpektrenBild::ZeichneSonnenSpektrum(bool mitLinien, bool nachFrequenz)
{
    ZeichneSchirm(true, false);
    const bool anordnung = g_.mitAnordnung;
    const int achse = g_.sonneOben;
    if (!anordnung) {
        Stift(Silber, 2);
        c_.moveTo(g_.x0, achse);
        c_.lineTo(g_.x0 + g_.Wsp, achse);
        const int py = achse - 80, spitze = g_.x0 + g_.Wsp / 2;
        c_.moveTo(g_.x0 + g_.Wsp / 4, py);
        c_.lineTo(spitze, py);
        c_.moveTo(spitze - 16, py - 12);
        c_.lineTo(spitze, py);
        c_.lineTo(spitze - 16, py + 12);
        c_.font = Schrift{QStringLiteral("Trebuchet MS"), SchriftMittel, true, false, false, Silber};
        c_.brush.style = PinselStil::Clear;
        const QString text = nachFrequenz ? QCoreApplication::translate("SpektrenBild", "Frequenz")
                                          : QCoreApplication::translate("SpektrenBild", "Wellenlänge");
        c_.textOut(spitze + 32, py - c_.textHeight(text) / 2, text);
    }
    c_.font = Schrift{QStringLiteral("Trebuchet MS"), 12, true, false, false, Silber};
    c_.brush.style = PinselStil::Clear;
    const int hoehe8 = c_.textHeight(QStringLiteral("8"));
    for (int v = 400; v <= 750; ++v) {
        const int x = g_.x(v);
        Stift(SonnenFarbe(v, nachFrequenz), anordnung ? 2 : 3);
        c_.moveTo(x, achse);
        c_.lineTo(x, achse + g_.h);
        if (!anordnung && v % 50 == 0) {
            Stift(Silber, 2);
            c_.moveTo(x, achse);
            c_.lineTo(x, achse - 8);
            const QString zahl = QString::number(v);
            c_.textOut(x - c_.textWidth(zahl) / 2, achse - 8 - 4 - hoehe8, zahl);
            if (v == 750)
                c_.textOut(x + c_.textWidth(zahl) / 2 + 8, achse - 8 - 4 - hoehe8,
                           nachFrequenz ? QStringLiteral("THz") : QStringLiteral("nm"));
        }
    }
    if (mitLinien) {
        const Linienspektrum &sonne = t_[SonnenSlot];
        Stift(0, 1);
        for (int i = 0; i < sonne.Anzahl; ++i) {
            const int x = g_.x(LinienWert(sonne.Linie[i], nachFrequenz));
            c_.moveTo(x, achse);
            c_.lineTo(x, achse + g_.h);
        }
    }
    c_.font = Schrift{QStringLiteral("Trebuchet MS"), 24, true, false, false, Silber};
    c_.brush.style = PinselStil::Clear;
    const int mitte = achse + g_.h / 2;
    const int rand = (g_.Ws - g_.Wsp) / 4;
    const auto setze = [&](const QString &t, int x) {
        const int w = c_.textWidth(t);
        c_.textOut(x - w / 2, mitte - w / 2, t);
    };
    setze(nachFrequenz ? QStringLiteral("IR") : QStringLiteral("UV"), g_.x0 - rand);
    setze(nachFrequenz ? QStringLiteral("UV") : QStringLiteral("IR"), g_.x0 + g_.Wsp + rand);
}

void SpektrenBild::ZeichneLinien(int gas, bool nachFrequenz)
{
    if (gas >= 1 && gas <= 11) {
        const Linienspektrum &sp = t_[gas];
        const double r = 0.8 * g_.R, z = g_.cx / 3.0;
        for (int i = 0; i < sp.Anzahl; ++i) {
            const Spektrallinie &l = sp.Linie[i];
            const int x = g_.x(LinienWert(l, nachFrequenz));
            if (g_.mitAnordnung) {
                Stift(l.Farbe, 1, PenStil::Dot);
                MoveToPkt(0, r, z);
                c_.lineTo(x, g_.gasOben);
            }
            Stift(l.Farbe, g_.mitAnordnung ? 2 : 3);
            c_.moveTo(x, g_.gasOben);
            c_.lineTo(x, g_.gasOben + g_.h);
            if (g_.mitAnordnung) {
                Stift(l.Farbe, 1, PenStil::Dot);
                c_.moveTo(x, g_.gasOben + g_.h);
                LineToPkt(0, -r, z);
            }
        }
    }
    Stift(0, 2);
    c_.moveTo(g_.x0, g_.gasOben + 1);
    c_.lineTo(g_.x0 + g_.Wsp, g_.gasOben + 1);
}

void SpektrenBild::ZeichneSpektralApparat(int gas)
{
    const double c0 = ApparatStartWinkel(b_);
    const int R = g_.R;
    for (int i = 1; i <= 96; ++i) {
        const double a = i * M_PI / 96 + c0;
        Stift(ApparatGrau(R, a), 4);
        MoveToPkt(R * std::cos(a), R * std::sin(a), g_.cx / 3.0);
        LineToPkt(R * std::cos(a), R * std::sin(a), 2 * g_.cx / 3.0);
    }
    ZeichneSpektralApparatSpaltFlaeche(gas);
}

void SpektrenBild::ZeichneSpektralApparatSpaltFlaeche(int gas)
{
    const double z = 2 * g_.cx / 3.0, R = g_.R;
    Stift(SpaltRandFarbe, 2);
    MoveToPkt(R * SinCosTabelle.Cos96[0], R * SinCosTabelle.Sin96[0], z);
    for (int i = 1; i <= 192; ++i)
        LineToPkt(R * SinCosTabelle.Cos96[i], R * SinCosTabelle.Sin96[i], z);
    const QPoint mitte = g_.projiziere(b_, 0, 0, z);
    c_.brush = Pinsel{SpaltFarbe(FarbeGas(t_, gas)), PinselStil::Solid};
    c_.floodFill(mitte.x(), mitte.y(), SpaltRandFarbe, FuellArt::Rand);
    Stift(0, 3);
    MoveToPkt(0, 0.8 * R, z);
    LineToPkt(0, -0.8 * R, z);
}

void SpektrenBild::Sockel(double y, double z)
{
    const QPoint p = g_.projiziere(b_, 0, y, z);
    c_.ellipse(p.x() - 5, p.y() - 5, p.x() + 6, p.y() + 6);
}

void SpektrenBild::ZeichneRoehre(int gas)
{
    const double zt = 2 * g_.cx / 3.0 + 50, r = g_.rRoehre;
    const bool mitGas = gas >= 1 && gas <= 11;
    const TColor rand = mitGas ? RoehreRand : RoehreOhneGas;
    ZeichneSpektralApparatSpaltFlaeche(gas);
    if (mitGas) {
        Stift(0x0000FF, 4);
        MoveToPkt(0, -100, zt);
        LineToPkt(0, -120, zt);
    }
    // top face
    Stift(rand, 1);
    MoveToPkt(r * SinCosTabelle.Cos192[0], 100, zt + r * SinCosTabelle.Sin192[0]);
    for (int i = 1; i <= 384; ++i)
        LineToPkt(r * SinCosTabelle.Cos192[i], 100, zt + r * SinCosTabelle.Sin192[i]);
    const QPoint oben = g_.projiziere(b_, 0, 100, zt);
    c_.brush = Pinsel{Silber, PinselStil::Solid};
    c_.floodFill(oben.x(), oben.y(), rand, FuellArt::Rand);
    // body: the two silhouette lines and the front half of the bottom circle
    const double beta = std::atan2(-b_.sinPhi * b_.cosTheta, b_.cosTheta * b_.cosPhi);
    Stift(rand, 2);
    MoveToPkt(r * std::cos(beta), 100, zt + r * std::sin(beta));
    LineToPkt(r * std::cos(beta), -100, zt + r * std::sin(beta));
    for (int i = 1; i <= 24; ++i) {
        const double a = beta + i * M_PI / 24;
        LineToPkt(r * std::cos(a), -100, zt + r * std::sin(a));
    }
    LineToPkt(r * std::cos(beta + M_PI), 100, zt + r * std::sin(beta + M_PI));
    const QPoint mitte = g_.projiziere(b_, 0, 0, zt);
    c_.brush = Pinsel{FarbeGas(t_, gas), PinselStil::Solid};
    c_.floodFill(mitte.x(), mitte.y(), rand, FuellArt::Rand);
    if (mitGas) {
        Stift(0x0000FF, 4);
        c_.brush = Pinsel{0x0000FF, PinselStil::Solid};
        MoveToPkt(0, 100, zt);
        LineToPkt(0, 120, zt);
        LineToPkt(0, 120, zt + 50);
        LineToPkt(0, 20, zt + 50);
        Sockel(20, zt + 50);
        MoveToPkt(0, -100, zt);
        LineToPkt(0, -120, zt);
        LineToPkt(0, -120, zt + 50);
        LineToPkt(0, -20, zt + 50);
        Sockel(-20, zt + 50);
    }
}

}  // namespace Atome
