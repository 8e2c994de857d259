#include "franckhertzkurvebild.h"

#include <QCoreApplication>

#include <algorithm>

namespace FranckHertz {

KurvenAchsen ZeichneKurvenAchsen(Canvas &c, TColor grund, int e, int uaMax, int N)
{
    KurvenAchsen a;
    const int h = c.height();
    c.copyMode = KopierModus::SrcCopy;
    c.brush = Pinsel{grund, PinselStil::Solid};
    c.fillRect(0, 0, c.width(), h);
    a.ursprungX = e / 2;
    a.ursprungY = h - 2 * e;
    const int ox = a.ursprungX, oy = a.ursprungY;
    c.pen = Stift{0xFFFFFF, 1, PenStil::Solid, PenModus::Copy};
    auto linie = [&](int x1, int y1, int x2, int y2) {
        c.moveTo(x1, y1);
        c.lineTo(x2, y2);
    };
    linie(ox, oy, ox, 40);
    linie(ox, 40, ox - 8, 52);
    linie(ox, 40, ox + 8, 52);
    linie(ox, oy, ox + 22 * e, oy);
    linie(ox + 22 * e, oy, ox + 22 * e - 15, oy - 8);
    linie(ox + 22 * e, oy, ox + 22 * e - 15, oy + 8);
    c.font = Schrift{QStringLiteral("Comic Sans MS"), SchriftNormal, true, false, false, 0xFFFFFF};
    c.brush.style = PinselStil::Clear;
    c.textOut(ox - 5, 15, QCoreApplication::translate("FranckHertzKurveBild", "Auffängerstrom"));
    const int umax5 = (uaMax + 4) / 5 * 5;
    a.k = 21 * e / umax5;
    const int k = a.k;
    const QString haupt = QCoreApplication::translate("FranckHertzKurveBild", "Beschleunigungsspannung U"),
                  index = QStringLiteral("a"), rest = QStringLiteral(" / V");
    const int breite = c.textWidth(haupt) + c.textWidth(index) + c.textWidth(rest);
    const int zeile = c.textHeight(haupt);
    const int textOben = std::min(oy + 8 + zeile + 2, h - zeile - 4);
    int x = 22 * e - breite;
    c.textOut(x, textOben, haupt);
    x += c.textWidth(haupt);
    c.textOut(x, textOben + 4, index);
    x += c.textWidth(index);
    c.textOut(x, textOben, rest);
    c.pen.width = 2;
    for (int u = 0; u <= umax5; ++u) {
        const int tx = ox + u * k;
        linie(tx, oy, tx, oy + (u % 5 == 0 ? 8 : 4));
        if (u % 5 == 0) {
            const QString t = QString::number(u);
            c.textOut(tx - 4 - c.textWidth(t) / 2, oy + 8, t);
        }
    }
    // the bars keep to the picture on small screens
    a.balkenSkala = std::min(250.0, double(oy - 44)) / N;
    return a;
}

void ZeichneKurvenBalken(Canvas &c, const KurvenAchsen &a, int t, int s, int I)
{
    c.pen = Stift{FarbeBalken, 1, PenStil::Solid, PenModus::Copy};
    const int hoehe = Runde(I * a.balkenSkala) + 2;
    for (int j = -s; j <= s; ++j) {
        const int x = a.ursprungX + t * (2 * s + 1) + s + j;
        c.moveTo(x, a.ursprungY - 1);
        c.lineTo(x, a.ursprungY - hoehe);
    }
}

}  // namespace FranckHertz
