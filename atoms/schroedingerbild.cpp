#include "schroedingerbild.h"

#include "zahltext.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace Atome {

void LoescheAtomBild(Canvas &c)
{
    c.brush = Pinsel{0, PinselStil::Solid};
    c.fillRect(0, 0, c.width(), c.height());
}

void ZeichneAchsen(Canvas &c, const AtomAnsicht &a)
{
    Ursprung u{&c, a.cx, a.cy};
    c.pen = Stift{AchsenFarbe, 1, PenStil::Solid, PenModus::Copy};
    c.brush.style = PinselStil::Clear;
    c.moveTo(0, a.cy);
    c.lineTo(c.width(), a.cy);
    c.moveTo(a.cx, 0);
    c.lineTo(a.cx, c.height());
    c.font = Schrift{QStringLiteral("Trebuchet MS"), 10, true, false, false, AchsenFarbe};
    const int sb = BeschriftungBohr(a.massstab);
    for (int k = 1; k <= a.massstab; ++k) {
        u.Line0(k * a.a0, -3, k * a.a0, 4);
        if (k % sb == 0) {
            const QString t = QString::number(k);
            c.textOut(a.cx + k * a.a0 - c.textWidth(t) / 2, a.cy + 5, t);
        }
    }
    const int sn = BeschriftungNm(a.massstab);
    for (int d = 1; (d + 1) * a.proNm <= 20 * a.cx; ++d) {
        const double x = -d * a.proNm / 20.0;
        u.Line0(x, -3, x, 4);
        if (d % sn == 0) {
            const QString t = Komma(d / 20.0, 2);
            c.textOut(a.cx + Runde(x) - c.textWidth(t) / 2, a.cy + 5, t);
        }
    }
    c.font.size = 12;
    const QString r1 = QCoreApplication::translate("SchroedingerBild", "Entfernung vom Kern"),
                  r2 = QCoreApplication::translate("SchroedingerBild", "in Bohr’schen Radien"),
                  l2 = QCoreApplication::translate("SchroedingerBild", "in Nanometer (nm)");
    const int y = a.cy + 20, h = c.textHeight(r1);
    c.textOut(c.width() - 8 - c.textWidth(r1), y, r1);
    c.textOut(c.width() - 8 - c.textWidth(r2), y + h, r2);
    c.textOut(8, y, r1);
    c.textOut(8, y + h, l2);
}

void ZeichneGraph(Canvas &c, const AtomAnsicht &a, int n, int l)
{
    Ursprung u{&c, a.cx, a.cy};
    c.pen = Stift{GraphFarbe, 2, PenStil::Solid, PenModus::Copy};
    const double k = GraphFaktor(n, l, a.a0, a.cx, a.cy);
    for (int seite : {-1, 1}) {
        for (int j = 0; j <= a.cx - 8; ++j) {
            const double p = Psi(n, l, l, j / double(a.a0));
            const double wert = p * p * k;
            if (j == 0)
                u.Moveto0(seite * j, wert);
            else
                u.Lineto0(seite * j, wert);
        }
    }
}

void ZeichneAtomScheibe(Canvas &c, const AtomAnsicht &a)
{
    c.pen = Stift{BohrFarbe, 2, PenStil::Solid, PenModus::Copy};
    c.brush = Pinsel{BohrFarbe, PinselStil::Solid};
    c.ellipse(a.cx - a.a0, a.cy - a.a0, a.cx + a.a0 + 1, a.cy + a.a0 + 1);
}

void ZeichneAtomRand(Canvas &c, const AtomAnsicht &a)
{
    c.pen = Stift{BohrFarbe, 3, PenStil::Solid, PenModus::Copy};
    c.brush.style = PinselStil::Clear;
    c.ellipse(a.cx - a.a0, a.cy - a.a0, a.cx + a.a0 + 1, a.cy + a.a0 + 1);
}

int GrauSRingZahl(const AtomAnsicht &a) { return Runde(2.0 * a.N); }

void ZeichneGrauSRinge(Canvas &c, const AtomAnsicht &a, int n, double wmax, int von, int bis)
{
    c.brush.style = PinselStil::Clear;
    const double norm = wmax > 0 ? 1 / wmax : 0;
    for (int i = std::max(1, von); i <= std::min(bis, GrauSRingZahl(a)); ++i) {
        const double p = Psi(n, 0, 1, i / double(a.a0));
        c.pen = Stift{GrauTon(p * p * norm), 2, PenStil::Solid, PenModus::Copy};
        c.ellipse(a.cx - i, a.cy - i, a.cx + i + 1, a.cy + i + 1);
    }
}

void ZeichneGrauSKern(Canvas &c, const AtomAnsicht &a, int n, double wmax)
{
    // the nucleus: the brightest grey
    const double norm = wmax > 0 ? 1 / wmax : 0;
    const double p0 = Psi(n, 0, 1, 0);
    c.setPixel(a.cx, a.cy, GrauTon(p0 * p0 * norm));
}

QImage MessPunktBild(bool aktuell)
{
    QImage bild(10, 10, QImage::Format_RGB32);
    bild.fill(Qt::black);
    Canvas c(&bild);
    c.pen = Stift{aktuell ? 0xFFFFFFu : 16776960u, 1, PenStil::Solid, PenModus::Copy};
    c.brush = Pinsel{aktuell ? 65535u : 8388608u, PinselStil::Solid};
    c.ellipse(0, 0, 10, 10);
    return bild;
}

}  // namespace Atome
